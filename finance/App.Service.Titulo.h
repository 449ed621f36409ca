#pragma once

#include "App.Base.Service.h"

#include <cstdint>

// The financial titles (/titulo): the generic calls with the title's records (TTituloEntity, the
// aggregate TTituloComplexPost, TTituloDto rows with a TTituloFilterClass body) and the boleto of
// one instalment.
class TTituloService final : public TBaseService
{
public:
    static constexpr int BoletoTimeOut = 30000;

    TTituloService();

    // POST /titulo/gerar-boleto/<id> without a body (30000 ms): the back end issues the
    // instalment's boleto. Status 200 shows the success message; any other raises the reply's
    // text and shows nothing.
    void GerarBoleto(std::int64_t AIdParcelaTitulo);
    // GET /titulo/link-boleto/<id>, page 1 of 100 (30000 ms): the link to the instalment's
    // boleto; the empty text when it has none or the back end refused (an error page is never
    // taken for a link).
    QString GetLinkBoleto(std::int64_t AIdParcelaTitulo);
};

#pragma once

#include "App.Base.Service.h"

class TCancelamentoFinanceiroComplexPost;

// The financial cancellations (/cancelamento-financeiro); only the batch is used.
class TCancelamentoFinanceiroService final : public TBaseService
{
public:
    // A batch may cancel the instalments of every contract: it is given hours.
    static constexpr int EmLoteTimeOut = 30000000;

    TCancelamentoFinanceiroService();

    // POST /cancelamento-financeiro/complex with the body as JSON (30000000 ms). Status 200 is
    // success and the reply is ignored; any other raises the reply's text.
    void postCancelamentoFinanceiroEmLote(const TCancelamentoFinanceiroComplexPost &AComplexPost);
};

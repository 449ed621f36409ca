#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPlanoPeriodoContratoDto;

// The plans of the validity periods (/plano-periodo-contrato): read per contract, saved with the
// contract; the signature picture of a plan has requests of its own.
class TPlanoPeriodoContratoService final : public TBaseService
{
public:
    static constexpr int AssinaturaTimeOut = 30000;

    TPlanoPeriodoContratoService();

    // GET /plano-periodo-contrato/contrato/<id> (page 1 of 100); no list for a 304 reply, a reply
    // without JSON or one without "listHelper"; an error status raises its text.
    std::optional<TObjectList<TPlanoPeriodoContratoDto>>
    fillPlanoPeriodoContrato(std::int64_t AIdContrato);

    // GET /plano-periodo-contrato/assinatura/<id>: the signature's Base64 text as the reply holds
    // it (empty when there is none). A status other than 200 raises the reply's text.
    QString GetBase64Assinatura(std::int64_t AIdPlanoPeriodoContrato);
    // POST /plano-periodo-contrato/assinatura with a body holding only the id and the picture
    // text in Base64 (a CR LF after every 76 characters). Shows the reply's text, whose prefix
    // chooses the dialog, and returns whether the status was 200.
    bool PostAssinatura(std::int64_t AIdPlanoPeriodoContrato, const QString &APictureText);
    // DELETE /plano-periodo-contrato/assinatura/<id> without a body; the reply shown as above.
    bool DeleteAssinatura(std::int64_t AIdPlanoPeriodoContrato);

private:
    bool showReply();
};

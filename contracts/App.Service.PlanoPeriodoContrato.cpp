#include "App.Service.PlanoPeriodoContrato.h"

#include "App.Lib.Utils.h"
#include "Common.Dto.PlanoPeriodoContrato.h"
#include "Common.Entity.PlanoPeriodoContrato.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.PictureText.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TPlanoPeriodoContratoService)

TPlanoPeriodoContratoService::TPlanoPeriodoContratoService()
    : TBaseService(QStringLiteral("TPlanoPeriodoContratoService"))
{ }

std::optional<TObjectList<TPlanoPeriodoContratoDto>>
TPlanoPeriodoContratoService::fillPlanoPeriodoContrato(std::int64_t AIdContrato)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/contrato/") + QString::number(AIdContrato),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyListIfAny<TPlanoPeriodoContratoDto>();
}

QString TPlanoPeriodoContratoService::GetBase64Assinatura(std::int64_t AIdPlanoPeriodoContrato)
{
    ClearRequest();
    SetTimeOut(AssinaturaTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/assinatura/")
                   + QString::number(AIdPlanoPeriodoContrato),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() != 200)
        raiseReply();
    return ResponseContent();
}

bool TPlanoPeriodoContratoService::PostAssinatura(std::int64_t AIdPlanoPeriodoContrato,
                                                  const QString &APictureText)
{
    ClearRequest();
    SetTimeOut(AssinaturaTimeOut);
    TPlanoPeriodoContratoEntity assinatura;
    assinatura.Id = AIdPlanoPeriodoContrato;
    assinatura.Assinatura = TPictureText::Encode(APictureText);
    Request().AddBody(TDravikJson::ObjectToJson(assinatura), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + QStringLiteral("/assinatura"));
    return showReply();
}

bool TPlanoPeriodoContratoService::DeleteAssinatura(std::int64_t AIdPlanoPeriodoContrato)
{
    ClearRequest();
    SetTimeOut(AssinaturaTimeOut);
    ExecuteDelete(ResourceName() + QStringLiteral("/assinatura/")
                  + QString::number(AIdPlanoPeriodoContrato));
    return showReply();
}

bool TPlanoPeriodoContratoService::showReply()
{
    const bool saved = StatusCode() == 200;
    TAppUtils::MessageSystem(ResponseContent());
    return saved;
}

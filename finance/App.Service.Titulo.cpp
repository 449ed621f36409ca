#include "App.Service.Titulo.h"

#include "App.Lib.Utils.h"

#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TTituloService)

TTituloService::TTituloService()
    : TBaseService(QStringLiteral("TTituloService"))
{ }

void TTituloService::GerarBoleto(std::int64_t AIdParcelaTitulo)
{
    ClearRequest();
    SetTimeOut(BoletoTimeOut);
    ExecutePost(ResourceName() + QStringLiteral("/gerar-boleto/")
                + QString::number(AIdParcelaTitulo));
    if (StatusCode() != 200)
        raiseReply();
    TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
}

QString TTituloService::GetLinkBoleto(std::int64_t AIdParcelaTitulo)
{
    ClearRequest();
    SetTimeOut(BoletoTimeOut);
    ExecuteGet(ResourceName() + QStringLiteral("/link-boleto/") + QString::number(AIdParcelaTitulo),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return StatusCode() == 200 ? ResponseContent() : QString();
}

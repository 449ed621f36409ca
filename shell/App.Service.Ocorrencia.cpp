#include "App.Service.Ocorrencia.h"

ZUNTA_REGISTER_SERVICE(TOcorrenciaService)

TOcorrenciaService::TOcorrenciaService()
    : TBaseService(QStringLiteral("TOcorrenciaService"))
{ }

void TOcorrenciaService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(OcorrenciaTimeOut);
}

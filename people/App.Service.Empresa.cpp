#include "App.Service.Empresa.h"

ZUNTA_REGISTER_SERVICE(TEmpresaService)

TEmpresaService::TEmpresaService()
    : TBaseService(QStringLiteral("TEmpresaService"))
{ }

void TEmpresaService::BeforeRequest()
{
    TBaseService::BeforeRequest();
    SetTimeOut(EmpresaTimeOut);
}

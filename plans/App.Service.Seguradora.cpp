#include "App.Service.Seguradora.h"

ZUNTA_REGISTER_SERVICE(TSeguradoraService)

TSeguradoraService::TSeguradoraService()
    : TBaseService(QStringLiteral("TSeguradoraService"))
{ }

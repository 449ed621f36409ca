#include "App.Service.Conta.h"

ZUNTA_REGISTER_SERVICE(TContaService)

TContaService::TContaService()
    : TBaseService(QStringLiteral("TContaService"))
{ }

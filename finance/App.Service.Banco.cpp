#include "App.Service.Banco.h"

ZUNTA_REGISTER_SERVICE(TBancoService)

TBancoService::TBancoService()
    : TBaseService(QStringLiteral("TBancoService"))
{ }

#include "App.Service.Plano.h"

ZUNTA_REGISTER_SERVICE(TPlanoService)

TPlanoService::TPlanoService()
    : TBaseService(QStringLiteral("TPlanoService"))
{ }

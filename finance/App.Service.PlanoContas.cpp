#include "App.Service.PlanoContas.h"

ZUNTA_REGISTER_SERVICE(TPlanoContasService)

TPlanoContasService::TPlanoContasService()
    : TBaseService(QStringLiteral("TPlanoContasService"))
{ }

#include "App.Service.Agencia.h"

ZUNTA_REGISTER_SERVICE(TAgenciaService)

TAgenciaService::TAgenciaService()
    : TBaseService(QStringLiteral("TAgenciaService"))
{ }

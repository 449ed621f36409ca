#include "App.Service.Colaborador.h"

ZUNTA_REGISTER_SERVICE(TColaboradorService)

TColaboradorService::TColaboradorService()
    : TBaseService(QStringLiteral("TColaboradorService"))
{ }

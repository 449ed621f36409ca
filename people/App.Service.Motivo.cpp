#include "App.Service.Motivo.h"

ZUNTA_REGISTER_SERVICE(TMotivoService)

TMotivoService::TMotivoService()
    : TBaseService(QStringLiteral("TMotivoService"))
{ }

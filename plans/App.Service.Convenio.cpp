#include "App.Service.Convenio.h"

ZUNTA_REGISTER_SERVICE(TConvenioService)

TConvenioService::TConvenioService()
    : TBaseService(QStringLiteral("TConvenioService"))
{ }

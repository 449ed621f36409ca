#include "App.Service.ReciboAvulso.h"

ZUNTA_REGISTER_SERVICE(TReciboAvulsoService)

TReciboAvulsoService::TReciboAvulsoService()
    : TBaseService(QStringLiteral("TReciboAvulsoService"))
{ }

#include "App.Service.Classes.h"

ZUNTA_REGISTER_SERVICE(TClassesService)

TClassesService::TClassesService()
    : TBaseService(QStringLiteral("TClassesService"))
{ }

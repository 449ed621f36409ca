#include "App.Service.Equipe.h"

ZUNTA_REGISTER_SERVICE(TEquipeService)

TEquipeService::TEquipeService()
    : TBaseService(QStringLiteral("TEquipeService"))
{ }

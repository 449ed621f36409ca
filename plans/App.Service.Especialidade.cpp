#include "App.Service.Especialidade.h"

ZUNTA_REGISTER_SERVICE(TEspecialidadeService)

TEspecialidadeService::TEspecialidadeService()
    : TBaseService(QStringLiteral("TEspecialidadeService"))
{ }

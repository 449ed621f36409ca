#include "App.Service.PerfilPermissao.h"

ZUNTA_REGISTER_SERVICE(TPerfilPermissaoService)

TPerfilPermissaoService::TPerfilPermissaoService()
    : TBaseService(QStringLiteral("TPerfilPermissaoService"))
{ }

#include "App.Service.Comissao.h"

ZUNTA_REGISTER_SERVICE(TComissaoService)

TComissaoService::TComissaoService()
    : TBaseService(QStringLiteral("TComissaoService"))
{ }

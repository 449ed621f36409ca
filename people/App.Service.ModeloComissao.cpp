#include "App.Service.ModeloComissao.h"

ZUNTA_REGISTER_SERVICE(TModeloComissaoService)

TModeloComissaoService::TModeloComissaoService()
    : TBaseService(QStringLiteral("TModeloComissaoService"))
{ }

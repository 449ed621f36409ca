#include "App.Service.Funcao.h"

ZUNTA_REGISTER_SERVICE(TFuncaoService)

TFuncaoService::TFuncaoService()
    : TBaseService(QStringLiteral("TFuncaoService"))
{ }

#include "App.Service.FuncaoColaboradorEmpresa.h"

ZUNTA_REGISTER_SERVICE(TFuncaoColaboradorEmpresaService)

TFuncaoColaboradorEmpresaService::TFuncaoColaboradorEmpresaService()
    : TBaseService(QStringLiteral("TFuncaoColaboradorEmpresaService"))
{ }

std::optional<TObjectList<TFuncaoColaboradorEmpresaDto>>
TFuncaoColaboradorEmpresaService::fillFuncaoColaboradorEmpresa(std::int64_t AIdColaborador)
{
    return findListByParent<TFuncaoColaboradorEmpresaDto>(QStringLiteral("colaborador"),
                                                          AIdColaborador);
}

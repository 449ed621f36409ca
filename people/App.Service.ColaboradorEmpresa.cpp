#include "App.Service.ColaboradorEmpresa.h"

ZUNTA_REGISTER_SERVICE(TColaboradorEmpresaService)

TColaboradorEmpresaService::TColaboradorEmpresaService()
    : TBaseService(QStringLiteral("TColaboradorEmpresaService"))
{ }

std::optional<TObjectList<TColaboradorEmpresaDto>>
TColaboradorEmpresaService::fillColaboradorEmpresa(std::int64_t AIdColaborador)
{
    return findListByParent<TColaboradorEmpresaDto>(QStringLiteral("colaborador"), AIdColaborador);
}

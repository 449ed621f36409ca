#include "App.Service.UsuarioEmpresa.h"

TUsuarioEmpresaService::TUsuarioEmpresaService()
    : TBaseService(QStringLiteral("TUsuarioEmpresaService"))
{ }

std::optional<TObjectList<TUsuarioEmpresaDto>>
TUsuarioEmpresaService::findAllEmpresa(std::int64_t AIdUsuario)
{
    return findListByParent<TUsuarioEmpresaDto>(QStringLiteral("usuario"), AIdUsuario);
}

#include "App.Service.UsuarioEmpresaPerfilPermissao.h"

TUsuarioEmpresaPerfilPermissaoService::TUsuarioEmpresaPerfilPermissaoService()
    : TBaseService(QStringLiteral("TUsuarioEmpresaPerfilPermissaoService"))
{ }

std::optional<TObjectList<TUsuarioEmpresaPerfilPermissaoDto>>
TUsuarioEmpresaPerfilPermissaoService::findAllUsuarioEmpresaPerfilPermissao(std::int64_t AIdUsuario)
{
    return findListByParent<TUsuarioEmpresaPerfilPermissaoDto>(QStringLiteral("usuario"),
                                                               AIdUsuario);
}

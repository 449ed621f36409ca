#include "App.Service.FormularioPerfilPermissao.h"

#include "Common.Dto.FormularioPerfilPermissao.h"

ZUNTA_REGISTER_SERVICE(TFormularioPerfilPermissaoService)

TFormularioPerfilPermissaoService::TFormularioPerfilPermissaoService()
    : TBaseService(QStringLiteral("TFormularioPerfilPermissaoService"))
{ }

std::optional<TObjectList<TFormularioPerfilPermissaoDto>>
TFormularioPerfilPermissaoService::findAllFormulario(std::int64_t AIdPerfilPermissao)
{
    ClearRequest();
    ExecuteGet(ResourceName() + QStringLiteral("/perfil-permissao/")
                   + QString::number(AIdPerfilPermissao),
               QString(),
               QString(),
               true,
               1,
               LimitFormularios,
               QString());
    return readReplyPage<TFormularioPerfilPermissaoDto>();
}

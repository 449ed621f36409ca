#include "App.Service.UsuarioConta.h"

TUsuarioContaService::TUsuarioContaService()
    : TBaseService(QStringLiteral("TUsuarioContaService"))
{ }

std::optional<TObjectList<TUsuarioContaDto>>
TUsuarioContaService::findAllUsuarioConta(std::int64_t AIdUsuario)
{
    return findListByParent<TUsuarioContaDto>(QStringLiteral("usuario"), AIdUsuario);
}

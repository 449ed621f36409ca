#pragma once

#include "Common.Base.Entity.h"

// The body of a permission profile: a named set of rights over the system's windows.
class TPerfilPermissaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TPerfilPermissaoEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TPerfilPermissaoEntity, (TBaseEntity), (Descricao))

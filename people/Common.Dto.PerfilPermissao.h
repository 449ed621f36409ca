#pragma once

#include "Common.Base.Dto.h"

// One permission profile of the profile list and lookup.
class TPerfilPermissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPerfilPermissaoDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TPerfilPermissaoDto, (TBaseDto), (Descricao))

#pragma once

#include "Common.Base.Entity.h"

// A user's link to a company the user may enter; an unticked link (Ativo false) is kept but
// closes the company to the user.
class TUsuarioEmpresaEntity : public TBaseEntity
{
    ZUNTA_CLASS(TUsuarioEmpresaEntity)

    std::int64_t IdUsuario = 0;
    std::int64_t IdEmpresa = 0;
    bool Ativo = false;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEmpresaEntity, (TBaseEntity), (IdUsuario, IdEmpresa, Ativo))

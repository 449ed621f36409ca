#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A title's share of one company of the group.
class TEmpresaTituloEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEmpresaTituloEntity)

    std::int64_t IdTitulo = 0;
    std::int64_t IdEmpresa = 0;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TEmpresaTituloEntity, (TBaseEntity), (IdTitulo, IdEmpresa, Valor))

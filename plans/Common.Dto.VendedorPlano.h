#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One seller of a plan, with the staff member's name.
class TVendedorPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TVendedorPlanoDto)

    std::int64_t IdPlano = 0;
    std::int64_t IdColaborador = 0;
    QString Vendedor;
    QString Plano;
};
BOOST_DESCRIBE_STRUCT(TVendedorPlanoDto, (TBaseDto), (IdPlano, IdColaborador, Vendedor, Plano))

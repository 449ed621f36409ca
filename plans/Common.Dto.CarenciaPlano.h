#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One waiting-period rule of a plan, with its description and type.
class TCarenciaPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TCarenciaPlanoDto)

    std::int64_t IdCarencia = 0;
    QString Carencia;
    std::int64_t CodigoTipo = 0;
    QString Tipo;
};
BOOST_DESCRIBE_STRUCT(TCarenciaPlanoDto, (TBaseDto), (IdCarencia, Carencia, CodigoTipo, Tipo))

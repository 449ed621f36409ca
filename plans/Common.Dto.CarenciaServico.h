#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One waiting-period rule of a service: the rule's description and its waiting-period type.
class TCarenciaServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TCarenciaServicoDto)

    std::int64_t IdCarencia = 0;
    QString Carencia;
    QString Tipo;
    std::int64_t CodigoTipo = 0;
};
BOOST_DESCRIBE_STRUCT(TCarenciaServicoDto, (TBaseDto), (IdCarencia, Carencia, Tipo, CodigoTipo))

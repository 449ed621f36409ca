#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a time band of a commission table: its start and end hours, as times of day.
class TFaixaHorarioComissaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TFaixaHorarioComissaoEntity)

    std::int64_t IdComissao = 0;
    TDateTime HoraInicial;
    TDateTime HoraFinal;
};
BOOST_DESCRIBE_STRUCT(TFaixaHorarioComissaoEntity,
                      (TBaseEntity),
                      (IdComissao, HoraInicial, HoraFinal))

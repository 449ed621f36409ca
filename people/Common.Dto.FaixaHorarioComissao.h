#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One time band of a commission table.
class TFaixaHorarioComissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFaixaHorarioComissaoDto)

    std::int64_t IdComissao = 0;
    TDateTime HoraInicial;
    TDateTime HoraFinal;
};
BOOST_DESCRIBE_STRUCT(TFaixaHorarioComissaoDto, (TBaseDto), (IdComissao, HoraInicial, HoraFinal))

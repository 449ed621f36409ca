#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The validity of a contract's member cards as the back end reads it back.
class TValidadeCartaoDependenteContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TValidadeCartaoDependenteContratoDto)

    TDateTime DataValidadeCartao;
    std::int64_t IdContrato = 0;
};
BOOST_DESCRIBE_STRUCT(TValidadeCartaoDependenteContratoDto,
                      (TBaseDto),
                      (DataValidadeCartao, IdContrato))

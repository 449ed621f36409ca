#pragma once

#include "Common.Base.Dto.h"

// One job function of the function list and lookup.
class TFuncaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFuncaoDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TFuncaoDto, (TBaseDto), (Descricao))

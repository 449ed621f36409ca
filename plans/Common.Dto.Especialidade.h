#pragma once

#include "Common.Base.Dto.h"

// One specialty of the specialty list and lookup.
class TEspecialidadeDto final : public TBaseDto
{
    ZUNTA_CLASS(TEspecialidadeDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TEspecialidadeDto, (TBaseDto), (Descricao))

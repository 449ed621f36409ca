#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One team of the team list and lookup.
class TEquipeDto final : public TBaseDto
{
    ZUNTA_CLASS(TEquipeDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TEquipeDto, (TBaseDto), (Descricao))

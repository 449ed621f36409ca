#pragma once

#include "Common.Base.Dto.h"

// One commission table of the list and of the commission-table lookup.
class TComissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TComissaoDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TComissaoDto, (TBaseDto), (Descricao))

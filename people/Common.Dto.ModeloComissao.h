#pragma once

#include "Common.Base.Dto.h"

// One commission model of the model list.
class TModeloComissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TModeloComissaoDto)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TModeloComissaoDto, (TBaseDto), (Descricao))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a team of staff members.
class TEquipeEntity : public TBaseEntity
{
    ZUNTA_CLASS(TEquipeEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TEquipeEntity, (TBaseEntity), (Descricao))

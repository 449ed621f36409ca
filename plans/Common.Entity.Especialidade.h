#pragma once

#include "Common.Base.Entity.h"

// The body of a specialty: a plain named item offered by the professionals of an agreement.
class TEspecialidadeEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEspecialidadeEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TEspecialidadeEntity, (TBaseEntity), (Descricao))

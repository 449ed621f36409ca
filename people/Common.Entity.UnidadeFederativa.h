#pragma once

#include "Common.Base.Entity.h"

// The body of a state (unidade federativa): its two-letter abbreviation and name.
class TUnidadeFederativaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TUnidadeFederativaEntity)

    QString Sigla;
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TUnidadeFederativaEntity, (TBaseEntity), (Sigla, Nome))

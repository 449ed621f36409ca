#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a document type: a description and an abbreviation.
class TTipoDocumentoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TTipoDocumentoEntity)

    QString Descricao;
    QString Sigla;
};
BOOST_DESCRIBE_STRUCT(TTipoDocumentoEntity, (TBaseEntity), (Descricao, Sigla))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One document type of the list and lookup.
class TTipoDocumentoDto final : public TBaseDto
{
    ZUNTA_CLASS(TTipoDocumentoDto)

    QString Descricao;
    QString Sigla;
};
BOOST_DESCRIBE_STRUCT(TTipoDocumentoDto, (TBaseDto), (Descricao, Sigla))

#pragma once

#include "Common.Base.Dto.h"

// A waiting-period rule of the rule list and lookup, with its type's code and description.
class TCarenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TCarenciaDto)

    QString Descricao;
    QString CodigoTipo;
    QString Tipo;
};
BOOST_DESCRIBE_STRUCT(TCarenciaDto, (TBaseDto), (Descricao, CodigoTipo, Tipo))

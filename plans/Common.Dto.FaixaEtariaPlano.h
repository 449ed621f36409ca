#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One covered age band of a plan, with the kinship's code and description.
class TFaixaEtariaPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFaixaEtariaPlanoDto)

    std::int64_t IdPlano = 0;
    std::int32_t ListaParentesco = 0;
    std::int32_t FaixaEtariaInicial = 0;
    std::int32_t FaixaEtariaFinal = 0;
    QString CodigoParentesco;
    QString Parentesco;
};
BOOST_DESCRIBE_STRUCT(
    TFaixaEtariaPlanoDto,
    (TBaseDto),
    (IdPlano, ListaParentesco, FaixaEtariaInicial, FaixaEtariaFinal, CodigoParentesco, Parentesco))

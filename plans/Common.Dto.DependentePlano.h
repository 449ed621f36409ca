#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One allowed dependent of a plan, with the kinship's code and description.
class TDependentePlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TDependentePlanoDto)

    std::int32_t ListaParentesco = 0;
    std::int32_t FaixaEtaria = 0;
    QString CodigoParentesco;
    QString Parentesco;
};
BOOST_DESCRIBE_STRUCT(TDependentePlanoDto,
                      (TBaseDto),
                      (ListaParentesco, FaixaEtaria, CodigoParentesco, Parentesco))

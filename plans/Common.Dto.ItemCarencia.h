#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// An item of a stored waiting-period rule as the back end lists it: the item's values with its
// kinship's description and code and the rule's name.
class TItemCarenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TItemCarenciaDto)

    std::int64_t ListaParentesco = 0;
    std::int64_t IdCarencia = 0;
    double FaixaEtaria = 0;
    int DiasCarencia = 0;
    double Percentual = 0;
    QString Descricao;
    QString Codigo;
    QString NomeCarencia;
};
BOOST_DESCRIBE_STRUCT(TItemCarenciaDto,
                      (TBaseDto),
                      (ListaParentesco,
                       IdCarencia,
                       FaixaEtaria,
                       DiasCarencia,
                       Percentual,
                       Descricao,
                       Codigo,
                       NomeCarencia))

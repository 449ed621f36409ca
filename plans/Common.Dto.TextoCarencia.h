#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The back end's evaluation of the waiting-period rules for a person or a contract: the text to
// show (may be empty), the percentage that applies, the rule item applied and the rule's name.
class TTextoCarenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TTextoCarenciaDto)

    QString Texto;
    double Porcentagem = 0;
    std::int64_t IdItemCarencia = 0;
    QString NomeCarenciaAplicada;
};
BOOST_DESCRIBE_STRUCT(TTextoCarenciaDto,
                      (TBaseDto),
                      (Texto, Porcentagem, IdItemCarencia, NomeCarenciaAplicada))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of an agreement: the partner (a person), the discount in percent, the segment (system
// list "SEGMENTO_CONVENIO"), free notes and the number of units, which no control shows.
class TConvenioEntity : public TBaseEntity
{
    ZUNTA_CLASS(TConvenioEntity)

    std::int64_t IdPessoa = 0;
    double Desconto = 0;
    std::int64_t ListaSegmento = 0;
    QString Anotacoes;
    std::int32_t QuantidadeUnidades = 0;
};
BOOST_DESCRIBE_STRUCT(TConvenioEntity,
                      (TBaseEntity),
                      (IdPessoa, Desconto, ListaSegmento, Anotacoes, QuantidadeUnidades))

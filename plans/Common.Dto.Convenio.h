#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One agreement of the agreement list and lookup, with the partner's name, the segment and the
// specialties offered (one text, as the back end joins them).
class TConvenioDto final : public TBaseDto
{
    ZUNTA_CLASS(TConvenioDto)

    std::int64_t IdPessoa = 0;
    double Desconto = 0;
    std::int64_t ListaSegmento = 0;
    QString Pessoa;
    QString Segmento;
    QString Anotacoes;
    QString Especialidades;
    std::int32_t QuantidadeUnidades = 0;
};
BOOST_DESCRIBE_STRUCT(TConvenioDto,
                      (TBaseDto),
                      (IdPessoa,
                       Desconto,
                       ListaSegmento,
                       Pessoa,
                       Segmento,
                       Anotacoes,
                       Especialidades,
                       QuantidadeUnidades))

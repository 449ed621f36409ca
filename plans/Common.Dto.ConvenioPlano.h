#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One agreement of a plan, with the partner's name, discount and segment.
class TConvenioPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TConvenioPlanoDto)

    std::int64_t IdPlano = 0;
    std::int64_t IdConvenio = 0;
    QString Convenio;
    double DescontoConvenio = 0;
    QString Segmento;
    QString Plano;
    QString CodigoSegmento;
};
BOOST_DESCRIBE_STRUCT(
    TConvenioPlanoDto,
    (TBaseDto),
    (IdPlano, IdConvenio, Convenio, DescontoConvenio, Segmento, Plano, CodigoSegmento))

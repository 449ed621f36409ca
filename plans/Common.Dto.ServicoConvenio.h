#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One service of an agreement, with its description and its current value.
class TServicoConvenioDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoConvenioDto)

    std::int64_t IdConvenio = 0;
    std::int64_t IdServico = 0;
    QString Servico;
    double ValorServico = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoConvenioDto,
                      (TBaseDto),
                      (IdConvenio, IdServico, Servico, ValorServico))

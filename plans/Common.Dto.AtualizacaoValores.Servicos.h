#pragma once

#include "Common.Dto.AtualizacaoValores.h"

// A service's row of a bulk price update.
class TServicosAtualizacaoValoresDto final : public TAtualizacaoValoresDto
{
    ZUNTA_CLASS(TServicosAtualizacaoValoresDto)
};
BOOST_DESCRIBE_STRUCT(TServicosAtualizacaoValoresDto, (TAtualizacaoValoresDto), ())

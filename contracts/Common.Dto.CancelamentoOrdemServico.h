#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The cancellation of a funeral service order: the kinship row the current holder takes back (0
// when none was chosen).
class TCancelamentoOrdemServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TCancelamentoOrdemServicoDto)

    std::int64_t ListaParentesco = 0;
};
BOOST_DESCRIBE_STRUCT(TCancelamentoOrdemServicoDto, (TBaseDto), (ListaParentesco))

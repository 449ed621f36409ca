#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A service included in a plan: the index applied to the service's price and how often it may be
// used.
class TServicoPlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoPlanoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdServico = 0;
    double Indice = 0;
    std::int32_t Utilizacao = 0;
    std::int64_t ListaTipoUtilizacao = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoPlanoEntity,
                      (TBaseEntity),
                      (IdPlano, IdServico, Indice, Utilizacao, ListaTipoUtilizacao))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An extra service of an allowed dependent of a plan: the index applied to the service's price, how
// it is billed and how often it may be used.
class TServicoDependentePlanoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoDependentePlanoEntity)

    std::int64_t IdDependentePlano = 0;
    double Indice = 0;
    std::int64_t IdServico = 0;
    std::int64_t ListaTipoCobranca = 0;
    std::int64_t ListaCobrancaServico = 0;
    std::int64_t ListaTipoUtilizacao = 0;
    std::int32_t Utilizacao = 0;
    bool CalculaFalecido = false;
};
BOOST_DESCRIBE_STRUCT(TServicoDependentePlanoEntity,
                      (TBaseEntity),
                      (IdDependentePlano,
                       Indice,
                       IdServico,
                       ListaTipoCobranca,
                       ListaCobrancaServico,
                       ListaTipoUtilizacao,
                       Utilizacao,
                       CalculaFalecido))

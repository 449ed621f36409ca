#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A member covered by a plan of a validity period, from when to when.
class TPlanoDependenteContratoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoDependenteContratoEntity)

    std::int64_t IdPlanoPeriodoContrato = 0;
    std::int64_t IdDependenteContrato = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    std::int64_t IdMotivo = 0;
};
BOOST_DESCRIBE_STRUCT(
    TPlanoDependenteContratoEntity,
    (TBaseEntity),
    (IdPlanoPeriodoContrato, IdDependenteContrato, DataInicial, DataFinal, IdMotivo))

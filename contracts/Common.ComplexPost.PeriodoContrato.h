#pragma once

#include "Common.Entity.PeriodoContrato.h"
#include "Common.Entity.PlanoPeriodoContrato.h"

#include <memory>

// A validity period as the contract save sends it, with its plans. The ids of removed plans of
// the whole contract travel in the first period only. Both lists exist from the start.
class TPeriodoContratoComplexPost final : public TPeriodoContratoEntity
{
    ZUNTA_CLASS(TPeriodoContratoComplexPost)

    std::unique_ptr<TObjectList<TPlanoPeriodoContratoEntity>> PlanoPeriodoContratos
        = std::make_unique<TObjectList<TPlanoPeriodoContratoEntity>>();
    std::unique_ptr<TListInt64> RemovePlanoPeriodoContratos = std::make_unique<TListInt64>();

    // Empties the lists; child objects are freed. A list a reply left null is created again,
    // so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TPeriodoContratoComplexPost,
                      (TPeriodoContratoEntity),
                      (PlanoPeriodoContratos, RemovePlanoPeriodoContratos))

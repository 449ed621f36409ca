#pragma once

#include "Common.Entity.DependenteContrato.h"
#include "Common.Entity.BeneficiarioDependenteContrato.h"
#include "Common.Entity.ServicoDependente.h"

#include <memory>

// A member as the contract save sends it, with their services and beneficiaries. The ids of removed
// member services and beneficiaries of the whole contract travel in the first member only. The
// four lists exist from the start.
class TDependenteContratoComplexPost final : public TDependenteContratoEntity
{
    ZUNTA_CLASS(TDependenteContratoComplexPost)

    std::unique_ptr<TObjectList<TServicoDependenteEntity>> ServicoDependentes
        = std::make_unique<TObjectList<TServicoDependenteEntity>>();
    std::unique_ptr<TListInt64> RemoveServicoDependentes = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveBeneficiarioDependenteContratos
        = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TBeneficiarioDependenteContratoEntity>>
        BeneficiarioDependenteContratos
        = std::make_unique<TObjectList<TBeneficiarioDependenteContratoEntity>>();

    // Empties the lists; child objects are freed. A list a reply left null is created again,
    // so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TDependenteContratoComplexPost,
                      (TDependenteContratoEntity),
                      (ServicoDependentes,
                       RemoveServicoDependentes,
                       RemoveBeneficiarioDependenteContratos,
                       BeneficiarioDependenteContratos))

#pragma once

#include "Common.ComplexPost.DependentePlano.h"
#include "Common.Entity.AdicionalContratoPlano.h"
#include "Common.Entity.CarenciaPlano.h"
#include "Common.Entity.ConvenioPlano.h"
#include "Common.Entity.FaixaEtariaPlano.h"
#include "Common.Entity.Plano.h"
#include "Common.Entity.ServicoPlano.h"
#include "Common.Entity.ValorPlano.h"
#include "Common.Entity.VendedorPlano.h"

#include <memory>

// The aggregate body of a plan saved with its children (POST /plano/complex): every row of the
// eight child lists of the window, new and stored alike (each dependent with its extra services),
// and the ids of stored children removed in the window. The sixteen lists exist from the start.
class TPlanoComplexPost final : public TPlanoEntity
{
    ZUNTA_CLASS(TPlanoComplexPost)

    template<class T>
    using List = std::unique_ptr<TObjectList<T>>;

    List<TValorPlanoEntity> ValorPlanos = std::make_unique<TObjectList<TValorPlanoEntity>>();
    List<TServicoPlanoEntity> ServicoPlanos = std::make_unique<TObjectList<TServicoPlanoEntity>>();
    List<TDependentePlanoComplexPost> DependentePlanos
        = std::make_unique<TObjectList<TDependentePlanoComplexPost>>();
    List<TCarenciaPlanoEntity> CarenciaPlanos
        = std::make_unique<TObjectList<TCarenciaPlanoEntity>>();
    List<TFaixaEtariaPlanoEntity> FaixaEtariaPlanos
        = std::make_unique<TObjectList<TFaixaEtariaPlanoEntity>>();
    List<TAdicionalContratoPlanoEntity> AdicionalContratoPlanos
        = std::make_unique<TObjectList<TAdicionalContratoPlanoEntity>>();
    List<TConvenioPlanoEntity> ConvenioPlanos
        = std::make_unique<TObjectList<TConvenioPlanoEntity>>();
    List<TVendedorPlanoEntity> VendedorPlanos
        = std::make_unique<TObjectList<TVendedorPlanoEntity>>();
    std::unique_ptr<TListInt64> RemoveValorPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveServicoPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveDependentePlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveCarenciaPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveFaixaEtariaPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveAdicionalContratoPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveConvenioPlanos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveVendedorPlanos = std::make_unique<TListInt64>();

    // Empties the sixteen lists. A list a reply left null is created again, so the next save
    // still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TPlanoComplexPost,
                      (TPlanoEntity),
                      (ValorPlanos,
                       ServicoPlanos,
                       DependentePlanos,
                       CarenciaPlanos,
                       FaixaEtariaPlanos,
                       AdicionalContratoPlanos,
                       ConvenioPlanos,
                       VendedorPlanos,
                       RemoveValorPlanos,
                       RemoveServicoPlanos,
                       RemoveDependentePlanos,
                       RemoveCarenciaPlanos,
                       RemoveFaixaEtariaPlanos,
                       RemoveAdicionalContratoPlanos,
                       RemoveConvenioPlanos,
                       RemoveVendedorPlanos))

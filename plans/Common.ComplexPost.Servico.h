#pragma once

#include "Common.Entity.CarenciaServico.h"
#include "Common.Entity.ItemKitServico.h"
#include "Common.Entity.Servico.h"
#include "Common.Entity.ValorServico.h"

#include <memory>

// The aggregate body of a service saved with its children (POST /servico/complex): every value,
// waiting-period and kit-member row of the window, new and stored alike, and the ids of stored
// children removed in the window. The six lists exist from the start.
class TServicoComplexPost final : public TServicoEntity
{
    ZUNTA_CLASS(TServicoComplexPost)

    std::unique_ptr<TObjectList<TValorServicoEntity>> ValorServicos
        = std::make_unique<TObjectList<TValorServicoEntity>>();
    std::unique_ptr<TObjectList<TCarenciaServicoEntity>> CarenciaServicos
        = std::make_unique<TObjectList<TCarenciaServicoEntity>>();
    std::unique_ptr<TObjectList<TItemKitServicoEntity>> ItemKitServicos
        = std::make_unique<TObjectList<TItemKitServicoEntity>>();
    std::unique_ptr<TListInt64> RemoveValorServicos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveCarenciaServicos = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveItemKitServicos = std::make_unique<TListInt64>();

    // Empties the three id lists and the three child lists. A list a reply left null is created
    // again, so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TServicoComplexPost,
                      (TServicoEntity),
                      (ValorServicos,
                       CarenciaServicos,
                       ItemKitServicos,
                       RemoveValorServicos,
                       RemoveCarenciaServicos,
                       RemoveItemKitServicos))

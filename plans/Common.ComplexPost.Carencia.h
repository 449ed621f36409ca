#pragma once

#include "Common.Entity.Carencia.h"
#include "Common.Entity.ItemCarencia.h"

#include <memory>

// The aggregate body of a waiting-period rule (POST /carencia/complex): every item row of the
// window, new and stored alike, and the ids of stored items removed in the window. Both lists
// exist from the start.
class TCarenciaComplexPost final : public TCarenciaEntity
{
    ZUNTA_CLASS(TCarenciaComplexPost)

    std::unique_ptr<TObjectList<TItemCarenciaEntity>> ItemCarencias
        = std::make_unique<TObjectList<TItemCarenciaEntity>>();
    std::unique_ptr<TListInt64> RemoveItemCarencias = std::make_unique<TListInt64>();

    // Empties both lists; a list a reply left null is created again, so the next save still
    // sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TCarenciaComplexPost, (TCarenciaEntity), (ItemCarencias, RemoveItemCarencias))

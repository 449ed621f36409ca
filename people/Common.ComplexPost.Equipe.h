#pragma once

#include "Common.Entity.ColaboradorEquipe.h"
#include "Common.Entity.Equipe.h"

#include <memory>

// The aggregate body of a team (POST /equipe/complex): every member row of the window, new and
// stored alike, and the ids of stored members removed there. Both lists exist from the start.
class TEquipeComplexPost final : public TEquipeEntity
{
    ZUNTA_CLASS(TEquipeComplexPost)

    std::unique_ptr<TObjectList<TColaboradorEquipeEntity>> ColaboradorEquipes
        = std::make_unique<TObjectList<TColaboradorEquipeEntity>>();
    std::unique_ptr<TListInt64> RemoveColaboradorEquipes = std::make_unique<TListInt64>();

    // Empties both lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TEquipeComplexPost,
                      (TEquipeEntity),
                      (ColaboradorEquipes, RemoveColaboradorEquipes))

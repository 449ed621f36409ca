#pragma once

#include "Common.Entity.BairroCarteira.h"
#include "Common.Entity.Carteira.h"
#include "Common.Entity.ColaboradorCarteira.h"

#include <memory>

// The aggregate body of a portfolio (POST /carteira/complex): every collector and neighbourhood
// row of the window, new and stored alike, and the ids of stored rows removed there. The four
// lists exist from the start.
class TCarteiraComplexPost final : public TCarteiraEntity
{
    ZUNTA_CLASS(TCarteiraComplexPost)

    std::unique_ptr<TObjectList<TColaboradorCarteiraEntity>> ColaboradorCarteiras
        = std::make_unique<TObjectList<TColaboradorCarteiraEntity>>();
    std::unique_ptr<TListInt64> RemoveColaboradorCarteiras = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TBairroCarteiraEntity>> BairroCarteiras
        = std::make_unique<TObjectList<TBairroCarteiraEntity>>();
    std::unique_ptr<TListInt64> RemoveBairroCarteiras = std::make_unique<TListInt64>();

    // Empties the four lists (a list a reply left null is created again).
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(
    TCarteiraComplexPost,
    (TCarteiraEntity),
    (ColaboradorCarteiras, RemoveColaboradorCarteiras, BairroCarteiras, RemoveBairroCarteiras))

#pragma once

#include "Common.Base.Serialize.h"

#include <cstdint>
#include <memory>

// The body of a title move (POST /carteira/alteracao-titulo): the instalment titles that go to
// the portfolio IdCarteira, each at most once.
class TAlteracaoTituloCarteiraComplexPost final : public TSerializeObject
{
    ZUNTA_CLASS(TAlteracaoTituloCarteiraComplexPost)

    std::int64_t IdCarteira = 0;
    std::unique_ptr<TListInt64> ParcelaTitulos = std::make_unique<TListInt64>();
};
BOOST_DESCRIBE_STRUCT(TAlteracaoTituloCarteiraComplexPost,
                      (TSerializeObject),
                      (IdCarteira, ParcelaTitulos))

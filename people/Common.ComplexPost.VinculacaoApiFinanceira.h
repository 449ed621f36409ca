#pragma once

#include "Common.Base.Serialize.h"

#include <cstdint>

// The body of the bulk linking of a portfolio's people to a payment-API integration: the
// portfolio, whether people who already are customers of the payment API are linked too, the
// reason (reason type "08"), the integration and the start date of the links.
class TVinculacaoApiFinanceiraComplexPost final : public TSerializeObject
{
    ZUNTA_CLASS(TVinculacaoApiFinanceiraComplexPost)

    std::int64_t IdCarteira = 0;
    bool VincularClientesCadastrados = false;
    std::int64_t IdMotivo = 0;
    std::int64_t IdIntegracaoApiFinanceira = 0;
    TDateTime DataInicial;
};
BOOST_DESCRIBE_STRUCT(
    TVinculacaoApiFinanceiraComplexPost,
    (TSerializeObject),
    (IdCarteira, VincularClientesCadastrados, IdMotivo, IdIntegracaoApiFinanceira, DataInicial))

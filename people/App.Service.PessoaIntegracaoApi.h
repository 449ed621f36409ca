#pragma once

#include "App.Base.Service.h"

#include <cstdint>
#include <optional>

class TPessoaIntegracaoApiDto;
class TVinculacaoApiFinanceiraComplexPost;

// The links of the persons to the payment-API integrations (/pessoa-integracao-api), read per
// person and saved with the person's aggregate (or the contract's); also the bulk linking of a
// portfolio's people.
class TPessoaIntegracaoApiService final : public TBaseService
{
public:
    static constexpr int VinculacaoTimeOut = 3600000;

    TPessoaIntegracaoApiService();

    // GET /pessoa-integracao-api/pessoa/<id> (paged, page 1 of 100): the person's links; no list
    // for a 304 reply. A failed read raises the reply's text.
    std::optional<TObjectList<TPessoaIntegracaoApiDto>>
    fillPessoaIntegracaoApi(std::int64_t AIdPessoa);
    // Links the people of a portfolio: a fresh token first, then POST
    // /pessoa-integracao-api/vinculacao with the body, waiting up to one hour. Any status but 200
    // raises the reply's text. Callers run it off the main thread.
    void GravarVinculacaoApiFinanceira(const TVinculacaoApiFinanceiraComplexPost &AVinculacao);
};

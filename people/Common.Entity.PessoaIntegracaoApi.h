#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One link of a person to a payment-API integration, with the person's customer code there.
// DataFinal 0 leaves the link open.
class TPessoaIntegracaoApiEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPessoaIntegracaoApiEntity)

    std::int64_t IdIntegracaoApiFinanceira = 0;
    std::int64_t IdPessoa = 0;
    std::int64_t IdMotivo = 0;
    QString CodigoClienteIntegracaoApi;
    TDateTime DataInicial;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TPessoaIntegracaoApiEntity,
                      (TBaseEntity),
                      (IdIntegracaoApiFinanceira,
                       IdPessoa,
                       IdMotivo,
                       CodigoClienteIntegracaoApi,
                       DataInicial,
                       DataFinal))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A credit-card subscription of the contract at a payment API, through the holder's link to it.
class TAssinaturaContratoIntegracaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TAssinaturaContratoIntegracaoEntity)

    std::int64_t IdPessoaIntegracaoApi = 0;
    std::int64_t ListaStatusGeral = 0;
    QString CodigoAssinaturaIntegracao;
    QString TokenCartaoCredito;
    std::int64_t IdContrato = 0;
};
BOOST_DESCRIBE_STRUCT(TAssinaturaContratoIntegracaoEntity,
                      (TBaseEntity),
                      (IdPessoaIntegracaoApi,
                       ListaStatusGeral,
                       CodigoAssinaturaIntegracao,
                       TokenCartaoCredito,
                       IdContrato))

#pragma once

#include "Common.Entity.AssinaturaContratoIntegracao.h"

// A card subscription as the contract save sends it: the five card texts carry a newly typed
// card, encoded with the core text encoder, never in plain.
class TAssinaturaContratoIntegracaoComplexPost final : public TAssinaturaContratoIntegracaoEntity
{
    ZUNTA_CLASS(TAssinaturaContratoIntegracaoComplexPost)

    QString NumeroCartao;
    QString CodigoSegurancaCartao;
    QString NomeImpressoCartao;
    QString MesExpiracaoCartao;
    QString AnoExpiracaoCartao;
};
BOOST_DESCRIBE_STRUCT(TAssinaturaContratoIntegracaoComplexPost,
                      (TAssinaturaContratoIntegracaoEntity),
                      (NumeroCartao,
                       CodigoSegurancaCartao,
                       NomeImpressoCartao,
                       MesExpiracaoCartao,
                       AnoExpiracaoCartao))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One card subscription of a contract as the back end lists it: the person's link to the payment
// API, the status and the subscription's code and card token there. It carries no card data.
class TAssinaturaContratoIntegracaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TAssinaturaContratoIntegracaoDto)

    std::int64_t IdPessoaIntegracaoApi = 0;
    std::int64_t ListaStatusGeral = 0;
    QString CodigoAssinaturaIntegracao;
    QString TokenCartaoCredito;
    QString StatusGeral;
    QString CodigoStatusGeral;
    std::int64_t IdContrato = 0;
};
BOOST_DESCRIBE_STRUCT(TAssinaturaContratoIntegracaoDto,
                      (TBaseDto),
                      (IdPessoaIntegracaoApi,
                       ListaStatusGeral,
                       CodigoAssinaturaIntegracao,
                       TokenCartaoCredito,
                       StatusGeral,
                       CodigoStatusGeral,
                       IdContrato))

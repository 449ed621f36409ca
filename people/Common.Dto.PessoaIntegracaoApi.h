#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One link of a person to a payment-API integration as the back end lists it, with the reason's
// description and the person's tax id and name.
class TPessoaIntegracaoApiDto final : public TBaseDto
{
    ZUNTA_CLASS(TPessoaIntegracaoApiDto)

    std::int64_t IdIntegracaoApiFinanceira = 0;
    std::int64_t IdPessoa = 0;
    std::int64_t IdMotivo = 0;
    QString CodigoClienteIntegracaoApi;
    TDateTime DataInicial;
    TDateTime DataFinal;
    QString Motivo;
    QString CpfCnpj;
    QString Associado;
};
BOOST_DESCRIBE_STRUCT(TPessoaIntegracaoApiDto,
                      (TBaseDto),
                      (IdIntegracaoApiFinanceira,
                       IdPessoa,
                       IdMotivo,
                       CodigoClienteIntegracaoApi,
                       DataInicial,
                       DataFinal,
                       Motivo,
                       CpfCnpj,
                       Associado))

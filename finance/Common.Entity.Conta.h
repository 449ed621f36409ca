#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of an account: its branch (0 for a cash account), owning company, number, digit,
// operation, description, type (a row of "TIPO_CONTA"), its code at the payment API and its
// payment-API integration (0 when none).
class TContaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TContaEntity)

    std::int64_t IdAgencia = 0;
    std::int64_t IdPessoa = 0;
    std::int32_t Numero = 0;
    QString Digito;
    QString Operacao;
    QString Descricao;
    std::int64_t ListaTipoConta = 0;
    QString CodigoContaApiFinanceira;
    std::int64_t IdIntegracaoApiFinanceira = 0;
};
BOOST_DESCRIBE_STRUCT(TContaEntity,
                      (TBaseEntity),
                      (IdAgencia,
                       IdPessoa,
                       Numero,
                       Digito,
                       Operacao,
                       Descricao,
                       ListaTipoConta,
                       CodigoContaApiFinanceira,
                       IdIntegracaoApiFinanceira))

#pragma once

#include "Common.Base.Serialize.h"

#include <cstdint>
#include <memory>

// A renewal of members' cards: the members (their ids as decimal texts), the new validity and how
// the charge for the new cards is paid. The back end prices the charge.
class TValidadeCartaoDependenteContratoComplexPost final : public TSerializeObject
{
    ZUNTA_CLASS(TValidadeCartaoDependenteContratoComplexPost)

    TDateTime VencimentoChequeRecebimento;
    std::int64_t IdBancoChequeRecebimento = 0;
    int NumeroChequeRecebimento = 0;
    std::int64_t IdContaEntrada = 0;
    std::int64_t ListaFormaPagamento = 0;
    QString ContaChequeRecebimento;
    TDateTime DataValidadeCartao;
    QString NomeChequeRecebimento;
    int AgenciaChequeRecebimento = 0;
    std::int64_t IdServico = 0;
    TDateTime DataChequeRecebimento;
    std::unique_ptr<TListString> ListDependenteContrato = std::make_unique<TListString>();
};
BOOST_DESCRIBE_STRUCT(TValidadeCartaoDependenteContratoComplexPost,
                      (TSerializeObject),
                      (VencimentoChequeRecebimento,
                       IdBancoChequeRecebimento,
                       NumeroChequeRecebimento,
                       IdContaEntrada,
                       ListaFormaPagamento,
                       ContaChequeRecebimento,
                       DataValidadeCartao,
                       NomeChequeRecebimento,
                       AgenciaChequeRecebimento,
                       IdServico,
                       DataChequeRecebimento,
                       ListDependenteContrato))

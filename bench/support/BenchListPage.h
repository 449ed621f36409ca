#pragma once

#include "Common.Base.Dto.h"

#include <string>

// The list row every list benchmark reads: 20 fields of the kinds a real list row carries.
class TLinhaBenchDto final : public TBaseDto
{
    ZUNTA_CLASS(TLinhaBenchDto)

    std::int64_t IdPessoa = 0;
    std::int64_t IdContrato = 0;
    std::int64_t IdEmpresa = 0;
    std::int32_t NumeroContrato = 0;
    std::int32_t DiaVencimento = 0;
    QString Nome;
    QString CpfCnpj;
    QString Email;
    QString Telefone;
    QString Endereco;
    QString Cidade;
    QString Uf;
    double Valor = 0;
    double ValorDesconto = 0;
    double ValorPago = 0;
    TDateTime DataVencimento;
    TDateTime DataPagamento;
    bool IsAtivo = false;
    bool IsPago = false;
};
BOOST_DESCRIBE_STRUCT(TLinhaBenchDto,
                      (TBaseDto),
                      (IdPessoa,
                       IdContrato,
                       IdEmpresa,
                       NumeroContrato,
                       DiaVencimento,
                       Nome,
                       CpfCnpj,
                       Email,
                       Telefone,
                       Endereco,
                       Cidade,
                       Uf,
                       Valor,
                       ValorDesconto,
                       ValorPago,
                       DataVencimento,
                       DataPagamento,
                       IsAtivo,
                       IsPago))

namespace bench {

constexpr int Rows = 5000;

// 5,000 rows with varied values.
TObjectList<TLinhaBenchDto> makeRows();
// Those rows as a paged reply: "total", "pages" and "listHelper".
const std::string &page();

} // namespace bench

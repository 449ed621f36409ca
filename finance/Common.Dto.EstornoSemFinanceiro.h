#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One movement of a bonified or cancelled instalment, which moved no money (Id is the
// movement's). CodigoTipoTitulo is "R" for a receivable, "D" for a payable.
class TEstornoSemFinanceiroDto final : public TBaseDto
{
    ZUNTA_CLASS(TEstornoSemFinanceiroDto)

    QString SiglaTipoDocumento;
    TDateTime DataTitulo;
    QString Observacao;
    double Latitude = 0;
    double ValorParcela = 0;
    std::int64_t ListaTipoTitulo = 0;
    double ValorTitulo = 0;
    double ValorDesconto = 0;
    QString DescricaoTipoTitulo;
    QString CodigoTipoTitulo;
    std::int32_t QuantidadeParcelas = 0;
    QString DescricaoTitulo;
    TDateTime Vencimento;
    double Longitude = 0;
    double ValorBaixa = 0;
    QString Favorecido;
    double ValorMulta = 0;
    double ValorJuros = 0;
    TDateTime DataCadastro;
    TDateTime Data;
    QString NumeroDocumento;
    bool IsBonificada = false;
    bool IsCancelada = false;
    QString Empresa;
    std::int32_t NumeroContrato = 0;
    std::int32_t NumeroSequencialParcela = 0;
};
BOOST_DESCRIBE_STRUCT(TEstornoSemFinanceiroDto,
                      (TBaseDto),
                      (SiglaTipoDocumento,
                       DataTitulo,
                       Observacao,
                       Latitude,
                       ValorParcela,
                       ListaTipoTitulo,
                       ValorTitulo,
                       ValorDesconto,
                       DescricaoTipoTitulo,
                       CodigoTipoTitulo,
                       QuantidadeParcelas,
                       DescricaoTitulo,
                       Vencimento,
                       Longitude,
                       ValorBaixa,
                       Favorecido,
                       ValorMulta,
                       ValorJuros,
                       DataCadastro,
                       Data,
                       NumeroDocumento,
                       IsBonificada,
                       IsCancelada,
                       Empresa,
                       NumeroContrato,
                       NumeroSequencialParcela))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One plan of the plan list and lookup, with its current price (Valor is the base of calculation
// for waiting periods) and the texts and flags the back end derives.
class TPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoDto)

    QString Descricao;
    std::int32_t Parcelas = 0;
    TDateTime DataAtualizacao;
    double ValorParcela = 0;
    double Valor = 0;
    std::int32_t QuantidadeDependentes = 0;
    QString FormaCobranca;
    std::int64_t IdRelatorio = 0;
    bool IsPlanoSeguradora = false;
    bool ContemAdicionalContrato = false;
    QString Motivo;
    std::int64_t IdMotivo = 0;
    TDateTime DataFinal;
    bool IsCancelado = false;
    QString TipoSequenciaParcelas;
    std::int64_t ListaTipoSequenciaParcelas = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoDto,
                      (TBaseDto),
                      (Descricao,
                       Parcelas,
                       DataAtualizacao,
                       ValorParcela,
                       Valor,
                       QuantidadeDependentes,
                       FormaCobranca,
                       IdRelatorio,
                       IsPlanoSeguradora,
                       ContemAdicionalContrato,
                       Motivo,
                       IdMotivo,
                       DataFinal,
                       IsCancelado,
                       TipoSequenciaParcelas,
                       ListaTipoSequenciaParcelas))

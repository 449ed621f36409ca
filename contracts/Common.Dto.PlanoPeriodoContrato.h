#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A plan of a validity period as the plan list shows it: the plan with its values, the first due
// date and instalment, the seller, the closing with its reason, the imported balance and the
// signature picture (Base64).
class TPlanoPeriodoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPlanoPeriodoContratoDto)

    std::int64_t IdPeriodoContrato = 0;
    std::int64_t IdPlano = 0;
    TDateTime DataFinal;
    int ParcelaInicial = 0;
    TDateTime PrimeiroVencimento;
    QString Plano;
    double ValorParcela = 0;
    double ValorPlano = 0;
    std::int64_t IdMotivo = 0;
    QString Motivo;
    std::int64_t IdColaborador = 0;
    QString Vendedor;
    bool IsPlanoSeguradora = false;
    TDateTime UltimaCobrancaImportacao;
    TSString Assinatura;
    double SaldoImportado = 0;
    bool SaldoImportadoJaCobrado = false;
};
BOOST_DESCRIBE_STRUCT(TPlanoPeriodoContratoDto,
                      (TBaseDto),
                      (IdPeriodoContrato,
                       IdPlano,
                       DataFinal,
                       ParcelaInicial,
                       PrimeiroVencimento,
                       Plano,
                       ValorParcela,
                       ValorPlano,
                       IdMotivo,
                       Motivo,
                       IdColaborador,
                       Vendedor,
                       IsPlanoSeguradora,
                       UltimaCobrancaImportacao,
                       Assinatura,
                       SaldoImportado,
                       SaldoImportadoJaCobrado))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A plan of a validity period, with its seller, first due date and closing, the balance brought
// from before the contract entered the system and the signature picture (Base64).
class TPlanoPeriodoContratoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoPeriodoContratoEntity)

    std::int64_t IdPlano = 0;
    std::int64_t IdPeriodoContrato = 0;
    TDateTime DataFinal;
    int ParcelaInicial = 0;
    TDateTime PrimeiroVencimento;
    std::int64_t IdMotivo = 0;
    std::int64_t IdColaborador = 0;
    TDateTime UltimaCobrancaImportacao;
    TSString Assinatura;
    double SaldoImportado = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoPeriodoContratoEntity,
                      (TBaseEntity),
                      (IdPlano,
                       IdPeriodoContrato,
                       DataFinal,
                       ParcelaInicial,
                       PrimeiroVencimento,
                       IdMotivo,
                       IdColaborador,
                       UltimaCobrancaImportacao,
                       Assinatura,
                       SaldoImportado))

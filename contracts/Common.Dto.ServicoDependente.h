#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One additional service of a contract member as the back end lists it: the service, its index
// and instalments, its use and charging kinds and its end.
class TServicoDependenteDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoDependenteDto)

    std::int64_t IdDependenteContrato = 0;
    std::int64_t IdServico = 0;
    TDateTime Data;
    double Indice = 0;
    int Utilizacao = 0;
    int Parcelas = 0;
    TDateTime PrimeiroVencimento;
    QString Servico;
    double Valor = 0;
    QString TipoUtilizacao;
    std::int64_t ListaTipoUtilizacao = 0;
    QString CodigoTipoUtilizacao;
    std::int64_t ListaCobrancaServico = 0;
    QString CobrancaServico;
    QString CodigoCobrancaServico;
    QString BaixaAdicional;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TServicoDependenteDto,
                      (TBaseDto),
                      (IdDependenteContrato,
                       IdServico,
                       Data,
                       Indice,
                       Utilizacao,
                       Parcelas,
                       PrimeiroVencimento,
                       Servico,
                       Valor,
                       TipoUtilizacao,
                       ListaTipoUtilizacao,
                       CodigoTipoUtilizacao,
                       ListaCobrancaServico,
                       CobrancaServico,
                       CodigoCobrancaServico,
                       BaixaAdicional,
                       ListaBaixaAdicional,
                       DataFinal))

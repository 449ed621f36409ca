#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One additional service of a contract as the back end lists it: the service, its index and
// instalments, its use and charging kinds, the plan add-on it came from and its end.
class TServicoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoContratoDto)

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
    std::int64_t ListaTipoCobranca = 0;
    std::int64_t ListaCobrancaServico = 0;
    QString CodigoTipoCobranca;
    QString CodigoCobrancaServico;
    bool IsServicoBonificado = false;
    std::int64_t IdAdicionalContratoPlano = 0;
    QString Plano;
    std::int64_t IdPlano = 0;
    QString BaixaAdicional;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TServicoContratoDto,
                      (TBaseDto),
                      (IdServico,
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
                       ListaTipoCobranca,
                       ListaCobrancaServico,
                       CodigoTipoCobranca,
                       CodigoCobrancaServico,
                       IsServicoBonificado,
                       IdAdicionalContratoPlano,
                       Plano,
                       IdPlano,
                       BaixaAdicional,
                       ListaBaixaAdicional,
                       DataFinal))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One add-on of a plan, with the texts of its service, plan and system-list rows.
class TAdicionalContratoPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TAdicionalContratoPlanoDto)

    std::int64_t IdPlano = 0;
    std::int64_t IdServico = 0;
    double Indice = 0;
    std::int32_t Utilizacao = 0;
    std::int32_t Parcelas = 0;
    std::int64_t ListaTipoUtilizacao = 0;
    std::int64_t ListaCobrancaServico = 0;
    std::int64_t ListaTipoCobranca = 0;
    QString TipoCobranca;
    QString Servico;
    double ValorServico = 0;
    QString CobrancaServico;
    QString TipoUtilizacao;
    QString Plano;
    QString BaixaAdicional;
    std::int64_t ListaBaixaAdicional = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TAdicionalContratoPlanoDto,
                      (TBaseDto),
                      (IdPlano,
                       IdServico,
                       Indice,
                       Utilizacao,
                       Parcelas,
                       ListaTipoUtilizacao,
                       ListaCobrancaServico,
                       ListaTipoCobranca,
                       TipoCobranca,
                       Servico,
                       ValorServico,
                       CobrancaServico,
                       TipoUtilizacao,
                       Plano,
                       BaixaAdicional,
                       ListaBaixaAdicional,
                       DataFinal))

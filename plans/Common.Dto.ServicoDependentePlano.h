#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One extra service of a dependent of a plan, with the service's name and price.
class TServicoDependentePlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoDependentePlanoDto)

    std::int64_t IdDependentePlano = 0;
    double Valor = 0;
    QString Servico;
    double Indice = 0;
    std::int64_t IdServico = 0;
    std::int64_t ListaTipoCobranca = 0;
    QString TipoUtilizacao;
    std::int64_t ListaCobrancaServico = 0;
    std::int64_t ListaTipoUtilizacao = 0;
    QString CodigoTipoUtilizacao;
    std::int32_t Utilizacao = 0;
    bool CalculaFalecido = false;
};
BOOST_DESCRIBE_STRUCT(TServicoDependentePlanoDto,
                      (TBaseDto),
                      (IdDependentePlano,
                       Valor,
                       Servico,
                       Indice,
                       IdServico,
                       ListaTipoCobranca,
                       TipoUtilizacao,
                       ListaCobrancaServico,
                       ListaTipoUtilizacao,
                       CodigoTipoUtilizacao,
                       Utilizacao,
                       CalculaFalecido))

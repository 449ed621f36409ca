#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One service included in a plan, with the service's name and price.
class TServicoPlanoDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoPlanoDto)

    std::int64_t IdServico = 0;
    double Indice = 0;
    std::int32_t Utilizacao = 0;
    QString Servico;
    double Valor = 0;
    QString TipoUtilizacao;
    std::int64_t ListaTipoUtilizacao = 0;
    QString CodigoTipoUtilizacao;
    bool IsServicoKit = false;
};
BOOST_DESCRIBE_STRUCT(TServicoPlanoDto,
                      (TBaseDto),
                      (IdServico,
                       Indice,
                       Utilizacao,
                       Servico,
                       Valor,
                       TipoUtilizacao,
                       ListaTipoUtilizacao,
                       CodigoTipoUtilizacao,
                       IsServicoKit))

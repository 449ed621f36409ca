#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One service of the service list and lookup, as the back end fills it: its kind's code and
// description, its current value, whether it has kit members, the date of its last update and
// its stock.
class TServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoDto)

    std::int64_t ListaServico = 0;
    QString Descricao;
    int BaseUtilizacao = 0;
    QString CodigoTipo;
    QString Tipo;
    double Valor = 0;
    QString TipoUtilizacao;
    std::int64_t ListaTipoUtilizacao = 0;
    QString CodigoTipoUtilizacao;
    bool IsServicoKit = false;
    TDateTime DataAtualizacao;
    bool IncluirOrdemServico = false;
    bool IsUsoTelemedicina = false;
    double Estoque = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoDto,
                      (TBaseDto),
                      (ListaServico,
                       Descricao,
                       BaseUtilizacao,
                       CodigoTipo,
                       Tipo,
                       Valor,
                       TipoUtilizacao,
                       ListaTipoUtilizacao,
                       CodigoTipoUtilizacao,
                       IsServicoKit,
                       DataAtualizacao,
                       IncluirOrdemServico,
                       IsUsoTelemedicina,
                       Estoque))

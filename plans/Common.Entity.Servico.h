#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a service: something the company provides or sells under a plan, a contract or a
// service order (a service proper, a product kept in stock, or a kit of other services). Its
// kind is a row of the system list "SERVICO", its kind of usage one of "TIPO_UTILIZACAO".
class TServicoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TServicoEntity)

    std::int64_t ListaServico = 0;
    QString Descricao;
    int BaseUtilizacao = 0;
    std::int64_t ListaTipoUtilizacao = 0;
    bool IncluirOrdemServico = false;
    bool IsUsoTelemedicina = false;
};
BOOST_DESCRIBE_STRUCT(TServicoEntity,
                      (TBaseEntity),
                      (ListaServico,
                       Descricao,
                       BaseUtilizacao,
                       ListaTipoUtilizacao,
                       IncluirOrdemServico,
                       IsUsoTelemedicina))

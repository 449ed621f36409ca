#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of one financial title: an amount received (type "R") or paid (type "D") from or to a
// person, with its issue date, document, description and total. The links to a contract, a plan
// of a period, a service, a service order or a portfolio are set by the back end or by the code
// that generates titles; the title window leaves them 0.
class TTituloEntity : public TBaseEntity
{
    ZUNTA_CLASS(TTituloEntity)

    std::int64_t IdPessoa = 0;
    std::int64_t IdPlanoPeriodoContrato = 0;
    std::int64_t IdServicoContrato = 0;
    std::int64_t IdServicoDependente = 0;
    std::int64_t IdTipoDocumento = 0;
    // A row of the system list "TIPO_TITULO", whose code is "R" or "D".
    std::int64_t ListaTipoTitulo = 0;
    TDateTime Data;
    QString NumeroDocumento;
    QString Descricao;
    double Valor = 0;
    std::int64_t IdContrato = 0;
    std::int64_t IdOrdemServico = 0;
    std::int64_t IdCarteira = 0;
};
BOOST_DESCRIBE_STRUCT(TTituloEntity,
                      (TBaseEntity),
                      (IdPessoa,
                       IdPlanoPeriodoContrato,
                       IdServicoContrato,
                       IdServicoDependente,
                       IdTipoDocumento,
                       ListaTipoTitulo,
                       Data,
                       NumeroDocumento,
                       Descricao,
                       Valor,
                       IdContrato,
                       IdOrdemServico,
                       IdCarteira))

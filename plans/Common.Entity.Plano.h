#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A plan, the product the company sells: description, type (a row of the system list "PLANO"),
// billing method ("FORMA_COBRANCA"), instalments, people covered, priority weight, the report
// printed for its contracts, an end date with its cancellation reason and the kind of instalment
// sequence ("TIPO_SEQUENCIA_PARCELAS").
class TPlanoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoEntity)

    std::int32_t ListaFormaCobranca = 0;
    std::int32_t ListaTipoPlano = 0;
    QString Descricao;
    std::int32_t Parcelas = 0;
    std::int32_t PesoClassificacao = 0;
    std::int32_t QuantidadeDependentes = 0;
    std::int64_t IdRelatorio = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataFinal;
    std::int64_t ListaTipoSequenciaParcelas = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoEntity,
                      (TBaseEntity),
                      (ListaFormaCobranca,
                       ListaTipoPlano,
                       Descricao,
                       Parcelas,
                       PesoClassificacao,
                       QuantidadeDependentes,
                       IdRelatorio,
                       IdMotivo,
                       DataFinal,
                       ListaTipoSequenciaParcelas))

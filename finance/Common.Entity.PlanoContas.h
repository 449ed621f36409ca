#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a chart-of-accounts entry: its code, description and type, a row of the
// system list "TIPO_PLANO_CONTAS".
class TPlanoContasEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TPlanoContasEntity)

    QString Codigo;
    QString Descricao;
    std::int64_t ListaTipoPlanoContas = 0;
};
BOOST_DESCRIBE_STRUCT(TPlanoContasEntity, (TBaseEntity), (Codigo, Descricao, ListaTipoPlanoContas))

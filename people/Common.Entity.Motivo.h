#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a reason: a description and its reason type, a row of the system list
// "TIPO_MOTIVO" (the type decides where the reason is offered).
class TMotivoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TMotivoEntity)

    std::int64_t ListaTipoMotivo = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TMotivoEntity, (TBaseEntity), (ListaTipoMotivo, Descricao))

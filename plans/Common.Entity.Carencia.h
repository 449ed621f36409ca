#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a waiting-period rule: its description and its type, a row of the system list
// "CARENCIA" (a plan takes at most one rule of each type).
class TCarenciaEntity : public TBaseEntity
{
    ZUNTA_CLASS(TCarenciaEntity)

    QString Descricao;
    std::int64_t ListaCarencia = 0;
};
BOOST_DESCRIBE_STRUCT(TCarenciaEntity, (TBaseEntity), (Descricao, ListaCarencia))

#pragma once

#include "Common.Base.Entity.h"

// A cash or bank account a user works with; PadraoConta marks one of the user's default accounts
// (several may be marked).
class TUsuarioContaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TUsuarioContaEntity)

    std::int64_t IdUsuario = 0;
    std::int64_t IdConta = 0;
    bool PadraoConta = false;
};
BOOST_DESCRIBE_STRUCT(TUsuarioContaEntity, (TBaseEntity), (IdUsuario, IdConta, PadraoConta))

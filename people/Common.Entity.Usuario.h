#pragma once

#include "Common.Base.Entity.h"

// The body of a user: a login bound to a person. Senha always travels empty: passwords change
// only through the user service's password operations.
class TUsuarioEntity : public TBaseEntity
{
    ZUNTA_CLASS(TUsuarioEntity)

    QString Senha;
    QString Login;
    std::int64_t IdPessoa = 0;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEntity, (TBaseEntity), (Senha, Login, IdPessoa))

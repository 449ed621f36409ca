#pragma once

#include "Common.Base.Entity.h"

// A settlement method a user may use, mapped to one account. ListaFormaPagamento is the row id
// of the method in the system list "FORMA_BAIXA_FINANCEIRA".
class TUsuarioFormaBaixaContaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TUsuarioFormaBaixaContaEntity)

    std::int64_t IdUsuario = 0;
    std::int64_t IdConta = 0;
    std::int64_t ListaFormaPagamento = 0;
};
BOOST_DESCRIBE_STRUCT(TUsuarioFormaBaixaContaEntity,
                      (TBaseEntity),
                      (IdUsuario, IdConta, ListaFormaPagamento))

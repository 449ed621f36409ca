#pragma once

#include "Common.Base.Dto.h"

// A settlement method of a user and the account it settles into, with their names.
class TUsuarioFormaBaixaContaDto final : public TBaseDto
{
    ZUNTA_CLASS(TUsuarioFormaBaixaContaDto)

    std::int64_t IdUsuario = 0;
    std::int64_t IdConta = 0;
    std::int64_t ListaFormaPagamento = 0;
    QString FormaPagamento;
    QString Conta;
    QString Usuario;
};
BOOST_DESCRIBE_STRUCT(TUsuarioFormaBaixaContaDto,
                      (TBaseDto),
                      (IdUsuario, IdConta, ListaFormaPagamento, FormaPagamento, Conta, Usuario))

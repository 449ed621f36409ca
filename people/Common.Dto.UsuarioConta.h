#pragma once

#include "Common.Base.Dto.h"

// An account a user works with, with its name and whether it is one of the user's defaults.
class TUsuarioContaDto final : public TBaseDto
{
    ZUNTA_CLASS(TUsuarioContaDto)

    std::int64_t IdUsuario = 0;
    std::int64_t IdConta = 0;
    QString Conta;
    bool PadraoConta = false;
};
BOOST_DESCRIBE_STRUCT(TUsuarioContaDto, (TBaseDto), (IdUsuario, IdConta, Conta, PadraoConta))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a company: its person (a legal entity of the person register, never changed here)
// and its visual settings. Logo and LayoutCartaoDesconto carry pictures in the picture text form
// (Base64 lines); the colours are six hexadecimal digits, red, green and blue.
class TEmpresaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEmpresaEntity)

    std::int64_t IdPessoa = 0;
    TSString Logo;
    QString CorBarra;
    TSString LayoutCartaoDesconto;
    QString CorTelaInicial;
};
BOOST_DESCRIBE_STRUCT(TEmpresaEntity,
                      (TBaseEntity),
                      (IdPessoa, Logo, CorBarra, LayoutCartaoDesconto, CorTelaInicial))

#pragma once

#include "Common.Base.Dto.h"

// A company the logged-in user may work in.
class TEmpresaDto final : public TBaseDto
{
    ZUNTA_CLASS(TEmpresaDto)

    QString Empresa;
    TSString Logo;
    std::int64_t IdPessoa = 0;
    QString CpfCnpj;
    QString CorBarra;
    TSString LayoutCartaoDesconto;
    QString CorTelaInicial;
};
BOOST_DESCRIBE_STRUCT(
    TEmpresaDto,
    (TBaseDto),
    (Empresa, Logo, IdPessoa, CpfCnpj, CorBarra, LayoutCartaoDesconto, CorTelaInicial))

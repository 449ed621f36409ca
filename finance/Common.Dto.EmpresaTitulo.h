#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A company share of a title with the company's name.
class TEmpresaTituloDto final : public TBaseDto
{
    ZUNTA_CLASS(TEmpresaTituloDto)

    std::int64_t IdTitulo = 0;
    std::int64_t IdEmpresa = 0;
    double Valor = 0;
    QString Empresa;
};
BOOST_DESCRIBE_STRUCT(TEmpresaTituloDto, (TBaseDto), (IdTitulo, IdEmpresa, Valor, Empresa))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The stock of a service at one company.
class TServicoEstoqueDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoEstoqueDto)

    std::int64_t IdEmpresa = 0;
    QString Empresa;
    double Estoque = 0;
};
BOOST_DESCRIBE_STRUCT(TServicoEstoqueDto, (TBaseDto), (IdEmpresa, Empresa, Estoque))

#pragma once

#include "Common.Base.Dto.h"

// A company in a user's company list: every company of the back end, with the user's link (Id,
// Ativo) or without one (Id 0).
class TUsuarioEmpresaDto final : public TBaseDto
{
    ZUNTA_CLASS(TUsuarioEmpresaDto)

    std::int64_t IdEmpresa = 0;
    QString Empresa;
    bool Ativo = false;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEmpresaDto, (TBaseDto), (IdEmpresa, Empresa, Ativo))

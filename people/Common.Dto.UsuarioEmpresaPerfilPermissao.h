#pragma once

#include "Common.Base.Dto.h"

// A profile a user holds in a company, with the names of both.
class TUsuarioEmpresaPerfilPermissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TUsuarioEmpresaPerfilPermissaoDto)

    std::int64_t IdEmpresa = 0;
    QString Empresa;
    std::int64_t IdPerfilPermissao = 0;
    QString PerfilPermissao;
};
BOOST_DESCRIBE_STRUCT(TUsuarioEmpresaPerfilPermissaoDto,
                      (TBaseDto),
                      (IdEmpresa, Empresa, IdPerfilPermissao, PerfilPermissao))

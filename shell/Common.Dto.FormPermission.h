#pragma once

#include "Common.Base.Dto.h"

// The back end's answer for one user and one window class: what the user may do there.
class TFormPermissionDto final : public TBaseDto
{
    ZUNTA_CLASS(TFormPermissionDto)

    bool Inserir = false;
    bool Editar = false;
    bool Remover = false;
    bool Movimentar = false;
    bool Visualizar = false;
    bool PermissaoExtra1 = false;
    bool PermissaoExtra2 = false;
    bool PermissaoExtra3 = false;
};
BOOST_DESCRIBE_STRUCT(TFormPermissionDto,
                      (TBaseDto),
                      (Inserir,
                       Editar,
                       Remover,
                       Movimentar,
                       Visualizar,
                       PermissaoExtra1,
                       PermissaoExtra2,
                       PermissaoExtra3))

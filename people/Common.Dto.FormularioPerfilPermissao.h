#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One window of the system as one profile sees it, under its top menu. Id is the id of the
// profile's stored permission row for the window; 0 when it has none (such a row is sent only
// once a flag is ticked).
class TFormularioPerfilPermissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFormularioPerfilPermissaoDto)

    std::int64_t IdFormulario = 0;
    QString Formulario;
    std::int64_t IdMenuSuperior = 0;
    QString MenuSuperior;
    bool Inserir = false;
    bool Editar = false;
    bool Remover = false;
    bool Movimentar = false;
    bool Visualizar = false;
    bool PermissaoExtra1 = false;
    bool PermissaoExtra2 = false;
    bool PermissaoExtra3 = false;
};
BOOST_DESCRIBE_STRUCT(TFormularioPerfilPermissaoDto,
                      (TBaseDto),
                      (IdFormulario,
                       Formulario,
                       IdMenuSuperior,
                       MenuSuperior,
                       Inserir,
                       Editar,
                       Remover,
                       Movimentar,
                       Visualizar,
                       PermissaoExtra1,
                       PermissaoExtra2,
                       PermissaoExtra3))

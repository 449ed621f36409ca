#pragma once

#include "Common.Base.Dto.h"

// One row of the logged-in user's menu: the top menu it belongs to and, unless the row only
// names a top menu, the item and the window class the item opens.
class TMenuSistemaDto final : public TBaseDto
{
    ZUNTA_CLASS(TMenuSistemaDto)

    QString MenuSuperior;
    QString ItemMenu;
    QString ClasseFormulario;
    // Carried for the back end; the shell does not read it.
    QString InformacaoItemMenu;
};
BOOST_DESCRIBE_STRUCT(TMenuSistemaDto,
                      (TBaseDto),
                      (MenuSuperior, ItemMenu, ClasseFormulario, InformacaoItemMenu))

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Motivo.h"
#include "Common.Dto.Motivo.h"
#include "Common.Entity.Motivo.h"

// The reasons: the reason window and the reason lookup (which gives it the reason type's code
// as its fixed filter) list TMotivoDto rows through it, each with its type's code and description.
class TMotivoPresenter final
    : public TCadastroPresenterOf<TMotivoEntity, TMotivoDto, TMotivoService>
{
public:
    TMotivoPresenter();
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Especialidade.h"
#include "Common.Dto.Especialidade.h"
#include "Common.Entity.Especialidade.h"

// The specialties: the specialty window and the specialty lookup list TEspecialidadeDto rows
// through it.
class TEspecialidadePresenter final
    : public TCadastroPresenterOf<TEspecialidadeEntity, TEspecialidadeDto, TEspecialidadeService>
{
public:
    TEspecialidadePresenter();
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Agencia.h"
#include "Common.Dto.Agencia.h"
#include "Common.Entity.Agencia.h"

// The branches: the branch window and the branch lookup list TAgenciaDto rows through it.
class TAgenciaPresenter final
    : public TCadastroPresenterOf<TAgenciaEntity, TAgenciaDto, TAgenciaService>
{
public:
    TAgenciaPresenter();
};

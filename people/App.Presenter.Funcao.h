#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Funcao.h"
#include "Common.Dto.Funcao.h"
#include "Common.Entity.Funcao.h"

// The job functions of staff members: the function window and the function lookup list
// TFuncaoDto rows through it.
class TFuncaoPresenter final
    : public TCadastroPresenterOf<TFuncaoEntity, TFuncaoDto, TFuncaoService>
{
public:
    TFuncaoPresenter();
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ListaSistema.h"
#include "Common.Dto.ListaSistema.h"
#include "Common.Entity.ListaSistema.h"

// The system lists: the presenter of their registration window and of the system-list lookup,
// which gives it the list type as its fixed filter. List requests carry no filter body.
class TListaSistemaPresenter final
    : public TCadastroPresenterOf<TListaSistemaEntity, TListaSistemaDto, TListaSistemaService>
{
public:
    TListaSistemaPresenter();
};

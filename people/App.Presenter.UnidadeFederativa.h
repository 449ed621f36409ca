#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.UnidadeFederativa.h"
#include "Common.Dto.UnidadeFederativa.h"
#include "Common.Entity.UnidadeFederativa.h"

// The states: the presenter of their registration window and of the state lookup.
class TUnidadeFederativaPresenter final : public TCadastroPresenterOf<TUnidadeFederativaEntity,
                                                                      TUnidadeFederativaDto,
                                                                      TUnidadeFederativaService>
{
public:
    TUnidadeFederativaPresenter();
};

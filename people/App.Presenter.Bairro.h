#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Bairro.h"
#include "Common.Dto.Bairro.h"
#include "Common.Entity.Bairro.h"

// The neighbourhoods, each of one city: the presenter of their registration window and of the
// neighbourhood lookup.
class TBairroPresenter final
    : public TCadastroPresenterOf<TBairroEntity, TBairroDto, TBairroService>
{
public:
    TBairroPresenter();
};

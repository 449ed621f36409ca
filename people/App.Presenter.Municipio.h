#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Municipio.h"
#include "Common.Dto.Municipio.h"
#include "Common.Entity.Municipio.h"

// The cities, each of one state: the presenter of their registration window and of the city
// lookup.
class TMunicipioPresenter final
    : public TCadastroPresenterOf<TMunicipioEntity, TMunicipioDto, TMunicipioService>
{
public:
    TMunicipioPresenter();
};

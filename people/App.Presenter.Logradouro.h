#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Logradouro.h"
#include "Common.Dto.Logradouro.h"
#include "Common.Entity.Logradouro.h"

// The streets with their postal codes, each in one neighbourhood: the presenter of their
// registration window and of the street lookup that addresses use.
class TLogradouroPresenter final
    : public TCadastroPresenterOf<TLogradouroEntity, TLogradouroDto, TLogradouroService>
{
public:
    TLogradouroPresenter();
};

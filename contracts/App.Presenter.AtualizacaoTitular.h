#pragma once

#include "App.Base.Presenter.Cadastro.h"

// The bindings of the change-of-holder view; it edits no record and talks to no service of its
// own (the change goes through the contract presenter).
class TAtualizacaoTitularPresenter final : public TBaseCadastroPresenter
{
public:
    TAtualizacaoTitularPresenter();

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};

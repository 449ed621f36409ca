#pragma once

#include "App.Base.Presenter.Cadastro.h"

// The bindings of the closing-reason view; it edits no record and talks to no service of its
// own (the change goes through the contract presenter).
class TAlterarMotivoEncerramentoContratoPresenter final : public TBaseCadastroPresenter
{
public:
    TAlterarMotivoEncerramentoContratoPresenter();

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
};

#pragma once

#include "App.Base.Presenter.h"

// Base of the presenter of every main registration window: removal goes to the back end.
class TBaseCadastroPresenter : public TBasePresenter
{
public:
    // DELETE on the resource with the ids and the entity's class name, then ProcReloadDados;
    // a failure raises "WARNING:Não foi possível remover os itens.\r\n<reason>.".
    bool deleteItems(const TListInt64 &AListRemove) override;

protected:
    using TBasePresenter::TBasePresenter;
};

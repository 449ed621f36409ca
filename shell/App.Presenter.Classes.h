#pragma once

#include "App.Base.Presenter.Cadastro.h"

// The class names known to the back end, listed for the class-name lookup (the occurrence list's
// "Local da Alteração"). List only: it has no entity, so nothing is read by id, saved or removed
// through it, and its list requests carry no filter body.
class TClassesPresenter final : public TBaseCadastroPresenter
{
public:
    TClassesPresenter();

    void findByFilterToDataSet() override;

protected:
    // None: Entity() stays null, also after Clear.
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
    void CreateFieldsDataSet() override;
};

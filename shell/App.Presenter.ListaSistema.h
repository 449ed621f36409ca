#pragma once

#include "App.Base.Presenter.Cadastro.h"

// The system lists (the back end's code tables of code, description and type): the presenter of
// their registration window and of the system-list lookup, which gives it the list type as its
// fixed filter. List requests carry no filter body.
class TListaSistemaPresenter final : public TBaseCadastroPresenter
{
public:
    TListaSistemaPresenter();

    void findByFilterToDataSet() override;

protected:
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TBaseService> CreateService() override;
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    std::unique_ptr<TSerializeObject> PostService() override;
    void CreateFieldsDataSet() override;
};

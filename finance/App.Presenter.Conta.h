#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Conta.h"
#include "Common.Dto.Conta.h"
#include "Common.Entity.Conta.h"

// The accounts: the account window and the account lookup list TContaDto rows through it.
class TContaPresenter final : public TCadastroPresenterOf<TContaEntity, TContaDto, TContaService>
{
public:
    TContaPresenter();

protected:
    void CreateExtraFields() override;
    // An edited account starts from the record loaded into the window, so that the members no
    // control carries (the account's code at the payment API) are saved as they were.
    std::unique_ptr<TBaseEntity> CreateEntity() override;
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    void afterClear() override;

private:
    std::unique_ptr<TContaEntity> m_loaded;
};

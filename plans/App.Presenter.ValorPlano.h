#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ValorPlano.h"
#include "Common.Dto.ValorPlano.h"
#include "Common.Entity.ValorPlano.h"

// The price history of the plan being edited, kept in the window until the plan is saved.
class TValorPlanoPresenter final
    : public TSubCadastroPresenterOf<TValorPlanoEntity, TValorPlanoDto, TValorPlanoService>
{
public:
    TValorPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
};

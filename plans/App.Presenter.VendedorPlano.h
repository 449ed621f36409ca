#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.VendedorPlano.h"
#include "Common.Dto.VendedorPlano.h"
#include "Common.Entity.VendedorPlano.h"

// The staff members allowed to sell the plan being edited, kept in the window until the plan is
// saved.
class TVendedorPlanoPresenter final
    : public TSubCadastroPresenterOf<TVendedorPlanoEntity, TVendedorPlanoDto, TVendedorPlanoService>
{
public:
    TVendedorPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // VENDEDOR: the chosen staff member's name.
    void afterUpdateInfoRegistroFK() override;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ColaboradorCarteira.h"
#include "Common.Dto.ColaboradorCarteira.h"
#include "Common.Entity.ColaboradorCarteira.h"

// The collector history of the portfolio being edited, kept in the window until the portfolio
// is saved. The table has no portfolio column: its rows belong to the portfolio in the window.
class TColaboradorCarteiraPresenter final
    : public TSubCadastroPresenterOf<TColaboradorCarteiraEntity,
                                     TColaboradorCarteiraDto,
                                     TColaboradorCarteiraService>
{
public:
    TColaboradorCarteiraPresenter();

protected:
    QString GetFieldsSearch() override;
    // The collectors of the portfolio IdPrincipal.
    void loadRows() override;
    // COLABORADOR and MOTIVO: the texts of the chosen collector and end reason.
    void afterUpdateInfoRegistroFK() override;
};

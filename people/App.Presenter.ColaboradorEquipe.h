#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ColaboradorEquipe.h"
#include "Common.Dto.ColaboradorEquipe.h"
#include "Common.Entity.ColaboradorEquipe.h"

// The member history of the team being edited, kept in the window until the team is saved. The
// table has no team column: its members belong to the team open in the window.
class TColaboradorEquipePresenter final : public TSubCadastroPresenterOf<TColaboradorEquipeEntity,
                                                                         TColaboradorEquipeDto,
                                                                         TColaboradorEquipeService>
{
public:
    TColaboradorEquipePresenter();

protected:
    QString GetFieldsSearch() override;
    // The members of the team IdPrincipal.
    void loadRows() override;
    // COLABORADOR and MOTIVO: the texts of the chosen staff member and end reason.
    void afterUpdateInfoRegistroFK() override;
};

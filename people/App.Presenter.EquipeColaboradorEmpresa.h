#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.EquipeColaboradorEmpresa.h"
#include "Common.Dto.EquipeColaboradorEmpresa.h"
#include "Common.Entity.EquipeColaboradorEmpresa.h"

// The team history of the employment open in the staff window, kept in the window until the
// staff member is saved.
class TEquipeColaboradorEmpresaPresenter final
    : public TSubCadastroPresenterOf<TEquipeColaboradorEmpresaEntity,
                                     TEquipeColaboradorEmpresaDto,
                                     TEquipeColaboradorEmpresaService>
{
public:
    TEquipeColaboradorEmpresaPresenter();

protected:
    QString GetFieldsSearch() override;
    // The rows of every employment of the staff member IdPrincipal.
    void loadRows() override;
    // MOTIVO and EQUIPE: the texts of the chosen end reason and team.
    void afterUpdateInfoRegistroFK() override;
};

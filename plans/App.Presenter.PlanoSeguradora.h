#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PlanoSeguradora.h"
#include "Common.Dto.PlanoSeguradora.h"
#include "Common.Entity.PlanoSeguradora.h"

// The plans of an insurer in the insurer window: read per insurer (IdPrincipal), edited in the
// insurer-plan table and saved with the insurer's aggregate. A row shows its own plan's name,
// taken from the plan lookup's text when the row is saved.
class TPlanoSeguradoraPresenter final
    : public TSubCadastroPresenterOf<TPlanoSeguradoraEntity,
                                     TPlanoSeguradoraDto,
                                     TPlanoSeguradoraService>
{
public:
    TPlanoSeguradoraPresenter();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};

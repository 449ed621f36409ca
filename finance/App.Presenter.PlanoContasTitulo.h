#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PlanoContasTitulo.h"
#include "Common.Dto.PlanoContasTitulo.h"
#include "Common.Entity.PlanoContasTitulo.h"

// The shares per chart-of-accounts entry of the title being edited, kept in the window until
// the title is saved.
class TPlanoContasTituloPresenter final : public TSubCadastroPresenterOf<TPlanoContasTituloEntity,
                                                                         TPlanoContasTituloDto,
                                                                         TPlanoContasTituloService>
{
public:
    TPlanoContasTituloPresenter();

    // The sum of VALOR over every row of the table, whatever its filter hides, in whole cents; 0
    // for an empty or closed table.
    double findValorInDataSet();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // The row shows the name the lookup field shows.
    void afterUpdateInfoRegistroFK() override;
};

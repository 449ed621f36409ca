#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ParcelaTitulo.h"
#include "Common.Dto.ParcelaTitulo.h"
#include "Common.Entity.ParcelaTitulo.h"

// The instalments of the title being edited, kept in the window until the title is saved. An
// instalment with settlements cannot be saved from its sub-form.
class TParcelaTituloPresenter final
    : public TSubCadastroPresenterOf<TParcelaTituloEntity, TParcelaTituloDto, TParcelaTituloService>
{
public:
    TParcelaTituloPresenter();

    // The sum of VALOR over every row of the table, whatever its filter hides, in whole cents; 0
    // for an empty or closed table.
    double findValorInDataSet();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
};

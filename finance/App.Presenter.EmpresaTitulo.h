#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.EmpresaTitulo.h"
#include "Common.Dto.EmpresaTitulo.h"
#include "Common.Entity.EmpresaTitulo.h"

// The shares per company of the title being edited, kept in the window until the title is
// saved.
class TEmpresaTituloPresenter final
    : public TSubCadastroPresenterOf<TEmpresaTituloEntity, TEmpresaTituloDto, TEmpresaTituloService>
{
public:
    TEmpresaTituloPresenter();

    // The sum of VALOR over every row of the table, whatever its filter hides, in whole cents; 0
    // for an empty or closed table.
    double findValorInDataSet();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // The row shows the name the lookup field shows.
    void afterUpdateInfoRegistroFK() override;
};

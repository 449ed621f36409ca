#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ServicoDependentePlano.h"
#include "Common.Dto.ServicoDependentePlano.h"
#include "Common.Entity.ServicoDependentePlano.h"

// The extra services of the allowed dependents of the plan being edited, each row under its
// dependent row, kept in the window until the plan is saved.
class TServicoDependentePlanoPresenter final
    : public TSubCadastroPresenterOf<TServicoDependentePlanoEntity,
                                     TServicoDependentePlanoDto,
                                     TServicoDependentePlanoService>
{
public:
    TServicoDependentePlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // SERVICO and VALOR: the chosen service's name and price; TIPO_UTILIZACAO and
    // CODIGO_TIPO_UTILIZACAO: the chosen usage kind's text and code.
    void afterUpdateInfoRegistroFK() override;
};

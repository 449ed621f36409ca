#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.AdicionalContratoPlano.h"
#include "Common.Dto.AdicionalContratoPlano.h"
#include "Common.Entity.AdicionalContratoPlano.h"

// The add-ons a contract of the plan being edited may carry, kept in the window until the plan
// is saved. Contracts read a plan's add-ons through its service.
class TAdicionalContratoPlanoPresenter final
    : public TSubCadastroPresenterOf<TAdicionalContratoPlanoEntity,
                                     TAdicionalContratoPlanoDto,
                                     TAdicionalContratoPlanoService>
{
public:
    TAdicionalContratoPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // SERVICO and VALOR_SERVICO: the chosen service's name and price.
    void afterUpdateInfoRegistroFK() override;
};

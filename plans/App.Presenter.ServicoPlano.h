#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ServicoPlano.h"
#include "Common.Dto.ServicoPlano.h"
#include "Common.Entity.ServicoPlano.h"

// The services included in the plan being edited, each with the index applied to the service's
// price, kept in the window until the plan is saved.
class TServicoPlanoPresenter final
    : public TSubCadastroPresenterOf<TServicoPlanoEntity, TServicoPlanoDto, TServicoPlanoService>
{
public:
    TServicoPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // SERVICO and VALOR: the chosen service's name and price; TIPO_UTILIZACAO and
    // CODIGO_TIPO_UTILIZACAO: the chosen usage kind's text and code.
    void afterUpdateInfoRegistroFK() override;
};

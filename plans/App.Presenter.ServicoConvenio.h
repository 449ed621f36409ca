#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ServicoConvenio.h"
#include "Common.Dto.ServicoConvenio.h"
#include "Common.Entity.ServicoConvenio.h"

// The services of the agreement being edited, kept in the window until the agreement is saved.
class TServicoConvenioPresenter final : public TSubCadastroPresenterOf<TServicoConvenioEntity,
                                                                       TServicoConvenioDto,
                                                                       TServicoConvenioService>
{
public:
    TServicoConvenioPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // SERVICO: the chosen service's description; VALOR_SERVICO: the value "Valor" shows (0 when
    // it shows none).
    void afterUpdateInfoRegistroFK() override;
};

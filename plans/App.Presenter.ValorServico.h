#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ValorServico.h"
#include "Common.Dto.ValorServico.h"
#include "Common.Entity.ValorServico.h"

// The value history of the service being edited, kept in the window until the service is saved.
class TValorServicoPresenter final
    : public TSubCadastroPresenterOf<TValorServicoEntity, TValorServicoDto, TValorServicoService>
{
public:
    TValorServicoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
};

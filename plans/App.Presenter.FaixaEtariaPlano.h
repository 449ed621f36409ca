#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FaixaEtariaPlano.h"
#include "Common.Dto.FaixaEtariaPlano.h"
#include "Common.Entity.FaixaEtariaPlano.h"

// The age bands the plan being edited covers per kinship, kept in the window until the plan is
// saved.
class TFaixaEtariaPlanoPresenter final : public TSubCadastroPresenterOf<TFaixaEtariaPlanoEntity,
                                                                        TFaixaEtariaPlanoDto,
                                                                        TFaixaEtariaPlanoService>
{
public:
    TFaixaEtariaPlanoPresenter();

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // PARENTESCO: the chosen kinship's text.
    void afterUpdateInfoRegistroFK() override;
};

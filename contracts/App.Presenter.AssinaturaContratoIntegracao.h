#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.AssinaturaContratoIntegracao.h"
#include "Common.ComplexPost.AssinaturaContratoIntegracao.h"
#include "Common.Dto.AssinaturaContratoIntegracao.h"

// The contract's card subscriptions (IdPrincipal), kept in the table until the contract is saved.
// The card columns hold a newly typed card in memory only: the back end never lists them, and
// the contract save encodes them before they leave.
class TAssinaturaContratoIntegracaoPresenter final
    : public TSubCadastroPresenterOf<TAssinaturaContratoIntegracaoComplexPost,
                                     TAssinaturaContratoIntegracaoDto,
                                     TAssinaturaContratoIntegracaoService>
{
public:
    TAssinaturaContratoIntegracaoPresenter();

protected:
    void loadRows() override;
    void CreateExtraFields() override;
    QString GetFieldsSearch() override;
    // STATUS_GERAL and CODIGO_STATUS_GERAL follow the status chosen, so the row is judged as
    // shown.
    void afterUpdateInfoRegistroFK() override;
};

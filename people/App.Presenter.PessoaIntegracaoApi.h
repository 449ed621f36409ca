#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PessoaIntegracaoApi.h"
#include "Common.Dto.PessoaIntegracaoApi.h"
#include "Common.Entity.PessoaIntegracaoApi.h"

// The payment-API links of a person in the link window embedded in the person window (and the
// contract window): read per person (IdPrincipal), edited in the table and saved with the
// parent's aggregate. A row saved from the window takes the names its integration and reason
// lookups show; a row listed by the back end has no integration name until then.
class TPessoaIntegracaoApiPresenter final
    : public TSubCadastroPresenterOf<TPessoaIntegracaoApiEntity,
                                     TPessoaIntegracaoApiDto,
                                     TPessoaIntegracaoApiService>
{
public:
    TPessoaIntegracaoApiPresenter();

protected:
    void loadRows() override;
    void CreateExtraFields() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};

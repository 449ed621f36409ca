#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Endereco.h"
#include "Common.Dto.Endereco.h"
#include "Common.Entity.Endereco.h"

// The addresses of a person in the address window embedded in the person window (and the
// contract window): read per person (IdPrincipal), edited in the table and saved with the
// parent's aggregate. A row saved from the window takes the names its street and type lookups
// show, so the list shows them before the parent is saved.
class TEnderecoPresenter final
    : public TSubCadastroPresenterOf<TEnderecoEntity, TEnderecoDto, TEnderecoService>
{
public:
    TEnderecoPresenter();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};

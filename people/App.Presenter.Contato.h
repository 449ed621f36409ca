#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Contato.h"
#include "Common.Dto.Contato.h"
#include "Common.Entity.Contato.h"

// The contacts of a person in the contact window embedded in the person window (and the contract
// window): read per person (IdPrincipal), edited in the table and saved with the parent's
// aggregate. A row saved from the window takes the description its type lookup shows.
class TContatoPresenter final
    : public TSubCadastroPresenterOf<TContatoEntity, TContatoDto, TContatoService>
{
public:
    TContatoPresenter();

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    void afterUpdateInfoRegistroFK() override;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.UsuarioFormaBaixaConta.h"
#include "Common.Entity.UsuarioFormaBaixaConta.h"

// The settlement-method rows of the user window's settlement sub-form, kept in its table until
// the user is saved; the user presenter reads the table.
class TUsuarioFormaBaixaContaPresenter final
    : public TSubCadastroPresenterOf<TUsuarioFormaBaixaContaEntity,
                                     TUsuarioFormaBaixaContaDto,
                                     TUsuarioFormaBaixaContaService>
{
public:
    TUsuarioFormaBaixaContaPresenter();

protected:
    // The rows of the user IdPrincipal; no list keeps the rows.
    void loadRows() override;
    QString GetFieldsSearch() override;
    // The names shown in the settlement-method and account edits go into the row, so the list
    // shows them before the user is saved.
    void afterUpdateInfoRegistroFK() override;
};

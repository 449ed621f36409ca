#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.UsuarioConta.h"
#include "Common.Entity.UsuarioConta.h"

// The account rows of the user window; saved only inside the user's aggregate.
class TUsuarioContaPresenter final
    : public TSubCadastroPresenterOf<TUsuarioContaEntity, TUsuarioContaDto, TUsuarioContaService>
{
public:
    TUsuarioContaPresenter();

protected:
    // The rows of the user IdPrincipal, the table's filter off; no list keeps the rows.
    void loadRows() override;
};

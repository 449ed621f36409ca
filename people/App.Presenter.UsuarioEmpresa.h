#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.UsuarioEmpresa.h"
#include "Common.Entity.UsuarioEmpresa.h"

// The company rows of the user window: every company, with the user's link (ID, ATIVO) or
// without one (ID 0). Its rows are saved only inside the user's aggregate.
class TUsuarioEmpresaPresenter final
    : public TCadastroPresenterOf<TUsuarioEmpresaEntity, TUsuarioEmpresaDto, TUsuarioEmpresaService>
{
public:
    TUsuarioEmpresaPresenter();

protected:
    // The rows of the user IdPrincipal, the table's filter off; no list keeps the rows.
    void loadRows() override;
};

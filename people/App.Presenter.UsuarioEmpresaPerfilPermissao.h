#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.UsuarioEmpresaPerfilPermissao.h"
#include "Common.Entity.UsuarioEmpresaPerfilPermissao.h"

// The profile-link rows of the user window: every profile the user holds, in every company. Its
// rows are saved only inside the user's aggregate, under their company's item.
class TUsuarioEmpresaPerfilPermissaoPresenter final
    : public TPresenterOf<TBasePresenter,
                          TUsuarioEmpresaPerfilPermissaoEntity,
                          TUsuarioEmpresaPerfilPermissaoDto,
                          TUsuarioEmpresaPerfilPermissaoService>
{
public:
    TUsuarioEmpresaPerfilPermissaoPresenter();

protected:
    // The rows of the user IdPrincipal, the table's filter off; no list keeps the rows.
    void loadRows() override;
};

#include "App.Presenter.UsuarioEmpresaPerfilPermissao.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioEmpresaPerfilPermissaoPresenter)

TUsuarioEmpresaPerfilPermissaoPresenter::TUsuarioEmpresaPerfilPermissaoPresenter()
    : TPresenterOf(QStringLiteral("TUsuarioEmpresaPerfilPermissaoPresenter"),
                   { { "ID_EMPRESA" },
                     { "EMPRESA", 50 },
                     { "ID_PERFIL_PERMISSAO" },
                     { "PERFIL_PERMISSAO", 50 } })
{ }

void TUsuarioEmpresaPerfilPermissaoPresenter::loadRows()
{
    runOnMainThread([this] { DataSetInfo().SetFiltered(false); });
    const auto rows = service().findAllUsuarioEmpresaPerfilPermissao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

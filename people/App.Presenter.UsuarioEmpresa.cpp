#include "App.Presenter.UsuarioEmpresa.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioEmpresaPresenter)

TUsuarioEmpresaPresenter::TUsuarioEmpresaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TUsuarioEmpresaPresenter"),
                           { { "ID_EMPRESA" }, { "EMPRESA", 150 }, { "ATIVO" } })
{ }

void TUsuarioEmpresaPresenter::loadRows()
{
    runOnMainThread([this] { DataSetInfo().SetFiltered(false); });
    const auto rows = service().findAllEmpresa(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

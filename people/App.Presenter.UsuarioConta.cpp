#include "App.Presenter.UsuarioConta.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioContaPresenter)

TUsuarioContaPresenter::TUsuarioContaPresenter()
    : TSubCadastroPresenterOf(
        QStringLiteral("TUsuarioContaPresenter"),
        { { "ID_CONTA" }, { "ID_USUARIO" }, { "CONTA", 50 }, { "PADRAO_CONTA" } })
{ }

void TUsuarioContaPresenter::loadRows()
{
    runOnMainThread([this] { DataSetInfo().SetFiltered(false); });
    const auto rows = service().findAllUsuarioConta(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

#include "App.Presenter.ValorPlano.h"

ZUNTA_REGISTER_PRESENTER(TValorPlanoPresenter)

TValorPlanoPresenter::TValorPlanoPresenter()
    : TSubCadastroPresenterOf(
        QStringLiteral("TValorPlanoPresenter"),
        { { "DATA", 0, "dd/mm/yyyy" }, { "VALOR", 0, ",0.00" }, { "VALOR_PARCELA", 0, ",0.00" } })
{ }

QString TValorPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("DATA;VALOR;VALOR_PARCELA");
}

void TValorPlanoPresenter::loadRows()
{
    const auto rows = service().fillValorPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

#include "App.Presenter.VendedorPlano.h"

ZUNTA_REGISTER_PRESENTER(TVendedorPlanoPresenter)

TVendedorPlanoPresenter::TVendedorPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TVendedorPlanoPresenter"),
                              { { "PLANO", 200 },
                                { "VENDEDOR", 200 },
                                { "ID_PLANO", 0, "000" },
                                { "ID_COLABORADOR", 0, "000" } })
{ }

QString TVendedorPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("VENDEDOR;PLANO");
}

void TVendedorPlanoPresenter::loadRows()
{
    const auto rows = service().fillVendedorPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TVendedorPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("VENDEDOR"), QStringLiteral("EditColaborador"));
}

#include "App.Presenter.ValorServico.h"

ZUNTA_REGISTER_PRESENTER(TValorServicoPresenter)

TValorServicoPresenter::TValorServicoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TValorServicoPresenter"),
                              { { "LISTA_TIPO_FRANQUIA", 0, "0000000000" },
                                { "DATA", 0, "dd/mm/yyyy" },
                                { "VALOR", 0, ",0.00" },
                                { "VALOR_CAPITAL_SEGURADO", 0, ",0.00" },
                                { "FRANQUIA", 0, ",0.00" },
                                { "TIPO_FRANQUIA", 100 } })
{ }

QString TValorServicoPresenter::GetFieldsSearch()
{
    return QStringLiteral("DATA;VALOR");
}

void TValorServicoPresenter::loadRows()
{
    const auto rows = service().fillValorServico(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

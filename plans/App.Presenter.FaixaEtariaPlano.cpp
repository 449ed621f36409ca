#include "App.Presenter.FaixaEtariaPlano.h"

ZUNTA_REGISTER_PRESENTER(TFaixaEtariaPlanoPresenter)

TFaixaEtariaPlanoPresenter::TFaixaEtariaPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TFaixaEtariaPlanoPresenter"),
                              { { "ID_PLANO", 0, "0000000000" },
                                { "LISTA_PARENTESCO", 0, "0000000000" },
                                { "PARENTESCO", 100 },
                                { "CODIGO_PARENTESCO", 30 },
                                { "FAIXA_ETARIA_INICIAL", 0, "000" },
                                { "FAIXA_ETARIA_FINAL", 0, "000" } })
{ }

QString TFaixaEtariaPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("PARENTESCO;FAIXA_ETARIA_INICIAL;FAIXA_ETARIA_FINAL");
}

void TFaixaEtariaPlanoPresenter::loadRows()
{
    const auto rows = service().fillFaixaEtariaPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFaixaEtariaPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("PARENTESCO"), QStringLiteral("EditListaParentesco"));
}

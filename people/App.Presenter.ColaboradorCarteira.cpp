#include "App.Presenter.ColaboradorCarteira.h"

ZUNTA_REGISTER_PRESENTER(TColaboradorCarteiraPresenter)

TColaboradorCarteiraPresenter::TColaboradorCarteiraPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TColaboradorCarteiraPresenter"),
                              { { "ID_MOTIVO", 0, "0000000000" },
                                { "ID_COLABORADOR", 0, "0000000000" },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "MOTIVO", 100 },
                                { "COLABORADOR", 100 } })
{ }

QString TColaboradorCarteiraPresenter::GetFieldsSearch()
{
    return QStringLiteral("COLABORADOR;MOTIVO;DATA_INICIAL;DATA_FINAL;ID_COLABORADOR;ID_MOTIVO");
}

void TColaboradorCarteiraPresenter::loadRows()
{
    const auto rows = service().fillColaboradorCarteira(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TColaboradorCarteiraPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("COLABORADOR"), QStringLiteral("EditColaborador"));
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
}

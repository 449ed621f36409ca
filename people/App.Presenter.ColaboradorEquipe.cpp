#include "App.Presenter.ColaboradorEquipe.h"

ZUNTA_REGISTER_PRESENTER(TColaboradorEquipePresenter)

TColaboradorEquipePresenter::TColaboradorEquipePresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TColaboradorEquipePresenter"),
                              { { "ID_COLABORADOR", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "COLABORADOR", 100 },
                                { "MOTIVO", 100 } })
{ }

QString TColaboradorEquipePresenter::GetFieldsSearch()
{
    return QStringLiteral("COLABORADOR;MOTIVO;DATA_INICIAL;DATA_FINAL;ID_COLABORADOR;ID_MOTIVO");
}

void TColaboradorEquipePresenter::loadRows()
{
    const auto rows = service().fillColaboradorEquipe(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TColaboradorEquipePresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("COLABORADOR"), QStringLiteral("EditColaborador"));
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
}

#include "App.Presenter.EquipeColaboradorEmpresa.h"

ZUNTA_REGISTER_PRESENTER(TEquipeColaboradorEmpresaPresenter)

TEquipeColaboradorEmpresaPresenter::TEquipeColaboradorEmpresaPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TEquipeColaboradorEmpresaPresenter"),
                              { { "ID_COLABORADOR_EMPRESA", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "ID_EQUIPE", 0, "0000000000" },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "MOTIVO", 100 },
                                { "EQUIPE", 100 } })
{ }

QString TEquipeColaboradorEmpresaPresenter::GetFieldsSearch()
{
    return QStringLiteral("EQUIPE;MOTIVO;DATA_INICIAL;DATA_FINAL;ID_MOTIVO;ID_EQUIPE");
}

void TEquipeColaboradorEmpresaPresenter::loadRows()
{
    const auto rows = service().fillEquipeColaboradorEmpresa(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TEquipeColaboradorEmpresaPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
    fillColumnFromControl(QStringLiteral("EQUIPE"), QStringLiteral("EditEquipe"));
}

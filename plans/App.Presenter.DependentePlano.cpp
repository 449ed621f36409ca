#include "App.Presenter.DependentePlano.h"

ZUNTA_REGISTER_PRESENTER(TDependentePlanoPresenter)

TDependentePlanoPresenter::TDependentePlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TDependentePlanoPresenter"),
                              { { "PARENTESCO", 100 },
                                { "LISTA_PARENTESCO", 0, "0000000000" },
                                { "FAIXA_ETARIA", 0, "000" } })
{ }

QString TDependentePlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("LISTA_PARENTESCO;PARENTESCO;FAIXA_ETARIA");
}

void TDependentePlanoPresenter::loadRows()
{
    const auto rows = service().fillDependentePlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TDependentePlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("PARENTESCO"), QStringLiteral("EditListaParentesco"));
}

void TDependentePlanoPresenter::deleteChildRecords(std::int64_t AId)
{
    if (m_dataSetServico)
        deleteRecordsRegistroFK(AId, *m_dataSetServico, m_listRemoveServico);
}

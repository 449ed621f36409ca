#include "App.Presenter.ProfissionalConvenio.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TProfissionalConvenioPresenter)

TProfissionalConvenioPresenter::TProfissionalConvenioPresenter()
    : TSubCadastroPresenterOf(
        QStringLiteral("TProfissionalConvenioPresenter"),
        { { "ID_PESSOA", 0, "0000000000" }, { "PROFISSIONAL", 100 }, { "ESPECIALIDADES", 1000 } })
{ }

QString TProfissionalConvenioPresenter::GetFieldsSearch()
{
    return QStringLiteral("PROFISSIONAL");
}

void TProfissionalConvenioPresenter::loadRows()
{
    const auto rows = service().fillProfissionalConvenio(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TProfissionalConvenioPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("PROFISSIONAL"), QStringLiteral("EditPessoa"));
}

void TProfissionalConvenioPresenter::deleteChildRecords(std::int64_t AId)
{
    if (m_dataSetEspecialidade)
        deleteRecordsRegistroFK(AId, *m_dataSetEspecialidade, m_listRemoveEspecialidade);
}

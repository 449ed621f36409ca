#include "App.Presenter.PeriodoContrato.h"

ZUNTA_REGISTER_PRESENTER(TPeriodoContratoPresenter)

TPeriodoContratoPresenter::TPeriodoContratoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TPeriodoContratoPresenter"),
                              { { "ID_CONTRATO", 0, "0000000000" },
                                { "ID_PESSOA", 0, "0000000000" },
                                { "NOME", 100 },
                                { "DATA_CONTRATO", 0, "dd/mm/yyyy" },
                                { "DATA_CONTRATO_TRANSFERENCIA", 0, "dd/mm/yyyy" },
                                { "PARCELAS_PAGAS", 0, "000" },
                                { "FIDELIDADE", 0, "000" },
                                { "INFORMACOES", 10000 } })
{ }

void TPeriodoContratoPresenter::loadRows()
{
    const auto rows = service().fillPeriodoContrato(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TPeriodoContratoPresenter::GetFieldsSearch()
{
    return QStringLiteral("DATA_CONTRATO;NOME;ID_PESSOA");
}

void TPeriodoContratoPresenter::deleteChildRecords(std::int64_t AId)
{
    if (m_dataSetPlanoPeriodoContrato)
        deleteRecordsRegistroFK(
            AId, *m_dataSetPlanoPeriodoContrato, m_listRemovePlanoPeriodoContrato);
}

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.PeriodoContrato.h"
#include "Common.ComplexPost.PeriodoContrato.h"
#include "Common.Dto.PeriodoContrato.h"

#include <QStringList>

class TMemTable;

// The validity periods of the contract, read per contract (IdPrincipal) and kept in the table
// until the contract is saved. Removing a period takes its plans with it.
class TPeriodoContratoPresenter final : public TSubCadastroPresenterOf<TPeriodoContratoComplexPost,
                                                                       TPeriodoContratoDto,
                                                                       TPeriodoContratoService>
{
public:
    TPeriodoContratoPresenter();

    // The plans' table and the contract's list of removed plans, set by the contract connector;
    // not owned. Without the table a period is removed alone.
    void SetDataSetPlanoPeriodoContrato(TMemTable *AValue)
    {
        m_dataSetPlanoPeriodoContrato = AValue;
    }
    void SetListRemovePlanoPeriodoContrato(QStringList *AValue)
    {
        m_listRemovePlanoPeriodoContrato = AValue;
    }

protected:
    void loadRows() override;
    QString GetFieldsSearch() override;
    // The plan rows of the period row AId; saved ones go to the contract's list of removed plans.
    void deleteChildRecords(std::int64_t AId) override;

private:
    TMemTable *m_dataSetPlanoPeriodoContrato = nullptr;
    QStringList *m_listRemovePlanoPeriodoContrato = nullptr;
};

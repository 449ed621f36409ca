#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.DependentePlano.h"
#include "Common.Dto.DependentePlano.h"
#include "Common.Entity.DependentePlano.h"

#include <QStringList>

class TMemTable;

// The kinships that may join the plan being edited as dependents, kept in the window until the
// plan is saved. Removing a dependent removes its extra services with it.
class TDependentePlanoPresenter final : public TSubCadastroPresenterOf<TDependentePlanoEntity,
                                                                       TDependentePlanoDto,
                                                                       TDependentePlanoService>
{
public:
    TDependentePlanoPresenter();
    // The extra services' table and the plan presenter's list of removed service ids (neither
    // owned), set by the plan window's connector.
    void SetDataSetServicoDependentePlano(TMemTable *AValue) { m_dataSetServico = AValue; }
    void SetListRemoveServicoDependentePlano(QStringList *AValue) { m_listRemoveServico = AValue; }

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // PARENTESCO: the chosen kinship's text.
    void afterUpdateInfoRegistroFK() override;
    // The extra-service rows of the dependent row go too, the stored ones' ids into the removed
    // services.
    void deleteChildRecords(std::int64_t AId) override;

private:
    TMemTable *m_dataSetServico = nullptr;
    QStringList *m_listRemoveServico = nullptr;
};

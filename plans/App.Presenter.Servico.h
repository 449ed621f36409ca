#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Servico.h"
#include "Common.ComplexPost.Servico.h"
#include "Common.Dto.Servico.h"

#include <QStringList>

class TMemTable;

// The services: lists them (also for the service lookup) and saves a service with its values,
// waiting-period rules and kit members as one aggregate, built from the child tables the
// service window's sub-forms edit. The stock table is handed over too, but only shown.
class TServicoPresenter final
    : public TCadastroPresenterOf<TServicoComplexPost, TServicoDto, TServicoService>
{
public:
    TServicoPresenter();

    // The ids (as text) of stored children removed in the window, one list per child kind; the
    // sub-forms' presenters add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveValorServico;
    QStringList ListRemoveCarenciaServico;
    QStringList ListRemoveItemKitServico;

    // The sub-forms' tables (not owned).
    void SetDataSetValorServico(TMemTable *AValue) { m_dataSetValorServico = AValue; }
    void SetDataSetCarenciaServico(TMemTable *AValue) { m_dataSetCarenciaServico = AValue; }
    void SetDataSetItemKitServico(TMemTable *AValue) { m_dataSetItemKitServico = AValue; }
    void SetDataSetServicoEstoque(TMemTable *AValue) { m_dataSetServicoEstoque = AValue; }
    TMemTable *DataSetServicoEstoque() const { return m_dataSetServicoEstoque; }

protected:
    // The service alone; its children are read by the sub-forms.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the removed ids, then every row
    // of the value, waiting-period and kit tables; sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    TMemTable *m_dataSetValorServico = nullptr;
    TMemTable *m_dataSetCarenciaServico = nullptr;
    TMemTable *m_dataSetItemKitServico = nullptr;
    TMemTable *m_dataSetServicoEstoque = nullptr;
};

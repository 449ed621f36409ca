#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Plano.h"
#include "Common.ComplexPost.Plano.h"
#include "Common.Dto.Plano.h"
#include "Common.FilterClass.Plano.h"

#include <QStringList>

class TMemTable;

// The plans: lists them (also for the plan lookup) and saves a plan with its nine child lists as
// one aggregate, built from the tables the plan window's sub-forms edit.
class TPlanoPresenter final
    : public TCadastroPresenterOf<TPlanoComplexPost, TPlanoDto, TPlanoService, TPlanoFilterClass>
{
public:
    TPlanoPresenter();

    // The ids (as text) of stored children removed in the window, one list per child kind; the
    // sub-forms' presenters add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveCarenciaPlano;
    QStringList ListRemoveDependentePlano;
    QStringList ListRemoveServicoPlano;
    QStringList ListRemoveValorPlano;
    QStringList ListRemoveFaixaEtariaPlano;
    QStringList ListRemoveServicoDependentePlano;
    QStringList ListRemoveAdicionalContratoPlano;
    QStringList ListRemoveConvenioPlano;
    QStringList ListRemoveVendedorPlano;

    // The sub-forms' tables (not owned).
    void SetDataSetCarenciaPlano(TMemTable *AValue) { m_carencia = AValue; }
    void SetDataSetDependentePlano(TMemTable *AValue) { m_dependente = AValue; }
    void SetDataSetServicoPlano(TMemTable *AValue) { m_servico = AValue; }
    void SetDataSetValorPlano(TMemTable *AValue) { m_valor = AValue; }
    void SetDataSetFaixaEtariaPlano(TMemTable *AValue) { m_faixaEtaria = AValue; }
    void SetDataSetServicoDependentePlano(TMemTable *AValue) { m_servicoDependente = AValue; }
    void SetDataSetAdicionalContratoPlano(TMemTable *AValue) { m_adicional = AValue; }
    void SetDataSetConvenioPlano(TMemTable *AValue) { m_convenio = AValue; }
    void SetDataSetVendedorPlano(TMemTable *AValue) { m_vendedor = AValue; }

protected:
    // The plan alone; its children are read by the sub-forms.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the removed ids, the waiting
    // periods, the dependents each with the extra services hanging under it (the removed
    // services in the first dependent), then the other child tables; sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    TMemTable *m_carencia = nullptr;
    TMemTable *m_dependente = nullptr;
    TMemTable *m_servico = nullptr;
    TMemTable *m_valor = nullptr;
    TMemTable *m_faixaEtaria = nullptr;
    TMemTable *m_servicoDependente = nullptr;
    TMemTable *m_adicional = nullptr;
    TMemTable *m_convenio = nullptr;
    TMemTable *m_vendedor = nullptr;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Comissao.h"
#include "Common.ComplexPost.Comissao.h"
#include "Common.Dto.Comissao.h"

#include <QStringList>

class TMemTable;

// The commission tables: lists them (also for the commission-table lookup) and saves a table
// with its time bands and their bands as one aggregate, built from the tables of the window's
// two nested sub-forms.
class TComissaoPresenter final
    : public TCadastroPresenterOf<TComissaoComplexPost, TComissaoDto, TComissaoService>
{
public:
    TComissaoPresenter();

    // The ids (as text) of stored time bands and of stored bands removed in the window; the
    // sub-forms' presenters add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveFaixaHorarioComissao;
    QStringList ListRemoveFaixaComissao;

    // The sub-forms' tables (not owned).
    void SetDataSetFaixaHorarioComissao(TMemTable *AValue)
    {
        m_dataSetFaixaHorarioComissao = AValue;
    }
    void SetDataSetFaixaComissao(TMemTable *AValue) { m_dataSetFaixaComissao = AValue; }

protected:
    // The table alone; its time bands and bands are read by the sub-forms.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the removed time bands, then every
    // time band with the bands hanging under it. Every removed band travels in the first time
    // band. Sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    TMemTable *m_dataSetFaixaHorarioComissao = nullptr;
    TMemTable *m_dataSetFaixaComissao = nullptr;
};

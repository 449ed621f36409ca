#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ModeloComissao.h"
#include "Common.ComplexPost.ModeloComissao.h"
#include "Common.Dto.ModeloComissao.h"

#include <QStringList>

class TMemTable;

// The commission models: lists them and saves a model with its functions, their commission types
// and the types' instalment bands as one aggregate, built from the tables of the window's three
// nested sub-forms.
class TModeloComissaoPresenter final : public TCadastroPresenterOf<TModeloComissaoComplexPost,
                                                                   TModeloComissaoDto,
                                                                   TModeloComissaoService>
{
public:
    TModeloComissaoPresenter();

    // The ids (as text) of stored functions, types and instalment bands removed in the window;
    // the sub-forms' presenters add to them. Emptied when the presenter is cleared.
    QStringList ListRemoveComissaoFuncao;
    QStringList ListRemoveTipoComissaoFuncao;
    QStringList ListRemoveFaixaParcelaTipoComissao;

    // The sub-forms' tables (not owned).
    void SetDataSetComissaoFuncao(TMemTable *AValue) { m_dataSetComissaoFuncao = AValue; }
    void SetDataSetTipoComissaoFuncao(TMemTable *AValue) { m_dataSetTipoComissaoFuncao = AValue; }
    void SetDataSetFaixaParcelaTipoComissao(TMemTable *AValue)
    {
        m_dataSetFaixaParcelaTipoComissao = AValue;
    }

protected:
    // The model alone; its functions, types and instalment bands are read by the sub-forms.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the removed functions, then every
    // function with its types and each type with its instalment bands. Every removed type
    // travels in the first function, every removed instalment band in the first type of the
    // body, whatever function holds it. Sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;

private:
    TMemTable *m_dataSetComissaoFuncao = nullptr;
    TMemTable *m_dataSetTipoComissaoFuncao = nullptr;
    TMemTable *m_dataSetFaixaParcelaTipoComissao = nullptr;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.ComissaoFuncao.h"
#include "Common.ComplexPost.ComissaoFuncao.h"
#include "Common.Dto.ComissaoFuncao.h"

#include <QStringList>

class TMemTable;

// The functions of the commission model being edited, kept in the window until the model is
// saved. Removing a function takes its commission types with it, and their instalment bands.
class TComissaoFuncaoPresenter final : public TSubCadastroPresenterOf<TComissaoFuncaoComplexPost,
                                                                      TComissaoFuncaoDto,
                                                                      TComissaoFuncaoService>
{
public:
    TComissaoFuncaoPresenter();

    // The type and instalment-band tables and the model presenter's remove lists of both (none
    // owned).
    void SetDataSetTipoComissaoFuncao(TMemTable *AValue) { m_dataSetTipoComissaoFuncao = AValue; }
    void SetListRemoveTipoComissaoFuncao(QStringList *AValue)
    {
        m_listRemoveTipoComissaoFuncao = AValue;
    }
    void SetDataSetFaixaParcelaTipoComissao(TMemTable *AValue)
    {
        m_dataSetFaixaParcelaTipoComissao = AValue;
    }
    void SetListRemoveFaixaParcelaTipoComissao(QStringList *AValue)
    {
        m_listRemoveFaixaParcelaTipoComissao = AValue;
    }

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // The function's types leave their table, and each type's instalment bands theirs; the ids
    // of stored rows go to the remove lists.
    void deleteChildRecords(std::int64_t AId) override;
    // FUNCAO: the chosen function's description.
    void afterUpdateInfoRegistroFK() override;

private:
    TMemTable *m_dataSetTipoComissaoFuncao = nullptr;
    QStringList *m_listRemoveTipoComissaoFuncao = nullptr;
    TMemTable *m_dataSetFaixaParcelaTipoComissao = nullptr;
    QStringList *m_listRemoveFaixaParcelaTipoComissao = nullptr;
};

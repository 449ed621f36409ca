#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.TipoComissaoFuncao.h"
#include "Common.ComplexPost.TipoComissaoFuncao.h"
#include "Common.Dto.TipoComissaoFuncao.h"

#include <QStringList>

class TMemTable;

// The commission types of the function open in the commission-model window, kept in the window
// until the model is saved. Removing a type takes its instalment bands with it.
class TTipoComissaoFuncaoPresenter final
    : public TSubCadastroPresenterOf<TTipoComissaoFuncaoComplexPost,
                                     TTipoComissaoFuncaoDto,
                                     TTipoComissaoFuncaoService>
{
public:
    TTipoComissaoFuncaoPresenter();

    // The instalment-band table and the model presenter's remove list of it (neither owned).
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
    void deleteChildRecords(std::int64_t AId) override;
    // Each classification's description and code, from its lookup.
    void afterUpdateInfoRegistroFK() override;

private:
    TMemTable *m_dataSetFaixaParcelaTipoComissao = nullptr;
    QStringList *m_listRemoveFaixaParcelaTipoComissao = nullptr;
};

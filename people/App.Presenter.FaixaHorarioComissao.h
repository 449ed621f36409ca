#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.FaixaHorarioComissao.h"
#include "Common.Dto.FaixaHorarioComissao.h"
#include "Common.Entity.FaixaHorarioComissao.h"

#include <QStringList>

class TMemTable;

// The time bands of the commission table being edited, kept in the window until the table is
// saved. Removing a time band takes its bands with it.
class TFaixaHorarioComissaoPresenter final
    : public TSubCadastroPresenterOf<TFaixaHorarioComissaoEntity,
                                     TFaixaHorarioComissaoDto,
                                     TFaixaHorarioComissaoService>
{
public:
    TFaixaHorarioComissaoPresenter();

    // The band table and the table presenter's band remove list (neither owned).
    void SetDataSetFaixaComissao(TMemTable *AValue) { m_dataSetFaixaComissao = AValue; }
    void SetListRemoveFaixaComissao(QStringList *AValue) { m_listRemoveFaixaComissao = AValue; }

protected:
    QString GetFieldsSearch() override;
    void loadRows() override;
    // The bands of the time band leave their table, the ids of stored ones into the band remove
    // list.
    void deleteChildRecords(std::int64_t AId) override;

private:
    TMemTable *m_dataSetFaixaComissao = nullptr;
    QStringList *m_listRemoveFaixaComissao = nullptr;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Carencia.h"
#include "Common.ComplexPost.Carencia.h"
#include "Common.Dto.Carencia.h"

#include <QStringList>

class TMemTable;

// The waiting-period rules: the presenter of the rule window and of the rule lookup. A rule is
// saved as an aggregate with the rows of the item window's table and the ids of the stored
// items removed there.
class TCarenciaPresenter final
    : public TCadastroPresenterOf<TCarenciaComplexPost, TCarenciaDto, TCarenciaService>
{
public:
    TCarenciaPresenter();

    // Ids, as text, of stored items removed in the window; the item presenter fills it, a save
    // sends it, clearing the record empties it.
    QStringList ListRemoveItemCarencia;
    // The item window's table; not owned. Null, or a closed table, means no items.
    TMemTable *DataSetItemCarencia = nullptr;

protected:
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Seguradora.h"
#include "Common.ComplexPost.Seguradora.h"
#include "Common.Dto.Seguradora.h"

#include <QStringList>

class TMemTable;

// The insurers: the presenter of the insurer window and of the insurer lookup. An insurer is
// saved as an aggregate with the rows of the insurer-plan window's table and the ids of the
// stored insurer plans removed there.
class TSeguradoraPresenter final
    : public TCadastroPresenterOf<TSeguradoraComplexPost, TSeguradoraDto, TSeguradoraService>
{
public:
    TSeguradoraPresenter();

    // Ids, as text, of stored insurer plans removed in the window; the insurer-plan presenter
    // fills it, a save sends it, clearing the record empties it.
    QStringList ListRemovePlanoSeguradora;
    // The insurer-plan window's table; not owned. Null, or a closed table, means no plans.
    TMemTable *DataSetPlanoSeguradora = nullptr;

protected:
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;
};

#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Equipe.h"
#include "Common.ComplexPost.Equipe.h"
#include "Common.Dto.Equipe.h"

#include <QStringList>

class TMemTable;

// The teams of staff members: lists them (the team lookup lists them through it too) and saves
// a team as one aggregate with the rows of its member sub-form.
class TEquipePresenter final
    : public TCadastroPresenterOf<TEquipeComplexPost, TEquipeDto, TEquipeService>
{
public:
    TEquipePresenter();

    // Ids, as text, of stored members removed in the window; the member presenter fills it, a
    // save sends it, clearing the record empties it.
    QStringList ListRemoveColaboradorEquipe;
    // The member sub-form's table; not owned. Null, or a closed table, means no members.
    TMemTable *DataSetColaboradorEquipe = nullptr;

protected:
    // The team alone; its members are read by the window's loader.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values, the removed members, then every member row (the team is
    // their parent in the body, so IdEquipe stays 0). Sent off the main thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;
};

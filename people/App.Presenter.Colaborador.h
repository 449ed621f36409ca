#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Colaborador.h"
#include "Common.ComplexPost.Colaborador.h"
#include "Common.Dto.Colaborador.h"

#include <QStringList>

class TMemTable;

// The staff members: lists them (the staff lookup lists them through it too) and saves a staff
// member as one aggregate with the employments, and under each employment its function and
// salary history and its team history, built from the tables of the staff window's sub-forms.
class TColaboradorPresenter final
    : public TCadastroPresenterOf<TColaboradorComplexPost, TColaboradorDto, TColaboradorService>
{
public:
    TColaboradorPresenter();

    // The ids (as text) of stored rows removed in the window, one list per child kind; the
    // sub-forms' presenters add to them, a save sends them, clearing the record empties them.
    QStringList ListRemoveColaboradorEmpresa;
    QStringList ListRemoveFuncaoColaboradorEmpresa;
    QStringList ListRemoveEquipeColaboradorEmpresa;
    // The sub-forms' tables; not owned. Null, or a closed table, means no rows.
    TMemTable *DataSetColaboradorEmpresa = nullptr;
    TMemTable *DataSetFuncaoColaboradorEmpresa = nullptr;
    TMemTable *DataSetEquipeColaboradorEmpresa = nullptr;

protected:
    // The staff member alone; the child lists are read by the window's loaders.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // The body: the controls' values (already in the entity), the removed employments, then
    // every employment row with the function and team rows hanging under it; the removed
    // function and team rows of all employments go with the first employment. Sent off the main
    // thread.
    std::unique_ptr<TSerializeObject> PostComplexService() override;
    void afterClear() override;
};

#pragma once

#include "App.Base.Presenter.h"

#include <QSet>
#include <QStringList>

// Base of the presenter of a child registration window: its rows live only in the list table
// until the parent record is saved as an aggregate. Rows are tied to their parent row through
// ID_REGISTRO_FK; the ids of removed rows the back end knows go to the parent presenter's
// remove list for this child kind.
class TBaseSubCadastroPresenter : public TBasePresenter
{
public:
    // Run after a row was saved into the table (the child window links its own children here).
    TProcBase ProcUpdateAfterSave;
    // The parent presenter's remove list of this child kind; not owned. Must be set before a
    // saved row is removed.
    void SetListRemove(QStringList *AListRemove) { m_listRemove = AListRemove; }

    // Removes the row whose ID_REGISTRO is AId (and, through deleteChildRecords, its children);
    // false when there is none. ProcReloadDados runs in both cases, with the table's filter
    // back as it was. A failure raises "WARNING:Não foi possível remover os itens.\r\n<reason>.".
    bool Delete(std::int64_t AId) override;
    // The rows stay in the table until the parent is saved.
    bool postsToBackEnd() const override;
    // Links every row not yet linked to the parent row AIdRegistroFK, then shows only that
    // parent's rows.
    void updateInfoRegistroFK(std::int64_t AIdRegistroFK);
    // Deletes every row not linked to a parent row (rows of a parent that was abandoned).
    void removeRecnoNotRgistroFK();
    // Deletes the rows of ADataSet that belong to parent row AId, their saved ids into AList;
    // ADataSet's own filter comes back afterwards. Without AList a saved row refuses the whole
    // removal. For the overrides of deleteChildRecords, once per grandchild table.
    void deleteRecordsRegistroFK(std::int64_t AId, TMemTable &ADataSet, QStringList *AList);
    // The rows of the table, whatever its filter hides; 0 while it is closed.
    int AllRecordCount();
    // The mark a list holds on one row at most (a person's billing address or contact): every
    // row, whatever the filter hides, whose boolean column is true gets false. The filter comes
    // back afterwards.
    void UnmarkEveryRow(const QString &AColumn);

protected:
    explicit TBaseSubCadastroPresenter(const QString &AClassName);

    // The row whose ID_REGISTRO is AId into Entity; nothing is read from the back end.
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    // Entity into its row of the table; nothing is sent. A new row (IdRegistro names none)
    // takes every property that has a column; a row already there takes only the properties
    // of the bound controls, so what the row alone holds (ids and values no control shows)
    // stays as it was. afterUpdateInfoRegistroFK fills the display columns in both cases.
    std::unique_ptr<TSerializeObject> PostService() override;

    virtual void consistItemControlSave(TItemControl *AItemControl, QStringList &AListError);
    virtual void deleteChildRecords(std::int64_t AId);
    // Before the saved row is posted: fill the row's display columns from the controls.
    virtual void afterUpdateInfoRegistroFK();
    // For afterUpdateInfoRegistroFK: the text the bound edit AControl shows goes to the row's
    // column AColumnText and, when AColumnOtherInfo is given, the binding's other information (a
    // lookup's code) to that column. Nothing when no such edit is bound.
    void SetColumnsFromControl(const QString &AControl,
                               const QString &AColumnText,
                               const QString &AColumnOtherInfo = {});

private:
    // The property names the bound controls write into the entity, in upper case.
    QSet<QString> boundProperties() const;

    QStringList *m_listRemove = nullptr;
};

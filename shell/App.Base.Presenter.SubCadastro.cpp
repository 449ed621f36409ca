#include "App.Base.Presenter.SubCadastro.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <exception>

namespace {

const QString IdField = QStringLiteral("ID");
const QString SubCadastroIdRegistroField = QStringLiteral("ID_REGISTRO");
const QString SubCadastroIdRegistroFKField = QStringLiteral("ID_REGISTRO_FK");
const QString NotLinkedFilter = QStringLiteral("ID_REGISTRO_FK = 0 or ID_REGISTRO_FK = null");
const QString NoListRemoveMessage = QStringLiteral("Lista de remoção não informada");

QString removeFailure(const QString &AReason)
{
    return Format(QStringLiteral("WARNING:Não foi possível remover os itens.\r\n%s."), { AReason });
}

QString messageOf(std::exception_ptr AFailure)
{
    try {
        std::rethrow_exception(AFailure);
    } catch (const Exception &failure) {
        return failure.Message();
    } catch (const std::exception &failure) {
        return QString::fromUtf8(failure.what());
    }
}

// Shows the table through a filter for a while and then puts its own filter back, also when the
// work in between fails.
class TTemporaryFilter final
{
public:
    TTemporaryFilter(TMemTable &ATable, const QString &AFilter)
        : m_table(ATable)
        , m_filter(ATable.Filter())
    {
        m_table.SetFiltered(false);
        m_table.SetFilter(AFilter);
        m_table.SetFiltered(true);
    }
    ~TTemporaryFilter()
    {
        m_table.SetFiltered(false);
        m_table.SetFilter(m_filter);
        m_table.SetFiltered(!m_filter.isEmpty());
    }
    TTemporaryFilter(const TTemporaryFilter &) = delete;
    TTemporaryFilter &operator=(const TTemporaryFilter &) = delete;

private:
    TMemTable &m_table;
    QString m_filter;
};

class TFilteredOff final
{
public:
    explicit TFilteredOff(TMemTable &ATable)
        : m_table(ATable)
        , m_wasFiltered(ATable.Filtered())
    {
        m_table.SetFiltered(false);
    }
    ~TFilteredOff()
    {
        if (m_wasFiltered)
            m_table.SetFiltered(true);
    }
    TFilteredOff(const TFilteredOff &) = delete;
    TFilteredOff &operator=(const TFilteredOff &) = delete;

private:
    TMemTable &m_table;
    bool m_wasFiltered;
};

} // namespace

TBaseSubCadastroPresenter::TBaseSubCadastroPresenter(const QString &AClassName)
    : TBasePresenter(AClassName)
{
    ManagerControls().ProcConsistItemControlSave
        = [this](TItemControl *AItemControl, QStringList &AListError) {
              consistItemControlSave(AItemControl, AListError);
          };
}

std::unique_ptr<TSerializeObject> TBaseSubCadastroPresenter::getById(std::int64_t AId)
{
    TMemTable &table = DataSetInfo();
    if (table.Active() && Entity() && table.Locate(SubCadastroIdRegistroField, TFieldValue(AId))) {
        IdRegistro = AId;
        TUtils::fillDataSetToObject(table, *Entity());
    }
    return nullptr;
}

int TBaseSubCadastroPresenter::AllRecordCount()
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return 0;
    const TFilteredOff filtered(table);
    return table.RecordCount();
}

void TBaseSubCadastroPresenter::UnmarkEveryRow(const QString &AColumn)
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    const TFilteredOff filtered(table);
    for (table.First(); !table.Eof(); table.Next()) {
        TField *field = table.FieldByName(AColumn);
        if (field->AsBoolean()) {
            table.Edit();
            field->SetAsBoolean(false);
            table.Post();
        }
    }
}

std::unique_ptr<TSerializeObject> TBaseSubCadastroPresenter::PostService()
{
    TBaseEntity *entity = Entity();
    if (!entity)
        throw Exception(QStringLiteral("ERROR:Objeto não está carregado."));
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        table.Open();
    const TFilteredOff filtered(table);
    try {
        const bool existing
            = IdRegistro != 0 && table.Locate(SubCadastroIdRegistroField, TFieldValue(IdRegistro));
        if (existing)
            table.Edit();
        else
            table.Append();
        if (IdRegistroFK != 0)
            table.FieldByName(SubCadastroIdRegistroFKField)->SetAsLargeInt(IdRegistroFK);
        IdRegistro = table.FieldByName(SubCadastroIdRegistroField)->AsLargeInt();
        // The entity was made afresh from the controls: a property no control carries is blank
        // in it, and would blank the row's stored value.
        const QSet<QString> bound = existing ? boundProperties() : QSet<QString>();
        for (const TMemberInfo *property : entity->ClassInfo().Properties()) {
            if (property->IsObject() || (existing && !bound.contains(property->Name().toUpper())))
                continue;
            TField *field = table.FindField(TUtils::convertClassPropToTableField(property->Name()));
            if (field
                && field->FieldName().compare(SubCadastroIdRegistroField, Qt::CaseInsensitive) != 0)
                TUtils::setValuePropertyToDataSet(*entity, *property, *field);
        }
        afterUpdateInfoRegistroFK();
        table.Post();
    } catch (...) {
        // A half-written row must not be posted by the table's next move.
        if (table.State() == TDataSetState::Edit || table.State() == TDataSetState::Insert)
            table.Cancel();
        throw;
    }
    if (ProcUpdateAfterSave)
        ProcUpdateAfterSave();
    return nullptr;
}

bool TBaseSubCadastroPresenter::postsToBackEnd() const
{
    return false;
}

QSet<QString> TBaseSubCadastroPresenter::boundProperties() const
{
    QSet<QString> names;
    for (const std::unique_ptr<TItemControl> &item : ListControlsFill()) {
        if (!item->IgnoreSave)
            names.insert(item->GetRttiPropName(false).toUpper());
    }
    return names;
}

bool TBaseSubCadastroPresenter::Delete(std::int64_t AId)
{
    TMemTable &table = DataSetInfo();
    bool removed = false;
    try {
        {
            const TFilteredOff filtered(table);
            if (table.Active() && table.Locate(SubCadastroIdRegistroField, TFieldValue(AId))) {
                // Refused before anything goes: a saved row whose id cannot be recorded would
                // stay on the back end while its children were already gone from the table.
                if (!m_listRemove && table.FieldByName(IdField)->AsLargeInt() > 0)
                    throw Exception(NoListRemoveMessage);
                deleteChildRecords(AId);
                // The child records' removal moved nothing of this table, but find the row
                // again in case an override did.
                table.Locate(SubCadastroIdRegistroField, TFieldValue(AId));
                const std::int64_t id = table.FieldByName(IdField)->AsLargeInt();
                if (id > 0)
                    m_listRemove->append(QString::number(id));
                table.Delete();
                removed = true;
            }
        }
        // With the table's filter back, so the rebuilt list shows what it showed before.
        if (ProcReloadDados)
            ProcReloadDados();
    } catch (...) {
        throw Exception(removeFailure(messageOf(std::current_exception())));
    }
    return removed;
}

void TBaseSubCadastroPresenter::updateInfoRegistroFK(std::int64_t AIdRegistroFK)
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        table.Open();
    const auto showParentRows = [&] {
        if (table.State() == TDataSetState::Edit)
            table.Cancel();
        table.SetFiltered(false);
        table.SetFilter(SubCadastroIdRegistroFKField + QStringLiteral(" = ")
                        + QString::number(AIdRegistroFK));
        table.SetFiltered(true);
    };
    table.SetFiltered(false);
    table.SetFilter(NotLinkedFilter);
    table.SetFiltered(true);
    try {
        // A key of 0 would leave every row in the unlinked view and never end the walk.
        while (AIdRegistroFK != 0 && !table.IsEmpty()) {
            table.First();
            table.Edit();
            table.FieldByName(SubCadastroIdRegistroFKField)->SetAsLargeInt(AIdRegistroFK);
            table.Post();
        }
    } catch (...) {
        showParentRows();
        throw;
    }
    showParentRows();
}

void TBaseSubCadastroPresenter::removeRecnoNotRgistroFK()
{
    TMemTable &table = DataSetInfo();
    if (!table.Active())
        return;
    const TTemporaryFilter notLinked(table, NotLinkedFilter);
    while (!table.IsEmpty()) {
        table.First();
        table.Delete();
    }
}

void TBaseSubCadastroPresenter::deleteRecordsRegistroFK(std::int64_t AId,
                                                        TMemTable &ADataSet,
                                                        QStringList *AList)
{
    if (!ADataSet.Active())
        return;
    const TTemporaryFilter ofParent(
        ADataSet, SubCadastroIdRegistroFKField + QStringLiteral(" = ") + QString::number(AId));
    TField *idField = ADataSet.FieldByName(IdField);
    // Without a list, saved rows would leave the table and their ids would be lost.
    if (!AList) {
        for (ADataSet.First(); !ADataSet.Eof(); ADataSet.Next()) {
            if (idField->AsLargeInt() > 0)
                throw Exception(NoListRemoveMessage);
        }
    }
    while (!ADataSet.IsEmpty()) {
        ADataSet.First();
        const std::int64_t id = idField->AsLargeInt();
        if (id > 0)
            AList->append(QString::number(id));
        ADataSet.Delete();
    }
}

void TBaseSubCadastroPresenter::consistItemControlSave(TItemControl *, QStringList &) { }

void TBaseSubCadastroPresenter::deleteChildRecords(std::int64_t) { }

void TBaseSubCadastroPresenter::afterUpdateInfoRegistroFK() { }

void TBaseSubCadastroPresenter::SetColumnsFromControl(const QString &AControl,
                                                      const QString &AColumnText,
                                                      const QString &AColumnOtherInfo)
{
    const TItemControl *item = FindItemControl(AControl);
    const auto *edit = item ? qobject_cast<const TEdit *>(item->Control()) : nullptr;
    if (!edit)
        return;
    DataSetInfo().FieldByName(AColumnText)->SetAsString(edit->text());
    if (!AColumnOtherInfo.isEmpty())
        DataSetInfo().FieldByName(AColumnOtherInfo)->SetAsString(item->OtherInfo);
}

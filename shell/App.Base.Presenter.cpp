#include "App.Base.Presenter.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.TableFill.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"
#include "FormatSettings.h"
#include "SysUtils.h"

#include "Common.Base.Dto.h"
#include "Common.Interf.Entity.h"
#include "JsonValue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMetaObject>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

namespace {

const QString IdRegistroField = QStringLiteral("ID_REGISTRO");
const QString IdRegistroFKField = QStringLiteral("ID_REGISTRO_FK");
const QString IdDisplayFormat = QStringLiteral("0000000000");
const QString NotFoundMessage = QStringLiteral("WARNING:Informações não localizadas.");
// Rows are put into the table for about one frame before the event loop runs again.
constexpr qint64 FillSliceMs = 16;

// The id of a record read back, when the object carries one.
std::optional<std::int64_t> idOfRecord(const TSerializeObject &ARecord)
{
    if (const auto *entity = dynamic_cast<const IEntity *>(&ARecord))
        return entity->GetId();
    if (const auto *dto = dynamic_cast<const TBaseDto *>(&ARecord))
        return dto->Id;
    return std::nullopt;
}

// The message a reply carries in its "message" member, when it has one.
QString replyMessage(const TBaseService *AService)
{
    if (!AService)
        return QString();
    const TJsonValue message = AService->ResponseJson().Value("message");
    return message.IsString() ? message.AsString().trimmed() : QString();
}

// "TListaSistemaPresenter" → "lista_sistema".
QString tableNameOfClass(const QString &AClassName)
{
    QString name = AClassName;
    const qsizetype presenter = name.indexOf(QStringLiteral("Presenter"));
    if (presenter >= 0)
        name.remove(presenter, 9);
    name.remove(0, 1);
    return TUtils::convertClassPropToTableField(name);
}

// Puts the table's filter switch back as it was, also when the work in between fails.
class TFilteredGuard final
{
public:
    explicit TFilteredGuard(TMemTable &ATable)
        : m_table(ATable)
        , m_wasFiltered(ATable.Filtered())
    {
        m_table.SetFiltered(false);
    }
    ~TFilteredGuard()
    {
        if (m_table.Filtered() != m_wasFiltered)
            m_table.SetFiltered(m_wasFiltered);
    }
    TFilteredGuard(const TFilteredGuard &) = delete;
    TFilteredGuard &operator=(const TFilteredGuard &) = delete;

private:
    TMemTable &m_table;
    bool m_wasFiltered;
};

} // namespace

TBasePresenter::TBasePresenter(const QString &AClassName)
    : m_className(AClassName)
    , m_managerControls(std::make_unique<TManagerControl>())
    , m_managerFilterControls(std::make_unique<TManagerControl>())
    , m_dataSetInfo(std::make_unique<TMemTable>(tableNameOfClass(AClassName)))
{ }

// In this order, not the members' reverse order: the entity goes before the control managers.
TBasePresenter::~TBasePresenter()
{
    m_entity.reset();
    m_managerControls.reset();
    m_managerFilterControls.reset();
    m_dataSetInfo.reset();
    m_service.reset();
    m_filterClass.reset();
}

void TBasePresenter::Initialize()
{
    Q_ASSERT(!m_initialized);
    m_initialized = true;
    CreateFieldsDataSet();
    setDateDisplay();
    m_entity = CreateEntity();
    m_service = CreateService();
    m_filterClass = CreateFilterClass();
}

std::unique_ptr<TBasePresenter> TBasePresenter::CreatePresenter(const QString &AClassName)
{
    const auto factory = TClassRegistry::FindFactory<TPresenterFactory>(AClassName);
    return factory ? factory() : nullptr;
}

void TBasePresenter::SetEntity(std::unique_ptr<TBaseEntity> AEntity)
{
    m_entity = std::move(AEntity);
}

void TBasePresenter::SetService(std::unique_ptr<TBaseService> AService)
{
    m_service = std::move(AService);
}

void TBasePresenter::SetFilterClass(std::unique_ptr<TBaseFilterClass> AFilterClass)
{
    m_filterClass = std::move(AFilterClass);
}

void TBasePresenter::SetProcFillListControl(TProcBase AProc)
{
    m_managerControls->SetProcFillListControl(std::move(AProc));
}

void TBasePresenter::SetProcAfterFillListControl(TProcBase AProc)
{
    m_managerControls->ProcAfterFillListControl = std::move(AProc);
}

const std::vector<std::unique_ptr<TItemControl>> &TBasePresenter::ListControlsFill() const
{
    return m_managerControls->ListControlsFill();
}

const std::vector<std::unique_ptr<TItemControl>> &TBasePresenter::ListFilterControlsFill() const
{
    return m_managerFilterControls->ListControlsFill();
}

void TBasePresenter::ClearFilters()
{
    if (ProcChangeControlsFilter)
        m_managerFilterControls->ProcChangeControlsFilter = ProcChangeControlsFilter;
    m_managerFilterControls->setPropertiesControls();
    m_managerFilterControls->Clear();
}

void TBasePresenter::ClearListControls()
{
    m_managerControls->ClearListControls();
}

void TBasePresenter::EnabledControls()
{
    m_managerControls->EnabledControls(IsViewForm);
}

bool TBasePresenter::ValidControls()
{
    return m_managerControls->ValidControls();
}

TItemControl *TBasePresenter::FindItemControl(const QString &AComponentName) const
{
    return m_managerControls->FindItemControl(AComponentName);
}

TItemControl *TBasePresenter::FindItemFilterControl(const QString &AComponentName) const
{
    return m_managerFilterControls->FindItemControl(AComponentName);
}

void TBasePresenter::SetInfoControlsToEntity()
{
    m_entity.reset();
    m_entity = CreateEntity();
    if (m_entity)
        m_managerControls->SetObjectFromValueControl(*m_entity);
    if (m_entity && ProcAfterControlsToEntity)
        ProcAfterControlsToEntity();
}

void TBasePresenter::findById(std::int64_t AId)
{
    m_entity.reset();
    m_entity = CreateEntity();
    const std::unique_ptr<TSerializeObject> found = getById(AId);
    if (found) {
        // A JSON error object converts into a record without id; shown and saved it would be
        // posted as a new record.
        const std::optional<std::int64_t> id = idOfRecord(*found);
        if (id && *id <= 0) {
            const QString message = replyMessage(m_service.get());
            throw Exception(message.isEmpty() ? NotFoundMessage : message);
        }
        TUtils::CopyInfoObject(found.get(), m_entity.get());
    }
    if (!m_entity)
        throw Exception(QStringLiteral("WARNING:Não foi possível carregar as informações."));
    IdRegistro = AId;
    runOnMainThread([this] {
        m_managerControls->SetValueControlFromObject(
            *m_entity, IsViewForm, ProcAfterFillForm, false);
    });
}

void TBasePresenter::View(std::int64_t AId)
{
    IsViewForm = true;
    findById(AId);
}

void TBasePresenter::Edit(std::int64_t AId)
{
    IsViewForm = false;
    findById(AId);
}

void TBasePresenter::Post()
{
    SetInfoControlsToEntity();
    std::unique_ptr<TSerializeObject> saved;
    if (postsToBackEnd())
        runOffMainThread([this, &saved] { saved = PostService(); });
    else
        saved = PostService();
    if (saved)
        TUtils::CopyInfoObject(saved.get(), m_entity.get());
}

void TBasePresenter::PostComplex()
{
    SetInfoControlsToEntity();
    const std::unique_ptr<TSerializeObject> saved = PostComplexService();
    m_entity.reset();
    m_entity = CreateEntity();
    if (saved)
        TUtils::CopyInfoObject(saved.get(), m_entity.get());
}

bool TBasePresenter::Delete(std::int64_t AId)
{
    if (AId == 0)
        throw Exception(Format(QStringLiteral("WARNING:Campo %s não está preenchido corretamente."),
                               { QStringLiteral("ID") }));
    return deleteItems(TListInt64 { AId });
}

bool TBasePresenter::deleteItems(const TListInt64 &)
{
    return false;
}

void TBasePresenter::Clear(bool AClearDataSet, bool AClearManagerControls, bool)
{
    m_entity.reset();
    m_entity = CreateEntity();
    if (AClearDataSet) {
        TMemTable &table = *m_dataSetInfo;
        if (table.Active()) {
            table.SetFiltered(false);
            table.SetFilter(QString());
            table.EmptyDataSet();
        } else {
            table.CreateDataSet();
        }
        m_loadedRequestKey.clear();
    }
    if (AClearManagerControls)
        m_managerControls->Clear();
    IdRegistro = 0;
    afterClear();
}

void TBasePresenter::findByFilterToDataSet()
{
    runOnMainThread([this] {
        if (!m_dataSetInfo->Active())
            m_dataSetInfo->CreateDataSet();
    });
}

void TBasePresenter::findByFilterToDataSet(const TClassInfo &ARowClass)
{
    if (!m_managerFilterControls->ListControlsFill().empty() && m_filterClass)
        runOnMainThread([this] {
            m_managerFilterControls->SetObjectFilterFromValueControl(*m_filterClass, true);
        });
    beforeFindByFilter();
    const QString requestKey = listRequestKey();
    // Parsed here, on the calling thread; only the copy into the table goes to the main thread.
    const bool whole = readsEveryPage();
    auto rows = m_service->findListByFilter(ARowClass,
                                            TextSearch,
                                            ValueFixFilter,
                                            whole ? 1 : Paginate.Page,
                                            Paginate.Limit,
                                            m_filterClass.get());
    // A list that must be whole reads every further page the first reply announces.
    for (int page = 2, pages = m_service->TotalPages(); rows && whole && page <= pages; ++page) {
        auto more = m_service->findListByFilter(
            ARowClass, TextSearch, ValueFixFilter, page, Paginate.Limit, m_filterClass.get());
        if (!more)
            break;
        for (auto &row : *more)
            rows->push_back(std::move(row));
    }
    std::vector<const TSerializeObject *> objects;
    if (rows) {
        objects.reserve(rows->size());
        for (const auto &row : *rows)
            objects.push_back(row.get());
    }
    // A 304 for another request than the one the table holds: those rows are not this
    // search's answer, and the back end answers 304 to a search that found nothing.
    const bool staleRows = !rows && requestKey != m_loadedRequestKey;
    fillObjectsDataSetInfo(rows || staleRows ? &objects : nullptr);
    if (rows || staleRows)
        m_loadedRequestKey = requestKey;
}

void TBasePresenter::fillObjectsDataSetInfo(const std::vector<const TSerializeObject *> *AObjects)
{
    if (AObjects) {
        if (isMainThread()) {
            TAppUtils::fillObjectsToDataSet(AObjects, *m_dataSetInfo, ProcAfterFindByFilter);
        } else {
            // A server that ignores the limit may send tens of thousands of rows: copied in one
            // step they would hold the main thread for a long moment.
            TTableFill fill(*m_dataSetInfo, *AObjects);
            while (!fill.Done())
                runOnMainThread([&fill] { fill.Slice(FillSliceMs); });
            if (ProcAfterFindByFilter)
                runOnMainThread(
                    [this] { TAppUtils::DelayedCurrentThreadExecute(ProcAfterFindByFilter); });
        }
        // Rows from a list handed in directly answer no request of this presenter.
        m_loadedRequestKey.clear();
    }
    afterFillDataSet();
}

QString TBasePresenter::listRequestKey() const
{
    return QStringList { TextSearch,
                         ValueFixFilter,
                         QString::number(Paginate.Page),
                         QString::number(Paginate.Limit),
                         TBaseService::GetFilterBody(m_filterClass.get()) }
        .join(QChar(0));
}

QString TBasePresenter::SearchFilter()
{
    TMemTable &table = *m_dataSetInfo;
    if (!table.Active())
        return QString();
    if (TextSearch.isEmpty()) {
        table.SetFiltered(false);
        table.SetFilter(QString());
        SetFilterDefault();
        return table.Filter();
    }
    const QString text = TextSearch.trimmed();
    QStringList conditions;
    for (const QString &name : GetFieldsSearch().split(QLatin1Char(';'))) {
        const TField *field = table.FindField(name);
        if (!field)
            continue;
        switch (field->DataType()) {
        case TFieldType::String:
        case TFieldType::Memo:
            conditions << field->FieldName() + QStringLiteral(" like ")
                    + QuotedFilterText(QLatin1Char('%') + text + QLatin1Char('%'));
            break;
        case TFieldType::Integer: {
            int value = 0;
            if (TryStrToInt(TextSearch, value))
                conditions << field->FieldName() + QStringLiteral(" like ")
                        + QuotedFilterText(QLatin1Char('%') + text + QLatin1Char('%'));
            break;
        }
        case TFieldType::Float: {
            double value = 0;
            QString typed = TextSearch;
            typed.replace(QLatin1Char('.'), QLatin1Char(','));
            // The number as parsed, never the typed text, reaches the filter.
            if (TryStrToFloat(typed, value))
                conditions << field->FieldName() + QStringLiteral(" = ")
                        + FloatToStrInvariant(value);
            break;
        }
        case TFieldType::DateTime: {
            TDateTime value;
            if (TryStrToDateTime(TextSearch, value))
                conditions << field->FieldName() + QStringLiteral(" = ")
                        + QuotedFilterText(
                                  FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn:ss"), value));
            break;
        }
        default:
            break;
        }
    }
    if (conditions.isEmpty())
        return QStringLiteral("1 = 0");
    return conditions.join(QStringLiteral(" or "));
}

void TBasePresenter::SetInfoIdRegistroFK(TMemTable *ADataSet, const QString &ANameFieldFK)
{
    TMemTable &table = *m_dataSetInfo;
    const TFilteredGuard filtered(table);
    if (!ADataSet || !table.Active() || !ADataSet->Active() || ADataSet->IsEmpty()
        || table.IsEmpty())
        return;
    TField *parentKey = table.FieldByName(ANameFieldFK);
    table.First();
    while (!table.Eof()) {
        if (ADataSet->Locate(QStringLiteral("ID"), TFieldValue(parentKey->AsLargeInt()))) {
            table.Edit();
            table.FieldByName(IdRegistroFKField)
                ->SetAsLargeInt(ADataSet->FieldByName(IdRegistroField)->AsLargeInt());
            table.Post();
        }
        table.Next();
    }
}

void TBasePresenter::SetObjectFromDataSet(TSerializeObject *AObject, TMemTable *ADataSet)
{
    if (!AObject || !ADataSet || !ADataSet->Active() || ADataSet->IsEmpty())
        return;
    for (const TMemberInfo *property : AObject->ClassInfo().Properties()) {
        if (property->IsObject() || !property->CanWrite())
            continue;
        const TField *field
            = ADataSet->FindField(TUtils::convertClassPropToTableField(property->Name()));
        if (field)
            TUtils::setValueToPropertyObject(*AObject, *property, field->Value());
    }
}

std::unique_ptr<TBaseFilterClass> TBasePresenter::CreateFilterClass()
{
    return nullptr;
}

void TBasePresenter::SetFilterDefault() { }

std::unique_ptr<TSerializeObject> TBasePresenter::getById(std::int64_t)
{
    return nullptr;
}

std::unique_ptr<TSerializeObject> TBasePresenter::PostService()
{
    return nullptr;
}

std::unique_ptr<TSerializeObject> TBasePresenter::PostComplexService()
{
    return nullptr;
}

bool TBasePresenter::postsToBackEnd() const
{
    return true;
}

void TBasePresenter::afterClear() { }

void TBasePresenter::CreateFieldsDataSet()
{
    TMemTable &table = *m_dataSetInfo;
    table.AddField(QStringLiteral("ID"), TFieldType::LargeInt)->SetDisplayFormat(IdDisplayFormat);
    TField *idRegistro = table.AddField(IdRegistroField, TFieldType::AutoInc);
    idRegistro->SetDisplayFormat(IdDisplayFormat);
    idRegistro->SetVisible(false);
    // 64-bit like every other key, so a parent key never overflows.
    table.AddField(IdRegistroFKField, TFieldType::LargeInt)->SetDisplayFormat(IdDisplayFormat);
}

void TBasePresenter::afterFillDataSet() { }

void TBasePresenter::beforeFindByFilter() { }

QString TBasePresenter::GetFieldsSearch()
{
    return QString();
}

void TBasePresenter::setDateDisplay()
{
    TMemTable &table = *m_dataSetInfo;
    for (int index = 0; index < table.FieldCount(); ++index) {
        TField *field = table.Fields(index);
        if (field->DataType() == TFieldType::DateTime)
            field->SetZeroDateAsEmpty(true);
    }
}

bool TBasePresenter::isMainThread()
{
    const QCoreApplication *application = QCoreApplication::instance();
    return !application || QThread::currentThread() == application->thread();
}

void TBasePresenter::runOffMainThread(const std::function<void()> &AStep)
{
    if (!isMainThread()) {
        AStep();
        return;
    }
    std::exception_ptr failure;
    QEventLoop loop;
    const std::unique_ptr<QThread> worker(QThread::create([&AStep, &failure] {
        try {
            AStep();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QObject::connect(
        worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // The loop also ends when the application quits: the step is still waited for.
    worker->wait();
    if (failure)
        std::rethrow_exception(failure);
}

void TBasePresenter::runOnMainThread(const std::function<void()> &AStep)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (isMainThread()) {
        AStep();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        application,
        [&] {
            try {
                AStep();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (failure)
        std::rethrow_exception(failure);
}

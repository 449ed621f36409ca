#pragma once

#include "App.Base.Service.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Base.Entity.h"
#include "Common.Base.FilterClass.h"
#include "Common.Base.Types.h"
#include "Events.h"
#include "MemTable.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TClassInfo;
class TItemControl;
class TManagerControl;
class TSerializeObject;

// Paging of a list: the row list writes Page and Limit before a fetch and the totals after it.
struct TPaginate
{
    int TotalRegistros = 0;
    int TotalPages = 0;
    int CountList = 0;
    int Page = 0;
    int Limit = 0;
};

// A procedure without arguments run for the windows (after a list was filled, after a removal).
using TProcBase = std::function<void()>;

// The presenter half of every window: owns the record being edited, the REST service of its
// resource, the search filter object, the in-memory list table the rows are shown from and the
// managers of the bound edit and filter controls. It never touches a window itself: the window
// hands it callbacks and reads its table, entity and paging.
//
// Creation is in two phases, because a constructor cannot reach the descendant's overrides:
// the constructor creates the managers and names the table; Initialize() declares the columns,
// sets up the date display and runs CreateEntity, CreateService and CreateFilterClass, in that
// order. Create<P>() and CreatePresenter(name) do both; nobody else calls Initialize().
//
// A business presenter derives from TCadastroPresenterOf (main registration) or
// TSubCadastroPresenterOf (child rows kept in memory), App.Base.Presenter.Of.h, naming its
// entity, list row, service and columns, and puts ZUNTA_REGISTER_PRESENTER(ClassName) in its
// .cpp; it overrides only what it adds (GetFieldsSearch, SetFilterDefault, the hooks).
class TBasePresenter
{
public:
    virtual ~TBasePresenter();
    TBasePresenter(const TBasePresenter &) = delete;
    TBasePresenter &operator=(const TBasePresenter &) = delete;

    // A new presenter, fully created (both phases); a failure destroys it and reaches the caller.
    template<class P, class... TArgs>
    static std::unique_ptr<P> Create(TArgs &&...args)
    {
        auto presenter = std::make_unique<P>(std::forward<TArgs>(args)...);
        presenter->Initialize();
        return presenter;
    }
    // A new presenter of a class registered with ZUNTA_REGISTER_PRESENTER; null when none is.
    static std::unique_ptr<TBasePresenter> CreatePresenter(const QString &AClassName);

    // The presenter's own class name, as given to the constructor.
    const QString &ClassName() const { return m_className; }

    // --- Owned objects ---------------------------------------------------------------------

    // The record being edited; replaced by Clear, findById, SetInfoControlsToEntity and
    // PostComplex, so a pointer to it is only good until the next of those.
    TBaseEntity *Entity() const { return m_entity.get(); }
    template<class T>
    T *EntityAs() const
    {
        return static_cast<T *>(m_entity.get());
    }
    void SetEntity(std::unique_ptr<TBaseEntity> AEntity);
    TBaseService *Service() const { return m_service.get(); }
    void SetService(std::unique_ptr<TBaseService> AService);
    TBaseFilterClass *FilterClass() const { return m_filterClass.get(); }
    void SetFilterClass(std::unique_ptr<TBaseFilterClass> AFilterClass);
    TMemTable &DataSetInfo() const { return *m_dataSetInfo; }
    TManagerControl &ManagerControls() const { return *m_managerControls; }
    TManagerControl &ManagerFilterControls() const { return *m_managerFilterControls; }

    // --- State -----------------------------------------------------------------------------

    QString ETag;
    bool IsViewForm = false;
    std::int64_t IdPrincipal = 0;
    std::int64_t IdRegistro = 0;
    std::int64_t IdRegistroFK = 0;
    QString TextSearch;
    QString ValueFixFilter;
    TPaginate Paginate;

    // --- Window callbacks ------------------------------------------------------------------

    TProcBase ProcReloadDados;
    TProcBase ProcAfterFillForm;
    // Run on the main thread once the controls were copied into a fresh Entity() for a save,
    // before the request: a window adjusts there what it sends without changing what it shows.
    TProcBase ProcAfterControlsToEntity;
    // Queued to the main thread after a list was copied into the table.
    TProcBase ProcAfterFindByFilter;
    // Handed to every filter control as its change handler by ClearFilters.
    TNotifyEvent ProcChangeControlsFilter;
    // Forwarded to the edit manager. Setting ProcFillListControl runs it at once, then prepares
    // the controls, then runs ProcAfterFillListControl: set that one first.
    void SetProcFillListControl(TProcBase AProc);
    void SetProcAfterFillListControl(TProcBase AProc);
    const std::vector<std::unique_ptr<TItemControl>> &ListControlsFill() const;
    const std::vector<std::unique_ptr<TItemControl>> &ListFilterControlsFill() const;

    // --- Controls --------------------------------------------------------------------------

    // Once, by a window with a filter panel: change handler, control set-up, empty filters.
    void ClearFilters();
    void ClearListControls();
    void EnabledControls();
    // True, or one exception with every failure, one per line.
    bool ValidControls();
    TItemControl *FindItemControl(const QString &AComponentName) const;
    TItemControl *FindItemFilterControl(const QString &AComponentName) const;
    // A fresh entity, filled from the bound edit controls by property name.
    void SetInfoControlsToEntity();

    // --- Records ---------------------------------------------------------------------------

    // Runs on the calling thread up to the server read; filling the controls and
    // ProcAfterFillForm run on the main thread (the caller waits for them). A record read that
    // comes back without an id above 0 (the back end's answer for an id it does not know) is
    // no record: it raises the reply's own message, or "WARNING:Informações não localizadas.",
    // and the controls are left alone.
    virtual void findById(std::int64_t AId);
    void View(std::int64_t AId);
    void Edit(std::int64_t AId);
    // Saves the record of the controls; afterwards Entity (the same object) carries the saved
    // values and Id. A failure leaves the controls' values in Entity. The controls are read on
    // the calling thread; a presenter whose save reaches the back end sends it through
    // runOffMainThread, so a window saving on the main thread keeps painting meanwhile.
    virtual void Post();
    // Saves the aggregate; afterwards Entity is a new object with the saved values.
    virtual void PostComplex();
    // The save reaches the back end (true); a presenter that keeps its rows in its own table
    // answers false and saves on the calling thread.
    virtual bool postsToBackEnd() const;
    // Removes the record of that id (0 raises "WARNING:Campo ID não está preenchido
    // corretamente." and sends nothing).
    virtual bool Delete(std::int64_t AId);
    virtual bool deleteItems(const TListInt64 &AListRemove);
    // A fresh entity; with AClearDataSet the list table is emptied (its filter off), with
    // AClearManagerControls the bound controls are cleared. AIsNew is for descendants.
    virtual void Clear(bool AClearDataSet, bool AClearManagerControls, bool AIsNew = false);

    // --- List ------------------------------------------------------------------------------

    // The list request of the row list (may run on a worker). The base only opens the table;
    // an override calls it and then findByFilterToDataSet<TRowDto>().
    virtual void findByFilterToDataSet();
    // The local filter text for TextSearch over the columns of GetFieldsSearch; "1 = 0" when a
    // text fits no column; the default filter for an empty text; empty when the table is closed.
    QString SearchFilter();
    // Links each row to its parent row: ID_REGISTRO_FK := the ID_REGISTRO of the parent row
    // whose ID equals this row's ANameFieldFK column. The table's filter state is kept.
    void SetInfoIdRegistroFK(TMemTable *ADataSet, const QString &ANameFieldFK);
    // The current row into the object's properties of the same snake names (texts trimmed).
    virtual void SetObjectFromDataSet(TSerializeObject *AObject, TMemTable *ADataSet);

    // One page of rows (Paginate, TextSearch, ValueFixFilter and the filter object) into the
    // table. A 304 reply keeps the rows of the same request and runs no callback; for a
    // different request (a new search) it empties the table and runs the callback, so the row
    // list shows that nothing was found.
    template<class T>
    void findByFilterToDataSet()
    {
        findByFilterToDataSet(T::StaticClassInfo());
    }
    // The rows into the table (on the main thread), ProcAfterFindByFilter queued, then
    // afterFillDataSet on the calling thread. No list leaves the table as it is.
    template<class T>
    void fillDataSetInfo(const TObjectList<T> *AList)
    {
        if (!AList) {
            fillObjectsDataSetInfo(nullptr);
            return;
        }
        std::vector<const TSerializeObject *> objects;
        objects.reserve(AList->size());
        for (const auto &item : *AList)
            objects.push_back(item.get());
        fillObjectsDataSetInfo(&objects);
    }
    // The first 100 rows of the resource, without search, fixed filter or filter object; the
    // caller owns them. No list for a 304 reply.
    template<class T>
    std::optional<TObjectList<T>> findAllFirstPage()
    {
        return m_service->findByFilter<T>(QString(), QString(), 1, 100, nullptr);
    }

    // The untyped forms behind the templates. From a worker the rows go into the table in
    // slices of about a frame's time, each on the main thread, which serves its event loop
    // between them; the table holds the whole list only once the call returns.
    void findByFilterToDataSet(const TClassInfo &ARowClass);
    void fillObjectsDataSetInfo(const std::vector<const TSerializeObject *> *AObjects);

    // Runs the step on a worker when called on the main thread, which meanwhile serves its
    // event loop without user input (windows repaint, timers and queued steps run) until the
    // step has ended; on any other thread the step runs at once. The step touches no widget.
    // Its failure reaches the caller.
    static void runOffMainThread(const std::function<void()> &AStep);

protected:
    // AClassName is the presenter's own class name ("TListaSistemaPresenter" names its table
    // "lista_sistema").
    explicit TBasePresenter(const QString &AClassName);
    // The second phase of creation; see the class comment.
    void Initialize();

    virtual std::unique_ptr<TBaseEntity> CreateEntity() = 0;
    virtual std::unique_ptr<TBaseService> CreateService() = 0;
    virtual std::unique_ptr<TBaseFilterClass> CreateFilterClass();
    // Puts the default filter text on the list table (used by SearchFilter for an empty text).
    virtual void SetFilterDefault();
    // The saved record by id, a new object; none in the base (the blank entity is shown).
    virtual std::unique_ptr<TSerializeObject> getById(std::int64_t AId);
    // Sends the entity (Post runs it off the main thread when postsToBackEnd).
    virtual std::unique_ptr<TSerializeObject> PostService();
    // Builds the aggregate's body from the child tables and remove lists and sends it. It runs
    // on the calling thread, since the child tables belong to the main thread's row lists: an
    // override builds the body there and sends it through runOffMainThread.
    virtual std::unique_ptr<TSerializeObject> PostComplexService();

    virtual void afterClear();
    // ID, ID_REGISTRO and ID_REGISTRO_FK; descendants call it first and add their own columns.
    virtual void CreateFieldsDataSet();
    virtual void afterFillDataSet();
    // True makes a list load read the whole list (every page the reply announces, from the
    // first) into the table instead of the page asked for.
    virtual bool readsEveryPage() const { return false; }
    virtual void beforeFindByFilter();
    // The ";"-separated column names SearchFilter looks in.
    virtual QString GetFieldsSearch();

    // Runs the step on the main thread; a worker waits for it and gets its failure.
    static void runOnMainThread(const std::function<void()> &AStep);
    static bool isMainThread();

private:
    void setDateDisplay();
    QString listRequestKey() const;

    QString m_className;
    std::unique_ptr<TManagerControl> m_managerControls;
    std::unique_ptr<TManagerControl> m_managerFilterControls;
    std::unique_ptr<TBaseEntity> m_entity;
    std::unique_ptr<TBaseService> m_service;
    std::unique_ptr<TBaseFilterClass> m_filterClass;
    std::unique_ptr<TMemTable> m_dataSetInfo;
    // The request whose rows the table holds; empty when it holds none from a request.
    QString m_loadedRequestKey;
    bool m_initialized = false;
};

// How a presenter is created from its class name (the class registry holds one per presenter).
using TPresenterFactory = std::function<std::unique_ptr<TBasePresenter>()>;

// In a presenter's .cpp: put the presenter in the class registry at start-up, so that
// TBasePresenter::CreatePresenter finds it by name.
#define ZUNTA_REGISTER_PRESENTER(ClassName)                                                        \
    namespace {                                                                                    \
    const TClassRegistration zuntaPresenterRegistration##ClassName(                                \
        QStringLiteral(#ClassName), TPresenterFactory([]() -> std::unique_ptr<TBasePresenter> {    \
            return TBasePresenter::Create<ClassName>();                                            \
        }));                                                                                       \
    }

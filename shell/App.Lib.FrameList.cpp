#include "App.Lib.FrameList.h"

#include "AniIndicator.h"
#include "Label.h"
#include "App.Lib.Exception.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr TAlphaColor stripeColor = 0xFFE3E3E3;
// Rows are built for about one frame before the event loop runs again.
constexpr qint64 sliceMs = 16;
const QString notFoundMessage = QStringLiteral("WARNING:Informações não localizadas.");

} // namespace

// Where a build stands: the next row's stripe, top and number.
struct TFrameList::TRowState
{
    bool ActiveControls = true;
    TAlphaColor Color = stripeColor;
    int Top = 2;
    int Count = 0;
    // What a row put off is reckoned to need: the last row built and its margin.
    int RowSpace = 0;
    TField *FieldIdRegistro = nullptr;
    TField *FieldId = nullptr;
};

struct TFrameList::TPendingRows
{
    TRowState Rows;
    // The ID_REGISTRO of each row still to build, in the order of the fill.
    std::vector<std::int64_t> IdsRegistro;
    std::size_t Next = 0;

    std::size_t Remaining() const { return IdsRegistro.size() - Next; }
};

TFrameList::TFrameList() = default;

TFrameList::~TFrameList()
{
    dropPendingRows();
}

void TFrameList::fillDados(bool AIsFillForm,
                           TTypePosition ATypePosition,
                           TProcList AEnabledControls,
                           bool AActiveControls,
                           bool AActiveFindAll,
                           bool AIsSubCadastro,
                           const QString &AMessageErroDefault)
{
    // The worker reads a snapshot and never the list, which may be freed meanwhile.
    struct TFillRun
    {
        TBasePresenter *Presenter;
        TPaginate Paginate;
        bool Abandoned = false; // the list or its scroll box was gone when the fill started
        bool BuildRows = false; // written by the worker, read by the completion after it
    };
    auto run = std::make_shared<TFillRun>(TFillRun { FPresenter, Paginate });
    const std::weak_ptr<int> alive = m_alive;
    TUtils::CustomThread(
        [this, alive, run, AEnabledControls] {
            if (alive.expired() || !FVertScroll) {
                run->Abandoned = true;
                return;
            }
            if (AEnabledControls)
                AEnabledControls();
            if (alive.expired() || !FVertScroll) {
                run->Abandoned = true;
                return;
            }
            InitialFillDados();
        },
        [run, AIsFillForm, AActiveFindAll, AIsSubCadastro] {
            if (run->Abandoned)
                return;
            TBasePresenter *presenter = run->Presenter;
            presenter->Paginate.Page = run->Paginate.Page;
            presenter->Paginate.Limit = run->Paginate.Limit;
            TMemTable &table = presenter->DataSetInfo();
            if (AActiveFindAll) {
                presenter->findByFilterToDataSet();
                table.SetFiltered(false);
            }
            if (AIsSubCadastro) {
                table.SetFiltered(false);
                const QString filter = presenter->SearchFilter();
                table.SetFilter(filter);
                table.SetFiltered(!filter.isEmpty());
            }
            if (TBaseService *service = presenter->Service()) {
                presenter->Paginate.TotalPages = service->TotalPages();
                presenter->Paginate.TotalRegistros = service->TotalRecords();
                presenter->ETag = service->ETag;
            }
            presenter->Paginate.CountList = table.RecordCount();
            if (table.Active() && table.RecordCount() > 0)
                run->BuildRows = true;
            else if (!AIsFillForm)
                TAppUtils::UtilsException(notFoundMessage);
        },
        [this, alive, run, ATypePosition, AEnabledControls, AActiveControls](bool AError) {
            if (run->Abandoned || alive.expired())
                return;
            if (!AError && run->BuildRows) {
                TBuildEnd end = TBuildEnd::Done;
                try {
                    end = buildRows(AActiveControls);
                } catch (...) {
                    if (!alive.expired())
                        CompleteFillDados(ATypePosition, AEnabledControls);
                    throw;
                }
                if (end == TBuildEnd::ListFreed)
                    return;
            }
            CompleteFillDados(ATypePosition, AEnabledControls);
        },
        [](const TWorkerThread &sender) {
            TAppUtils::HandleTerminateThread(sender.FatalException());
        },
        [](const QString &message) { TAppUtils::UtilsException(message); },
        AMessageErroDefault);
}

void TFrameList::fillDadosSubCadastro(bool AIsFillForm,
                                      bool AEnableGetDados,
                                      TMemTable *ADataSet,
                                      const QString &ANameFieldFK,
                                      std::int64_t AIdFK,
                                      TProcList AEnabledControls)
{
    const std::weak_ptr<int> alive = m_alive;
    // A failed read of the children is never dropped: the record would open with an empty list
    // that its save sends back as though the children had been removed.
    bool reading = false;
    InitialFillDados();
    try {
        if (AEnableGetDados) {
            FPresenter->IdPrincipal = AIdFK;
            FPresenter->Paginate.Limit = 5000;
            reading = true;
            FPresenter->findByFilterToDataSet();
            reading = false;
            if (ADataSet)
                FPresenter->SetInfoIdRegistroFK(ADataSet, ANameFieldFK);
        }
        TMemTable &table = FPresenter->DataSetInfo();
        const QString searchFilter = FPresenter->SearchFilter();
        QString filter = searchFilter;
        table.SetFiltered(false);
        if (FPresenter->IdRegistroFK != 0) {
            filter
                = QStringLiteral("ID_REGISTRO_FK = ") + QString::number(FPresenter->IdRegistroFK);
            if (!searchFilter.isEmpty())
                filter += QStringLiteral(" and ") + searchFilter;
        }
        if (!filter.isEmpty()) {
            table.SetFilter(filter);
            table.SetFiltered(true);
        }
        if (table.Active() && table.RecordCount() > 0) {
            if (buildRows(true) == TBuildEnd::ListFreed)
                return;
        } else if (!AIsFillForm) {
            TAppUtils::UtilsException(notFoundMessage);
        }
    } catch (...) {
        if (!alive.expired())
            CompleteFillDados(TTypePosition::tpTop, AEnabledControls);
        if (AIsFillForm && !reading)
            return;
        throw;
    }
    CompleteFillDados(TTypePosition::tpTop, AEnabledControls);
}

void TFrameList::SetDataSetToFrame(bool AActiveControls)
{
    buildRows(AActiveControls);
}

TFrameList::TBuildEnd TFrameList::buildRows(bool AActiveControls)
{
    if (!FVertScroll)
        return TBuildEnd::Superseded;
    const std::weak_ptr<int> alive = m_alive;
    const std::uint64_t generation = m_generation;
    if (FProcBeforeFillFrame)
        FProcBeforeFillFrame();
    TMemTable &table = FPresenter->DataSetInfo();
    TRowState rows;
    rows.ActiveControls = AActiveControls;
    // Counted here: asking the scroll box for its rows on every row makes a long list quadratic.
    // Rows an earlier build put off are built by this count, before this build moves the cursor.
    rows.Count = int(FVertScroll->controls().size());
    table.First();
    rows.FieldIdRegistro = table.FindField(QStringLiteral("ID_REGISTRO"));
    rows.FieldId = table.FindField(QStringLiteral("ID"));
    const int sight = sightEnd();
    QElapsedTimer slice;
    slice.start();
    while (!table.Eof()) {
        buildRow(table, rows);
        table.Next();
        if (table.Eof())
            break;
        // Without a key the rows cannot be found again later: they are all built now.
        if (rows.FieldIdRegistro && rows.Top >= sight) {
            putOffRows(table, rows);
            break;
        }

        if (slice.elapsed() >= sliceMs) {
            const std::int64_t next = rows.FieldIdRegistro ? rows.FieldIdRegistro->AsLargeInt() : 0;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (alive.expired())
                return TBuildEnd::ListFreed;
            if (!FVertScroll || m_generation != generation)
                return TBuildEnd::Superseded;
            // Whatever ran meanwhile may have moved the cursor: back to the next row, or stop
            // when it is gone.
            if (rows.FieldIdRegistro && (table.Eof() || rows.FieldIdRegistro->AsLargeInt() != next)
                && !table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(next)))
                return TBuildEnd::Superseded;
            slice.restart();
        }
    }
    return TBuildEnd::Done;
}

void TFrameList::buildRow(TMemTable &table, TRowState &rows)
{
    TFrameBaseAdapter *frame = nullptr;
    if (FProcFillFrameItem)
        FProcFillFrameItem(table, frame);
    if (!frame)
        TAppUtils::UtilsException(QStringLiteral("ERROR:Linha da lista não foi criada."));
    rows.Color = rows.Color == stripeColor ? frame->RectangleBackground->fillColor() : stripeColor;

    frame->setObjectName(QString::fromLatin1(frame->metaObject()->className())
                         + QString::number(rows.Count));
    SetParentControl(frame, FVertScroll->content());
    ++rows.Count;
    frame->LabelRegistro->setText(QStringLiteral("%1").arg(rows.Count, 4, 10, QLatin1Char('0')));
    frame->RectangleBackground->setFillColor(rows.Color);

    if (FIsFillIds) {
        const std::int64_t id
            = (rows.FieldId ? rows.FieldId : table.FieldByName(QStringLiteral("ID")))->AsLargeInt();
        frame->TagString = QString::number(id);
        frame->LabelID->setText(QStringLiteral("%1").arg(id, 10, 10, QLatin1Char('0')));
    }
    if (rows.FieldIdRegistro)
        frame->SetIdRegistro(rows.FieldIdRegistro->AsLargeInt());

    frame->setAlign(TAlignLayout::Top);
    frame->setMargins(0, 2, 0, 0);
    frame->setPositionY(rows.Top);
    frame->setEnabled(rows.ActiveControls);
    if (FProcAfterFillFrame)
        FProcAfterFillFrame(table, frame);

    rows.RowSpace = frame->height() + 2;
    rows.Top += rows.RowSpace;
}

namespace {

// Tells its list when the sight of the scroll box moves or grows.
class TSightWatcher final : public QObject
{
public:
    TSightWatcher(TVertScrollBox *box, std::function<void()> changed)
        : m_viewport(box->viewport())
        , m_changed(std::move(changed))
    {
        m_viewport->installEventFilter(this);
        m_connection = connect(box->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
            if (m_changed)
                m_changed();
        });
    }

    // Tells nothing more: the watcher is about to go.
    void stop()
    {
        m_changed = nullptr;
        disconnect(m_connection);
        if (m_viewport)
            m_viewport->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && m_changed)
            m_changed();
        return false;
    }

private:
    QPointer<QWidget> m_viewport;
    std::function<void()> m_changed;
    QMetaObject::Connection m_connection;
};

} // namespace

void TFrameList::putOffRows(TMemTable &table, const TRowState &rows)
{
    auto pending = std::make_unique<TPendingRows>();
    pending->Rows = rows;
    pending->IdsRegistro.reserve(std::size_t(table.RecordCount()));
    for (; !table.Eof(); table.Next())
        pending->IdsRegistro.push_back(rows.FieldIdRegistro->AsLargeInt());
    setReservedHeight(int(pending->Remaining()) * rows.RowSpace);
    m_pending = std::move(pending);

    buildPendingOnWalk();
    m_pendingQueued = false;
    m_sightWatcher
        = std::make_unique<TSightWatcher>(FVertScroll, [this] { schedulePendingRows(); });
}

bool TFrameList::buildPendingRows(bool AAll)
{
    if (!m_pending || !FVertScroll || m_buildingPending)
        return false;
    const std::weak_ptr<int> alive = m_alive;
    TMemTable &table = FPresenter->DataSetInfo();
    TField *fieldIdRegistro = table.FindField(QStringLiteral("ID_REGISTRO"));
    if (!fieldIdRegistro) {
        dropPendingRows();
        return false;
    }
    // Moving the cursor would post or cancel the record being edited: later.
    if (table.State() != TDataSetState::Browse) {
        buildPendingOnWalk();
        return false;
    }
    if (!AAll && m_pending->Rows.Top >= sightEnd())
        return false;

    const std::uint64_t generation = m_generation;
    m_buildingPending = true;
    const bool wasEof = table.Eof();
    const std::int64_t current = wasEof ? 0 : fieldIdRegistro->AsLargeInt();
    const auto restoreCursor = [&] {
        m_buildingPending = false;
        if (!table.Active() || table.State() != TDataSetState::Browse)
            return;
        if (wasEof) {
            table.Last();
            table.Next();
        } else {
            table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(current));
        }
    };

    TPendingRows *pending = m_pending.get();
    TRowState &rows = pending->Rows;
    rows.FieldIdRegistro = fieldIdRegistro;
    rows.FieldId = table.FindField(QStringLiteral("ID"));
    QElapsedTimer slice;
    slice.start();
    try {
        while (pending->Remaining() > 0) {
            const std::int64_t idRegistro = pending->IdsRegistro[pending->Next++];
            if ((table.Eof() || fieldIdRegistro->AsLargeInt() != idRegistro)
                && !table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(idRegistro)))
                continue;
            buildRow(table, rows);
            // A callback that cleared the rows or freed the list ends this build.
            if (alive.expired())
                return false;
            if (m_generation != generation || m_pending.get() != pending)
                break;
            table.Next();
            if (!AAll && (slice.elapsed() >= sliceMs || rows.Top >= sightEnd()))
                break;
        }
    } catch (...) {
        if (!alive.expired()) {
            restoreCursor();
            if (m_pending.get() == pending)
                dropPendingRows();
        }
        throw;
    }
    restoreCursor();
    if (m_generation != generation || m_pending.get() != pending || !FVertScroll)
        return false;
    if (pending->Remaining() == 0) {
        dropPendingRows();
        return false;
    }
    setReservedHeight(int(pending->Remaining()) * rows.RowSpace);
    buildPendingOnWalk();
    return rows.Top < sightEnd();
}

void TFrameList::buildPendingOnWalk()
{
    const std::weak_ptr<int> alive = m_alive;
    FVertScroll->setPendingControls([this, alive] {
        if (!alive.expired())
            buildPendingRows(true);
    });
}

void TFrameList::schedulePendingRows()
{
    if (!m_pending || !m_sightWatcher || m_pendingQueued)
        return;
    m_pendingQueued = true;
    QObject *watcher = m_sightWatcher.get();
    const std::weak_ptr<int> alive = m_alive;
    QTimer::singleShot(0, watcher, [this, alive, watcher] {
        if (alive.expired() || m_sightWatcher.get() != watcher)
            return;
        m_pendingQueued = false;
        bool more = false;
        m_inSightStep = true;
        TDravikHandleException::Guard([&] { more = buildPendingRows(false); });
        if (alive.expired())
            return;
        m_inSightStep = false;
        if (more)
            schedulePendingRows();
    });
}

void TFrameList::retireSightWatcher()
{
    m_pendingQueued = false;
    if (!m_sightWatcher)
        return;
    // Inside its own timer step it is freed once that step is over.
    if (m_inSightStep) {
        auto *watcher = static_cast<TSightWatcher *>(m_sightWatcher.release());
        watcher->stop();
        watcher->deleteLater();
    } else {
        m_sightWatcher.reset();
    }
}

void TFrameList::dropPendingRows()
{
    m_pending.reset();
    retireSightWatcher();
    if (FVertScroll) {
        FVertScroll->setPendingControls(nullptr);
        setReservedHeight(0);
    }
}

void TFrameList::setReservedHeight(int height)
{
    InstallAlignLayout(FVertScroll->content(), TAlignedLayout::Mode::ScrollContent)
        ->setReservedHeight(height);
}

int TFrameList::sightEnd() const
{
    // Before the window is laid out its scroll box may not have its final size yet; the
    // window's height bounds what the box can show.
    const int view = std::max(FVertScroll->viewport()->height(), FVertScroll->window()->height());
    return FVertScroll->verticalScrollBar()->value() + 2 * view;
}

void TFrameList::SetVertScroll(TVertScrollBox *value)
{
    if (value == FVertScroll)
        return;
    dropPendingRows();
    FVertScroll = value;
}

void TFrameList::InitialFillDados()
{
    if (FLoading) {
        FLoading->setEnabled(true);
        FLoading->setVisible(true);
        FLoading->raise();
    }
    if (!FVertScroll)
        return;
    ++m_generation;
    dropPendingRows();
    FVertScroll->setVisible(false);
    FVertScroll->beginUpdate();
    TAppUtils::ClearVertScroll(FVertScroll);
}

void TFrameList::CompleteFillDados(TTypePosition ATypePosition, const TProcList &AEnabledControls)
{
    // Without its scroll box the window is gone: nothing of it is left to complete.
    if (!FVertScroll)
        return;
    if (FProcFillPaginate)
        FProcFillPaginate();
    if (FLoading) {
        FLoading->setEnabled(false);
        FLoading->setVisible(false);
    }
    if (ATypePosition == TTypePosition::tpTop)
        FVertScroll->scrollToTop();
    FVertScroll->setVisible(true);
    FVertScroll->endUpdate();
    FVertScroll->update();
    // The box shown may see further than the fill reckoned.
    schedulePendingRows();
    if (AEnabledControls)
        AEnabledControls();
}

void TFrameList::ClearList(TVertScrollBox *AVertScroll, bool AActiveEndUpdate)
{
    if (!AVertScroll) {
        AVertScroll = FVertScroll;
        if (FPresenter && FPresenter->DataSetInfo().RecordCount() > 0)
            FPresenter->DataSetInfo().EmptyDataSet();
    }
    if (!AVertScroll)
        return;
    if (AVertScroll == FVertScroll) {
        ++m_generation;
        dropPendingRows();
    }
    TAppUtils::ClearVertScroll(AVertScroll);
    if (AActiveEndUpdate)
        AVertScroll->endUpdate();
}

void TFrameList::ClearList()
{
    if (!FVertScroll)
        return;
    FVertScroll->beginUpdate();
    ClearList(FVertScroll, true);
}

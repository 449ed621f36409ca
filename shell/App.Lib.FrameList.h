#pragma once

#include "AniIndicator.h"
#include "App.Base.Adapter.h"
#include "App.Base.Presenter.h"
#include "ScrollBox.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TMemTable;

// Where the scroll box stands after a fill.
enum class TTypePosition { tpCurrentPosition, tpTop };

// Creates the row frame of the table's current record and fills its labels.
using TProcFillFrameItem = std::function<void(TMemTable &DataSet, TFrameBaseAdapter *&frame)>;
using TProcList = std::function<void()>;

// Fills a vertical scroll box with one row frame per record of a presenter's list table: a page
// read on a worker thread (fillDados) or a child list at once (fillDadosSubCadastro). Owns
// nothing it is given; the rows belong to whoever the row callback makes their owner.
//
// Rows are built on the main thread in slices of about one frame's time; between slices the
// event loop runs without user input, so the window repaints and its busy indicator turns while
// a list is built. A fill builds the rows down to a view's height below the sight; the others
// wait until the view scrolls or grows towards them, and the scroll box's content keeps their
// room meanwhile, so it scrolls as if they were there. Whoever asks the scroll box for all its
// controls gets every row built first. Each row is built through the same callbacks, in the
// same order and with the table on its record, as in one pass, with the stripes, numbers and
// positions one pass gives; building a row later leaves the table's cursor where it was. A row
// whose record is gone from the table's view by then is left out.
//
// A list freed, or whose scroll box was freed, while a fill runs is left alone by the rest of
// that fill: the steps still to come on the main thread touch neither the list nor the window.
// The worker's read goes on with the presenter, so a window frees its presenter after its list.
class TFrameList
{
public:
    TFrameList();
    virtual ~TFrameList();
    TFrameList(const TFrameList &) = delete;
    TFrameList &operator=(const TFrameList &) = delete;

    void SetLoading(TAniIndicator *value) { FLoading = value; }
    TVertScrollBox *VertScroll() const { return FVertScroll.data(); }
    void SetVertScroll(TVertScrollBox *value);
    TBasePresenter *Presenter() const { return FPresenter; }
    void SetPresenter(TBasePresenter *value) { FPresenter = value; }
    void SetProcFillFrameItem(TProcFillFrameItem value) { FProcFillFrameItem = std::move(value); }
    void SetProcFillPaginate(TProcList value) { FProcFillPaginate = std::move(value); }
    void SetIsFillIds(bool value) { FIsFillIds = value; }
    void SetProcBeforeFillFrame(TProcList value) { FProcBeforeFillFrame = std::move(value); }
    void SetProcAfterFillFrame(TProcFillFrameItem value) { FProcAfterFillFrame = std::move(value); }

    // The window puts Page and Limit here before each fill.
    TPaginate Paginate;

    // Fills the list in the background (returns at once). AEnabledControls runs when the fill
    // starts and again when it completes; a failure (or "WARNING:Informações não localizadas."
    // unless AIsFillForm) is shown through the worker's end-of-thread handler, with
    // AMessageErroDefault in place of its text when given.
    virtual void fillDados(bool AIsFillForm,
                           TTypePosition ATypePosition,
                           TProcList AEnabledControls,
                           bool AActiveControls,
                           bool AActiveFindAll,
                           bool AIsSubCadastro,
                           const QString &AMessageErroDefault);
    // Fills a child list at once on the calling (main) thread, restricted to the children of the
    // presenter's IdRegistroFK. A failure reaches the caller, unless AIsFillForm.
    void fillDadosSubCadastro(bool AIsFillForm,
                              bool AEnableGetDados,
                              TMemTable *ADataSet,
                              const QString &ANameFieldFK,
                              std::int64_t AIdFK,
                              TProcList AEnabledControls);
    // Builds the rows from the table in its current state.
    void SetDataSetToFrame(bool AActiveControls);
    void InitialFillDados();
    void CompleteFillDados(TTypePosition ATypePosition, const TProcList &AEnabledControls);
    // Without a scroll box: the list's own, and the presenter's table is emptied.
    void ClearList(TVertScrollBox *AVertScroll, bool AActiveEndUpdate);
    // Removes the rows of the list's scroll box, keeping the table.
    void ClearList();

private:
    // How a slice-wise build ended.
    enum class TBuildEnd { Done, Superseded, ListFreed };
    struct TRowState;
    struct TPendingRows;
    TBuildEnd buildRows(bool AActiveControls);
    void buildRow(TMemTable &table, TRowState &rows);
    // Keeps the rows from the table's current record on for later.
    void putOffRows(TMemTable &table, const TRowState &rows);
    // Builds rows put off: all of them, or for about a slice those up to the sight's end. True
    // while rows in sight are still missing.
    bool buildPendingRows(bool AAll);
    // Whoever walks all the scroll box's controls gets the rows put off built first.
    void buildPendingOnWalk();
    void schedulePendingRows();
    void dropPendingRows();
    void retireSightWatcher();
    void setReservedHeight(int height);
    // The content's y down to which rows are built: the sight and a view's height below it.
    int sightEnd() const;

    QPointer<TAniIndicator> FLoading;
    QPointer<TVertScrollBox> FVertScroll;
    TBasePresenter *FPresenter = nullptr;
    TProcFillFrameItem FProcFillFrameItem;
    TProcList FProcFillPaginate;
    bool FIsFillIds = false;
    TProcList FProcBeforeFillFrame;
    TProcFillFrameItem FProcAfterFillFrame;
    // Expires with the list: main-thread steps of a fill test it before touching the list.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    // Grows with every clearing of the rows: a build that sees it change stops.
    std::uint64_t m_generation = 0;
    std::unique_ptr<TPendingRows> m_pending;
    // Watches the scroll box while rows are put off; its timers die with it.
    std::unique_ptr<QObject> m_sightWatcher;
    bool m_pendingQueued = false;
    bool m_buildingPending = false;
    bool m_inSightStep = false;
};

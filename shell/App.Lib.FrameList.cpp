#include "App.Lib.FrameList.h"

#include "AniIndicator.h"
#include "Label.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

namespace {

constexpr TAlphaColor stripeColor = 0xFFE3E3E3;
// Rows are built for about one frame before the event loop runs again.
constexpr qint64 sliceMs = 16;
const QString notFoundMessage = QStringLiteral("WARNING:Informações não localizadas.");

} // namespace

TFrameList::TFrameList() = default;

TFrameList::~TFrameList() = default;

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
    InitialFillDados();
    try {
        if (AEnableGetDados) {
            FPresenter->IdPrincipal = AIdFK;
            FPresenter->Paginate.Limit = 5000;
            FPresenter->findByFilterToDataSet();
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
        if (AIsFillForm)
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
    table.First();
    TAlphaColor color = stripeColor;
    int top = 2;
    // Counted here: asking the scroll box for its rows on every row makes a long list quadratic.
    int count = int(FVertScroll->controls().size());
    TField *fieldIdRegistro = table.FindField(QStringLiteral("ID_REGISTRO"));
    TField *fieldId = table.FindField(QStringLiteral("ID"));
    QElapsedTimer slice;
    slice.start();
    while (!table.Eof()) {
        TFrameBaseAdapter *frame = nullptr;
        if (FProcFillFrameItem)
            FProcFillFrameItem(table, frame);
        if (!frame)
            TAppUtils::UtilsException(QStringLiteral("ERROR:Linha da lista não foi criada."));
        color = color == stripeColor ? frame->RectangleBackground->fillColor() : stripeColor;

        frame->setObjectName(QString::fromLatin1(frame->metaObject()->className())
                             + QString::number(count));
        SetParentControl(frame, FVertScroll->content());
        ++count;
        frame->LabelRegistro->setText(QStringLiteral("%1").arg(count, 4, 10, QLatin1Char('0')));
        frame->RectangleBackground->setFillColor(color);

        if (FIsFillIds) {
            const std::int64_t id
                = (fieldId ? fieldId : table.FieldByName(QStringLiteral("ID")))->AsLargeInt();
            frame->TagString = QString::number(id);
            frame->LabelID->setText(QStringLiteral("%1").arg(id, 10, 10, QLatin1Char('0')));
        }
        if (fieldIdRegistro)
            frame->SetIdRegistro(fieldIdRegistro->AsLargeInt());

        frame->setAlign(TAlignLayout::Top);
        frame->setMargins(0, 2, 0, 0);
        frame->setPositionY(top);
        frame->setEnabled(AActiveControls);
        if (FProcAfterFillFrame)
            FProcAfterFillFrame(table, frame);

        table.Next();
        top += frame->height() + 2;

        if (slice.elapsed() >= sliceMs && !table.Eof()) {
            const std::int64_t next = fieldIdRegistro ? fieldIdRegistro->AsLargeInt() : 0;
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (alive.expired())
                return TBuildEnd::ListFreed;
            if (!FVertScroll || m_generation != generation)
                return TBuildEnd::Superseded;
            // Whatever ran meanwhile may have moved the cursor: back to the next row, or stop
            // when it is gone.
            if (fieldIdRegistro && (table.Eof() || fieldIdRegistro->AsLargeInt() != next)
                && !table.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(next)))
                return TBuildEnd::Superseded;
            slice.restart();
        }
    }
    return TBuildEnd::Done;
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
    if (AVertScroll == FVertScroll)
        ++m_generation;
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

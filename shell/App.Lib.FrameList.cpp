#include "App.Lib.FrameList.h"

#include "AniIndicator.h"
#include "Label.h"
#include "App.Lib.Utils.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"

#include <memory>

namespace {

constexpr TAlphaColor stripeColor = 0xFFE3E3E3;
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
    // Written by the worker, read by the completion on the main thread after it.
    auto buildRows = std::make_shared<bool>(false);
    TUtils::CustomThread(
        [this, AEnabledControls] {
            if (AEnabledControls)
                AEnabledControls();
            InitialFillDados();
        },
        [this, buildRows, AIsFillForm, AActiveFindAll, AIsSubCadastro] {
            FPresenter->Paginate.Page = Paginate.Page;
            FPresenter->Paginate.Limit = Paginate.Limit;
            TMemTable &table = FPresenter->DataSetInfo();
            if (AActiveFindAll) {
                FPresenter->findByFilterToDataSet();
                table.SetFiltered(false);
            }
            if (AIsSubCadastro) {
                table.SetFiltered(false);
                const QString filter = FPresenter->SearchFilter();
                table.SetFilter(filter);
                table.SetFiltered(!filter.isEmpty());
            }
            if (TBaseService *service = FPresenter->Service()) {
                FPresenter->Paginate.TotalPages = service->TotalPages();
                FPresenter->Paginate.TotalRegistros = service->TotalRecords();
                FPresenter->ETag = service->ETag;
            }
            FPresenter->Paginate.CountList = table.RecordCount();
            if (table.Active() && table.RecordCount() > 0)
                *buildRows = true;
            else if (!AIsFillForm)
                TAppUtils::UtilsException(notFoundMessage);
        },
        [this, buildRows, ATypePosition, AEnabledControls, AActiveControls](bool AError) {
            if (!AError && *buildRows) {
                try {
                    SetDataSetToFrame(AActiveControls);
                } catch (...) {
                    CompleteFillDados(ATypePosition, AEnabledControls);
                    throw;
                }
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
        if (table.Active() && table.RecordCount() > 0)
            SetDataSetToFrame(true);
        else if (!AIsFillForm)
            TAppUtils::UtilsException(notFoundMessage);
    } catch (...) {
        CompleteFillDados(TTypePosition::tpTop, AEnabledControls);
        if (AIsFillForm)
            return;
        throw;
    }
    CompleteFillDados(TTypePosition::tpTop, AEnabledControls);
}

void TFrameList::SetDataSetToFrame(bool AActiveControls)
{
    if (FProcBeforeFillFrame)
        FProcBeforeFillFrame();
    TMemTable &table = FPresenter->DataSetInfo();
    table.First();
    TAlphaColor color = stripeColor;
    int top = 2;
    TField *fieldIdRegistro = table.FindField(QStringLiteral("ID_REGISTRO"));
    while (!table.Eof()) {
        TFrameBaseAdapter *frame = nullptr;
        if (FProcFillFrameItem)
            FProcFillFrameItem(table, frame);
        if (!frame)
            TAppUtils::UtilsException(QStringLiteral("ERROR:Linha da lista não foi criada."));
        color = color == stripeColor ? frame->RectangleBackground->fillColor() : stripeColor;

        const int count = int(FVertScroll->controls().size());
        frame->setObjectName(QString::fromLatin1(frame->metaObject()->className())
                             + QString::number(count));
        SetParentControl(frame, FVertScroll->content());
        frame->LabelRegistro->setText(
            QStringLiteral("%1").arg(FVertScroll->controls().size(), 4, 10, QLatin1Char('0')));
        frame->RectangleBackground->setFillColor(color);

        if (FIsFillIds) {
            const std::int64_t id = table.FieldByName(QStringLiteral("ID"))->AsLargeInt();
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
    }
}

void TFrameList::InitialFillDados()
{
    if (FLoading) {
        FLoading->setEnabled(true);
        FLoading->setVisible(true);
        FLoading->raise();
    }
    FVertScroll->setVisible(false);
    FVertScroll->beginUpdate();
    TAppUtils::ClearVertScroll(FVertScroll);
}

void TFrameList::CompleteFillDados(TTypePosition ATypePosition, const TProcList &AEnabledControls)
{
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
    TAppUtils::ClearVertScroll(AVertScroll);
    if (AActiveEndUpdate)
        AVertScroll->endUpdate();
}

void TFrameList::ClearList()
{
    FVertScroll->beginUpdate();
    ClearList(FVertScroll, true);
}

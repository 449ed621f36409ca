#include "App.Base.Form.Pesquisa.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Lib.Application.h"
#include "App.Lib.Paginate.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QPointer>

namespace {

constexpr int pageLimit = 100;

} // namespace

TFormBasePesquisa::TFormBasePesquisa(QWidget *AParent)
    : TFormBasePesquisa(QStringLiteral("TFormBasePesquisa"), AParent)
{ }

TFormBasePesquisa::TFormBasePesquisa(const QString &AClassName, QWidget *AParent)
    : TFormBaseView(AClassName, AParent)
{
    setWindowTitle(QStringLiteral("Pesquisa"));
    buildForm();
}

void TFormBasePesquisa::buildForm()
{
    ToolBarPesquisa = new TToolBar(LayoutControlsForm, QStringLiteral("ToolBarPesquisa"));
    ToolBarPesquisa->setHeight(40);
    ToolBarPesquisa->setAlign(TAlignLayout::Top);

    EditPesquisar = new TEdit(ToolBarPesquisa, QStringLiteral("EditPesquisar"));
    EditPesquisar->setAlign(TAlignLayout::Client);
    EditPesquisar->setMargins(5, 5, 5, 5);
    EditPesquisar->setCharCase(TEditCharCase::UpperCase);
    SearchEditButtonPesquisar = EditPesquisar->addButton(
        TEditButtonKind::Search, QStringLiteral("SearchEditButtonPesquisar"));
    ClearEditButtonPesquisar = EditPesquisar->addButton(TEditButtonKind::Clear,
                                                        QStringLiteral("ClearEditButtonPesquisar"));

    RectangleFooter = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleFooter"));
    RectangleFooter->setHeight(60);
    RectangleFooter->setAlign(TAlignLayout::Bottom);
    RectangleFooter->setStrokeColor(TAlphaColors::Null);

    Layout1 = new TLayout(RectangleFooter, QStringLiteral("Layout1"));
    Layout1->setHeight(30);
    Layout1->setAlign(TAlignLayout::Top);
    using TPageButton = TPaginateControl::TPageButton;
    using TPageLabel = TPaginateControl::TPageLabel;
    Label3 = FPaginateControl.NewLabel(TPageLabel::CaptionListed, Layout1);
    Label3->setAlign(TAlignLayout::Left);
    Label3->setWidth(130);
    Label3->setMargins(5, 0, 0, 0);
    LabelRegistrosListados = FPaginateControl.NewLabel(TPageLabel::Listed, Layout1);
    LabelRegistrosListados->setAlign(TAlignLayout::Client);

    LayoutControl = new TLayout(RectangleFooter, QStringLiteral("LayoutControl"));
    LayoutControl->setAlign(TAlignLayout::Client);
    RectangleControlPage = new TRectangle(LayoutControl, QStringLiteral("RectangleControlPage"));
    RectangleControlPage->setAlign(TAlignLayout::Client);
    RectangleControlPage->setStrokeColor(TAlphaColors::Null);
    // Created from the right: Last, Next, Prior, First, then the page label and its caption.
    SpeedButtonLast = FPaginateControl.NewButton(
        TPageButton::Last, RectangleControlPage, TAlignLayout::Right, [this](QObject *sender) {
            SpeedButtonLastClick(sender);
        });
    SpeedButtonNext = FPaginateControl.NewButton(
        TPageButton::Next, RectangleControlPage, TAlignLayout::Right, [this](QObject *sender) {
            SpeedButtonNextClick(sender);
        });
    SpeedButtonPrior = FPaginateControl.NewButton(
        TPageButton::Prior, RectangleControlPage, TAlignLayout::Right, [this](QObject *sender) {
            SpeedButtonPriorClick(sender);
        });
    SpeedButtonFirst = FPaginateControl.NewButton(
        TPageButton::First, RectangleControlPage, TAlignLayout::Right, [this](QObject *sender) {
            SpeedButtonFirstClick(sender);
        });
    LabelPaginacao = FPaginateControl.NewLabel(TPageLabel::Page, RectangleControlPage);
    LabelPaginacao->setAlign(TAlignLayout::Right);
    LabelPaginacao->setWidth(80);
    LabelPaginacao->setHorzAlign(TTextAlign::Center);
    Label2 = FPaginateControl.NewLabel(TPageLabel::CaptionPage, RectangleControlPage);
    Label2->setAlign(TAlignLayout::Right);
    Label2->setWidth(50);

    RectangleBacgroundPesquisa
        = new TRectangle(LayoutControlsForm, QStringLiteral("RectangleBacgroundPesquisa"));
    RectangleBacgroundPesquisa->setAlign(TAlignLayout::Client);
    RectangleBacgroundPesquisa->setStrokeColor(TAlphaColors::Null);
    VertScrollBoxDados
        = new TVertScrollBox(RectangleBacgroundPesquisa, QStringLiteral("VertScrollBoxDados"));
    VertScrollBoxDados->setAlign(TAlignLayout::Client);
    AniIndicatorLoading->raise();

    EditPesquisar->OnKeyDown
        = [this](QObject *sender, int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
              EditPesquisarKeyDown(sender, key, keyChar, shift);
          };
    EditPesquisar->OnChangeTracking
        = [this](QObject *sender) { EditPesquisarChangeTracking(sender); };
    SearchEditButtonPesquisar->OnClick
        = [this](QObject *sender) { SearchEditButtonPesquisarClick(sender); };
    ClearEditButtonPesquisar->OnClick
        = [this](QObject *sender) { ClearEditButtonPesquisarClick(sender); };
}

TFormBasePesquisa::~TFormBasePesquisa()
{
    // RectanglePrincipal may sit in the main window's side area: the base gives it back after
    // this; the rows go first, then the list, while the presenter (the lookup's) still lives.
    if (FFrameList)
        FFrameList->ClearList();
    FFrameList.reset();
}

void TFormBasePesquisa::FormCreate()
{
    TFormBaseView::FormCreate();
    FFrameList = std::make_unique<TFrameList>();
    layoutFooter();
}

void TFormBasePesquisa::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    RectangleBacgroundPesquisa->setFillColor(color.BackgroundColor);
    RectangleFooter->setFillColor(color.BackgroundColor);
    RectangleControlPage->setFillColor(color.BackgroundColor);
    FPaginateControl.ApplyTheme(theme);
}

void TFormBasePesquisa::SetFocusedPrincipalComponent()
{
    EditPesquisar->setFocus();
}

void TFormBasePesquisa::setInfoFrameList()
{
    FFrameList->SetLoading(AniIndicatorLoading);
    FFrameList->SetVertScroll(VertScrollBoxDados);
    FFrameList->SetPresenter(FPresenter);
    FFrameList->SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        if (FProcFillFrameItem)
            FProcFillFrameItem(ADataSet, AFrame);
    });
    FFrameList->SetProcBeforeFillFrame([this] {
        if (FProcBeforeFillFrame)
            FProcBeforeFillFrame();
    });
    FFrameList->SetProcFillPaginate([this] { fillPaginate(); });
    FFrameList->SetIsFillIds(true);
}

void TFormBasePesquisa::Execute()
{
    FIsAutoClose = false;
    setInfoFrameList();
    if (EditPesquisar->text().isEmpty()) {
        showPesquisa();
        return;
    }
    RectanglePrincipal->setVisible(false);
    FIsAutoClose = true;
    SearchEditButtonPesquisarClick(SearchEditButtonPesquisar);
}

void TFormBasePesquisa::showPesquisa()
{
    RectanglePrincipal->setVisible(true);
    TApplicationZunta::GetInstance().EnableLayoutApoio(RectanglePrincipal);
    SetFocusedPrincipalComponent();
}

void TFormBasePesquisa::layoutFooter()
{
    const bool paging = FPresenter && FPresenter->Paginate.TotalPages > 1;
    LayoutControl->setVisible(paging);
    RectangleFooter->setHeight(paging ? 60 : 30);
}

void TFormBasePesquisa::EditPesquisarKeyDown(QObject *Sender,
                                             int &Key,
                                             QChar &KeyChar,
                                             Qt::KeyboardModifiers)
{
    if (Key != vkReturn)
        return;
    Key = 0;
    KeyChar = QChar();
    SearchEditButtonPesquisarClick(Sender);
}

void TFormBasePesquisa::EditPesquisarChangeTracking(QObject *)
{
    if (!VertScrollBoxDados->controls().isEmpty())
        FFrameList->ClearList();
}

void TFormBasePesquisa::SearchEditButtonPesquisarClick(QObject *Sender)
{
    FPaginate.Page = 1;
    FPaginate.Limit = pageLimit;
    FPaginate.TotalPages = 0;
    FPaginate.TotalRegistros = 0;
    SpeedButtonFirstClick(Sender);
}

void TFormBasePesquisa::ClearEditButtonPesquisarClick(QObject *)
{
    FFrameList->ClearList();
    EditPesquisar->setFocus();
    EditPesquisar->clear();
    layoutFooter();
}

void TFormBasePesquisa::SpeedButtonFirstClick(QObject *)
{
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::First);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonPriorClick(QObject *)
{
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Prior);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonNextClick(QObject *)
{
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Next);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonLastClick(QObject *)
{
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Last);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::changeDadosAndPaginate()
{
    if (!FPresenter)
        TAppUtils::UtilsException(QStringLiteral("ERROR:Pesquisa sem apresentador."));
    FPresenter->TextSearch = EditPesquisar->text();
    FFrameList->Paginate.Page = FPaginate.Page;
    FFrameList->Paginate.Limit = FPaginate.Limit;
    FFrameList->fillDados(
        false, TTypePosition::tpTop, [this] { toggleControls(); }, true, true, false, QString());
}

void TFormBasePesquisa::toggleControls()
{
    SpeedButtonClose->setEnabled(!SpeedButtonClose->isEnabled());
    LayoutControlsForm->setEnabled(!LayoutControlsForm->isEnabled());
    RectangleFooter->setVisible(!RectangleFooter->isVisibleTo(RectangleFooter->parentWidget()));
}

void TFormBasePesquisa::fillPaginate()
{
    FPaginate.TotalRegistros = FPresenter->Paginate.TotalRegistros;
    FPaginate.TotalPages = FPresenter->Paginate.TotalPages;
    FPaginate.CountList = FPresenter->Paginate.CountList;
    FPaginateControl.ShowPage();
    RectangleControlPage->setVisible(FPaginate.TotalPages > 0);
    layoutFooter();
    // Picking or closing frees the lookup and this window: never inside the list's completion,
    // which still has the controls to restore.
    const QPointer<TFormBasePesquisa> self(this);
    TAppUtils::DelayedExecute([self] {
        if (self)
            self->autoClose();
    });
}

void TFormBasePesquisa::autoClose()
{
    if (!FIsAutoClose)
        return;
    FIsAutoClose = false;
    if (FPaginate.TotalRegistros == 0) {
        RunEvent(SpeedButtonClose->OnClick, SpeedButtonClose);
    } else if (FPaginate.TotalRegistros == 1) {
        for (QWidget *control : VertScrollBoxDados->controls()) {
            if (auto *row = qobject_cast<TFrameBaseAdapterPesquisa *>(control)) {
                row->SpeedButtonSelectClick();
                return;
            }
        }
    } else {
        showPesquisa();
    }
}

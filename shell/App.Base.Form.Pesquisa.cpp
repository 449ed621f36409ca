#include "App.Base.Form.Pesquisa.h"

#include "App.Base.Adapter.Pesquisa.h"
#include "App.Lib.Application.h"
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

QString zeroPadded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

TSpeedButton *pageButton(QWidget *AParent, const QString &AName, const QString &AStyle)
{
    auto *button = new TSpeedButton(AParent, AName);
    button->setSize(30, 30);
    button->setAlign(TAlignLayout::Right);
    button->setStyleLookup(AStyle);
    return button;
}

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
    Label3 = new TLabel(Layout1, QStringLiteral("Label3"));
    Label3->setAlign(TAlignLayout::Left);
    Label3->setWidth(130);
    Label3->setMargins(5, 0, 0, 0);
    Label3->setText(QStringLiteral("Registros Listados:"));
    LabelRegistrosListados = new TLabel(Layout1, QStringLiteral("LabelRegistrosListados"));
    LabelRegistrosListados->setAlign(TAlignLayout::Client);
    LabelRegistrosListados->setText(QStringLiteral("0000000000"));

    LayoutControl = new TLayout(RectangleFooter, QStringLiteral("LayoutControl"));
    LayoutControl->setAlign(TAlignLayout::Client);
    RectangleControlPage = new TRectangle(LayoutControl, QStringLiteral("RectangleControlPage"));
    RectangleControlPage->setAlign(TAlignLayout::Client);
    RectangleControlPage->setStrokeColor(TAlphaColors::Null);
    // Created from the right: Last, Next, Prior, First, then the page label and its title.
    SpeedButtonLast = pageButton(RectangleControlPage,
                                 QStringLiteral("SpeedButtonLast"),
                                 QStringLiteral("arrowdowntoolbuttonbordered"));
    SpeedButtonNext = pageButton(RectangleControlPage,
                                 QStringLiteral("SpeedButtonNext"),
                                 QStringLiteral("arrowrighttoolbutton"));
    SpeedButtonPrior = pageButton(RectangleControlPage,
                                  QStringLiteral("SpeedButtonPrior"),
                                  QStringLiteral("arrowlefttoolbutton"));
    SpeedButtonFirst = pageButton(RectangleControlPage,
                                  QStringLiteral("SpeedButtonFirst"),
                                  QStringLiteral("arrowuptoolbutton"));
    LabelPaginacao = new TLabel(RectangleControlPage, QStringLiteral("LabelPaginacao"));
    LabelPaginacao->setAlign(TAlignLayout::Right);
    LabelPaginacao->setWidth(80);
    LabelPaginacao->setHorzAlign(TTextAlign::Center);
    LabelPaginacao->setText(QStringLiteral("0000/0000"));
    Label2 = new TLabel(RectangleControlPage, QStringLiteral("Label2"));
    Label2->setAlign(TAlignLayout::Right);
    Label2->setWidth(50);
    Label2->setText(QStringLiteral("Página:"));

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
    SpeedButtonFirst->OnClick = [this](QObject *sender) { SpeedButtonFirstClick(sender); };
    SpeedButtonPrior->OnClick = [this](QObject *sender) { SpeedButtonPriorClick(sender); };
    SpeedButtonNext->OnClick = [this](QObject *sender) { SpeedButtonNextClick(sender); };
    SpeedButtonLast->OnClick = [this](QObject *sender) { SpeedButtonLastClick(sender); };
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
    const TFontApp &fonts = theme.FontApp();
    RectangleBacgroundPesquisa->setFillColor(color.BackgroundColor);
    RectangleFooter->setFillColor(color.BackgroundColor);
    RectangleControlPage->setFillColor(color.BackgroundColor);
    for (TLabel *label : { LabelRegistrosListados, LabelPaginacao })
        label->setTextFont(fonts.TertiaryFont());
    for (TLabel *label : { Label2, Label3 })
        label->setTextFont(fonts.PrimaryFont());
    for (TLabel *label : { LabelRegistrosListados, LabelPaginacao, Label2, Label3 })
        label->setFontColor(color.TextPrimaryColor);
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
    FPaginate.Page = 1;
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonPriorClick(QObject *)
{
    FPaginate.Page = std::max(FPaginate.Page - 1, 1);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonNextClick(QObject *)
{
    FPaginate.Page = std::min(FPaginate.Page + 1, FPaginate.TotalPages);
    changeDadosAndPaginate();
}

void TFormBasePesquisa::SpeedButtonLastClick(QObject *)
{
    FPaginate.Page = FPaginate.TotalPages;
    changeDadosAndPaginate();
}

void TFormBasePesquisa::changeDadosAndPaginate()
{
    if (!FPresenter)
        TAppUtils::UtilsException(QStringLiteral("ERROR:Pesquisa sem apresentador."));
    // No page below the first, also when the last search found nothing.
    FPaginate.Page = std::max(FPaginate.Page, 1);
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
    LabelPaginacao->setText(zeroPadded(FPaginate.Page, 4) + u'/'
                            + zeroPadded(FPaginate.TotalPages, 4));
    LabelRegistrosListados->setText(zeroPadded(FPaginate.CountList, 10));
    RectangleControlPage->setVisible(FPaginate.TotalPages > 0);
    SpeedButtonFirst->setEnabled(FPaginate.Page > 1);
    SpeedButtonPrior->setEnabled(FPaginate.Page > 1);
    SpeedButtonNext->setEnabled(FPaginate.Page < FPaginate.TotalPages);
    SpeedButtonLast->setEnabled(FPaginate.Page < FPaginate.TotalPages);
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

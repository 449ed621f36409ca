#include "App.Base.Form.MetodoCadastro.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ImageList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Menu.Grupo.h"
#include "App.Lib.Paginate.h"
#include "App.Lib.Theme.h"
#include "App.Lib.Utils.h"

#include "Align.h"
#include "AniIndicator.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "TabControl.h"

namespace {

const QString kMetodoCadastroMessagePermission
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kMessageNotFound = QStringLiteral("WARNING:Informações não localizadas.");
constexpr int kAnswerYes = 6;
constexpr int kKeyEnter = 13;

TLabel *footerLabel(TLabel *ALabel)
{
    ALabel->setAlign(TAlignLayout::Left);
    ALabel->setAutoSize(true);
    return ALabel;
}

TSpeedButton *newEdicaoButton(QWidget *AParent, const QString &AName, int AImage)
{
    auto *button = new TSpeedButton(AParent, AName);
    button->setSize(40, 40);
    button->setAlign(TAlignLayout::Left);
    button->setImages(&TDataModuleImageList::Instance().ImageListCadastro);
    button->setImageIndex(AImage);
    return button;
}

} // namespace

TFormBaseMetodoCadastro::TFormBaseMetodoCadastro(const QString &AClassName, QWidget *AParent)
    : TFormBaseView(AClassName, AParent)
{
    TabControlCadastro = new TTabControl(LayoutControlsForm, QStringLiteral("TabControlCadastro"));
    TabControlCadastro->setAlign(TAlignLayout::Client);

    // --- List tab ---
    TabItemPesquisa = new TTabItem(TabControlCadastro, QStringLiteral("TabItemPesquisa"));
    TabItemPesquisa->setText(QStringLiteral("Pesquisa"));
    ToolBarPesquisa = new TToolBar(TabItemPesquisa, QStringLiteral("ToolBarPesquisa"));
    ToolBarPesquisa->setHeight(40);
    SpeedButtonNovo = new TSpeedButton(ToolBarPesquisa, QStringLiteral("SpeedButtonNovo"));
    SpeedButtonNovo->setSize(40, 40);
    SpeedButtonNovo->setAlign(TAlignLayout::Right);
    SpeedButtonNovo->setStyleLookup(QStringLiteral("addtoolbutton"));
    SpeedButtonNovo->OnClick = [this](QObject *Sender) { SpeedButtonNovoClick(Sender); };
    EditPesquisar = new TEdit(ToolBarPesquisa, QStringLiteral("EditPesquisar"));
    EditPesquisar->setAlign(TAlignLayout::Client);
    EditPesquisar->setCharCase(TEditCharCase::UpperCase);
    EditPesquisar->OnChangeTracking
        = [this](QObject *Sender) { EditPesquisarChangeTracking(Sender); };
    EditPesquisar->OnKeyDown
        = [this](QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift) {
              EditPesquisarKeyDown(Sender, Key, KeyChar, Shift);
          };
    SearchEditButtonPesquisar = EditPesquisar->addButton(
        TEditButtonKind::Search, QStringLiteral("SearchEditButtonPesquisar"));
    SearchEditButtonPesquisar->OnClick
        = [this](QObject *Sender) { SearchEditButtonPesquisarClick(Sender); };
    ClearEditButtonPesquisar = EditPesquisar->addButton(TEditButtonKind::Clear,
                                                        QStringLiteral("ClearEditButtonPesquisar"));
    ClearEditButtonPesquisar->OnClick
        = [this](QObject *Sender) { ClearEditButtonPesquisarClick(Sender); };

    RectangleFooter = new TRectangle(TabItemPesquisa, QStringLiteral("RectangleFooter"));
    RectangleFooter->setHeight(30);
    RectangleFooter->setAlign(TAlignLayout::Bottom);
    RectangleFooter->setStrokeColor(TAlphaColors::Null);
    using TPageButton = TPaginateControl::TPageButton;
    using TPageLabel = TPaginateControl::TPageLabel;
    Label1 = footerLabel(FPaginateControl.NewLabel(TPageLabel::CaptionTotal, RectangleFooter));
    LabelQuantidadeRegistros
        = footerLabel(FPaginateControl.NewLabel(TPageLabel::Total, RectangleFooter));
    RectangleControlPage = new TRectangle(RectangleFooter, QStringLiteral("RectangleControlPage"));
    RectangleControlPage->setWidth(445);
    RectangleControlPage->setAlign(TAlignLayout::Right);
    RectangleControlPage->setStrokeColor(TAlphaColors::Null);
    SpeedButtonFirst = FPaginateControl.NewButton(
        TPageButton::First, RectangleControlPage, TAlignLayout::Left, [this](QObject *Sender) {
            SpeedButtonFirstClick(Sender);
        });
    SpeedButtonPrior = FPaginateControl.NewButton(
        TPageButton::Prior, RectangleControlPage, TAlignLayout::Left, [this](QObject *Sender) {
            SpeedButtonPriorClick(Sender);
        });
    Label2 = footerLabel(FPaginateControl.NewLabel(TPageLabel::CaptionPage, RectangleControlPage));
    LabelPaginacao = footerLabel(FPaginateControl.NewLabel(TPageLabel::Page, RectangleControlPage));
    SpeedButtonNext = FPaginateControl.NewButton(
        TPageButton::Next, RectangleControlPage, TAlignLayout::Left, [this](QObject *Sender) {
            SpeedButtonNextClick(Sender);
        });
    SpeedButtonLast = FPaginateControl.NewButton(
        TPageButton::Last, RectangleControlPage, TAlignLayout::Left, [this](QObject *Sender) {
            SpeedButtonLastClick(Sender);
        });
    Label3
        = footerLabel(FPaginateControl.NewLabel(TPageLabel::CaptionListed, RectangleControlPage));
    LabelRegistrosListados
        = footerLabel(FPaginateControl.NewLabel(TPageLabel::Listed, RectangleControlPage));

    RectangleBackgroundPesquisa
        = new TRectangle(TabItemPesquisa, QStringLiteral("RectangleBackgroundPesquisa"));
    RectangleBackgroundPesquisa->setAlign(TAlignLayout::Client);
    RectangleBackgroundPesquisa->setStrokeColor(TAlphaColors::Null);
    VertScrollBoxDados
        = new TVertScrollBox(RectangleBackgroundPesquisa, QStringLiteral("VertScrollBoxDados"));
    VertScrollBoxDados->setAlign(TAlignLayout::Client);

    // --- Record tab ---
    TabItemEdicao = new TTabItem(TabControlCadastro, QStringLiteral("TabItemEdicao"));
    TabItemEdicao->setText(QStringLiteral("Edição"));
    ToolBarEdicao = new TToolBar(TabItemEdicao, QStringLiteral("ToolBarEdicao"));
    SpeedButtonRetornar = newEdicaoButton(ToolBarEdicao, QStringLiteral("SpeedButtonRetornar"), 3);
    SpeedButtonRetornar->OnClick = [this](QObject *Sender) { SpeedButtonRetornarClick(Sender); };
    SpeedButtonSalvar = newEdicaoButton(ToolBarEdicao, QStringLiteral("SpeedButtonSalvar"), 1);
    SpeedButtonSalvar->OnClick = [this](QObject *Sender) { SpeedButtonSalvarClick(Sender); };
    SpeedButtonNovoEdicao
        = newEdicaoButton(ToolBarEdicao, QStringLiteral("SpeedButtonNovoEdicao"), 2);
    SpeedButtonNovoEdicao->setStyleLookup(QStringLiteral("additembutton"));
    SpeedButtonNovoEdicao->OnClick
        = [this](QObject *Sender) { SpeedButtonNovoEdicaoClick(Sender); };
    SpeedButtonEditar = newEdicaoButton(ToolBarEdicao, QStringLiteral("SpeedButtonEditar"), 0);
    SpeedButtonEditar->setStyleLookup(QStringLiteral("composetoolbutton"));
    SpeedButtonEditar->OnClick = [this](QObject *Sender) { SpeedButtonEditarClick(Sender); };

    LayoutEdicao = new TLayout(TabItemEdicao, QStringLiteral("LayoutEdicao"));
    LayoutEdicao->setAlign(TAlignLayout::Client);
    LayoutGrupos = new TLayout(LayoutEdicao, QStringLiteral("LayoutGrupos"));
    LayoutGrupos->setWidth(210);
    LayoutGrupos->setAlign(TAlignLayout::Left);
    Line1 = new TLine(LayoutGrupos, QStringLiteral("Line1"));
    Line1->setWidth(1);
    Line1->setAlign(TAlignLayout::Right);
    Line1->setLineType(TLineType::Left);
    Layout4 = new TLayout(LayoutGrupos, QStringLiteral("Layout4"));
    Layout4->setHeight(40);
    Layout4->setAlign(TAlignLayout::Bottom);
    SpeedButtonPriorPageEdicao
        = new TSpeedButton(Layout4, QStringLiteral("SpeedButtonPriorPageEdicao"));
    SpeedButtonPriorPageEdicao->setSize(40, 40);
    SpeedButtonPriorPageEdicao->setAlign(TAlignLayout::Left);
    SpeedButtonPriorPageEdicao->setStyleLookup(QStringLiteral("priortoolbutton"));
    SpeedButtonPriorPageEdicao->OnClick
        = [this](QObject *Sender) { SpeedButtonPriorPageEdicaoClick(Sender); };
    SpeedButtonNextPageEdicao
        = new TSpeedButton(Layout4, QStringLiteral("SpeedButtonNextPageEdicao"));
    SpeedButtonNextPageEdicao->setSize(40, 40);
    SpeedButtonNextPageEdicao->setAlign(TAlignLayout::Right);
    SpeedButtonNextPageEdicao->setStyleLookup(QStringLiteral("nexttoolbutton"));
    SpeedButtonNextPageEdicao->OnClick
        = [this](QObject *Sender) { SpeedButtonNextPageEdicaoClick(Sender); };
    VertScrollBoxGrupos = new TVertScrollBox(LayoutGrupos, QStringLiteral("VertScrollBoxGrupos"));
    VertScrollBoxGrupos->setAlign(TAlignLayout::Client);

    LayoutControls = new TLayout(LayoutEdicao, QStringLiteral("LayoutControls"));
    LayoutControls->setAlign(TAlignLayout::Client);
    LayoutTopEdicao = new TLayout(LayoutControls, QStringLiteral("LayoutTopEdicao"));
    LayoutTopEdicao->setHeight(30);
    LayoutTopEdicao->setAlign(TAlignLayout::Top);
    RectangleTopEdicao = new TRectangle(LayoutTopEdicao, QStringLiteral("RectangleTopEdicao"));
    RectangleTopEdicao->setAlign(TAlignLayout::Client);
    RectangleTopEdicao->setFillColor(TAlphaColors::White);
    RectangleTopEdicao->setStrokeColor(TAlphaColors::Null);
    RectangleTopEdicao->setEnabled(false);
    LayoutInformacoesSuperiorDireito
        = new TLayout(RectangleTopEdicao, QStringLiteral("LayoutInformacoesSuperiorDireito"));
    LayoutInformacoesSuperiorDireito->setWidth(250);
    LayoutInformacoesSuperiorDireito->setAlign(TAlignLayout::Right);
    LabelID = new TLabel(LayoutInformacoesSuperiorDireito, QStringLiteral("LabelID"));
    LabelID->setAlign(TAlignLayout::Top);
    LabelID->setFontSize(8);
    LabelID->setHorzAlign(TTextAlign::Trailing);
    LabelID->setText(QStringLiteral("ID"));
    LabelInformacoesSuperiorDireito = new TLabel(LayoutInformacoesSuperiorDireito,
                                                 QStringLiteral("LabelInformacoesSuperiorDireito"));
    LabelInformacoesSuperiorDireito->setAlign(TAlignLayout::Client);
    LabelInformacoesSuperiorDireito->setHorzAlign(TTextAlign::Trailing);
    LabelTopText = new TLabel(RectangleTopEdicao, QStringLiteral("LabelTopText"));
    LabelTopText->setAlign(TAlignLayout::Client);
    LabelTopText->setFontSize(16);
    EditID = new TEdit(LayoutControls, QStringLiteral("EditID"));
    // The digits of the largest 64-bit id.
    EditID->setMaxLength(19);
    EditID->OnChange = [this](QObject *Sender) { EditIDChange(Sender); };
    VertScrollBoxControls
        = new TVertScrollBox(LayoutControls, QStringLiteral("VertScrollBoxControls"));
    VertScrollBoxControls->setAlign(TAlignLayout::Client);
}

TFormBaseMetodoCadastro::~TFormBaseMetodoCadastro()
{
    ReleasePrincipal();
    // The list first: a fill still running reads through the presenter.
    FFrameList.reset();
    FPresenter.reset();
    FListMenuGrupo.clear();
    FItemControlPesquisa = nullptr;
    FListSubCadastros.clear();
}

void TFormBaseMetodoCadastro::FormCreate()
{
    TFormBaseView::FormCreate();
    RectangleControlPage->setVisible(false);
    FIsComplexPost = false;
    FIsFillForm = false;
    FIsClosingForm = false;
    FItemControlPesquisa = nullptr;
    EditID->setVisible(false);
    SpeedButtonNovoEdicao->setVisible(false);
    TabControlCadastro->setActiveTab(TabItemPesquisa);
    TabControlCadastro->setTabPosition(TTabPosition::None);
    FFrameList = std::make_unique<TFrameList>();
    FListMenuGrupo.clear();
    SetInfoPresenter();
    SetInfoFrameList();
    afterFormCreate();
    changeListMenuGrupo();
    setLinesMenuGrupo();
    if (FListMenuGrupo.empty())
        LayoutGrupos->setVisible(false);
}

void TFormBaseMetodoCadastro::SetPresenter(std::unique_ptr<TBasePresenter> AValue)
{
    FPresenter = std::move(AValue);
}

void TFormBaseMetodoCadastro::SetInfoPresenter()
{
    if (!FPresenter)
        return;
    // The edits bound with Bind take their maximum lengths from the list table's columns.
    FPresenter->ManagerControls().SetColumns(&FPresenter->DataSetInfo());
    FPresenter->SetProcAfterFillListControl([this] { afterFillListControl(); });
    FPresenter->SetProcFillListControl([this] { fillListControl(); });
    FPresenter->ProcReloadDados = [this] { reloadDados(); };
    FPresenter->ProcAfterFillForm = [this] { afterFillForm(); };
}

void TFormBaseMetodoCadastro::SetInfoFrameList()
{
    FFrameList->SetLoading(AniIndicatorLoading);
    FFrameList->SetVertScroll(VertScrollBoxDados);
    FFrameList->SetPresenter(FPresenter.get());
    FFrameList->SetProcFillFrameItem([this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
        fillFrameItem(ADataSet, AFrame);
    });
    FFrameList->SetProcFillPaginate([this] { fillPaginate(); });
    FFrameList->SetIsFillIds(true);
}

void TFormBaseMetodoCadastro::fillListControl()
{
    TItemControl &item = FPresenter->ManagerControls().AddItemControl();
    item.TitleControl = QStringLiteral("ID");
    item.SetControl(EditID);
    // Digits without a mask: ids are 64-bit, and a fixed mask would cut a long one short.
    item.TypeFormat = TFormatterEdit::Personalizado;
}

void TFormBaseMetodoCadastro::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    (void)ADataSet;
    if (auto *frame = qobject_cast<TFrameBaseAdapterCadastro *>(AFrame)) {
        frame->ProcRemove = [this](TFrameBaseAdapter *AItem) { removeFrame(AItem); };
        frame->ProcEdit = [this](TFrameBaseAdapter *AItem) { editFrame(AItem); };
        frame->ProcView = [this](TFrameBaseAdapter *AItem) { viewFrame(AItem); };
    }
    if (FIsOnlyRecno)
        setModeOnlyRecno();
}

void TFormBaseMetodoCadastro::removeFrame(TFrameBaseAdapter *AFrame)
{
    executeRemover(AFrame);
}

void TFormBaseMetodoCadastro::editFrame(TFrameBaseAdapter *AFrame)
{
    executeEditar(AFrame);
}

void TFormBaseMetodoCadastro::viewFrame(TFrameBaseAdapter *AFrame)
{
    executeVisualizar(AFrame);
}

// --- Searching and paging ------------------------------------------------------------------

void TFormBaseMetodoCadastro::SearchEditButtonPesquisarClick(QObject *Sender)
{
    Paginate.Page = 1;
    Paginate.Limit = 100;
    Paginate.TotalPages = 0;
    Paginate.TotalRegistros = 0;
    SpeedButtonFirstClick(Sender);
    afterSearch();
}

void TFormBaseMetodoCadastro::SpeedButtonFirstClick(QObject *Sender)
{
    (void)Sender;
    // Also called by the search, the save and a child window's return, which go on after a
    // failure here; a child window's empty list is no news.
    try {
        FPaginateControl.MoveTo(TPaginateControl::TPageButton::First);
        executePesquisa();
    } catch (...) {
        const QString message = TDravikHandleException::MessageOf(std::current_exception());
        if (!(FIsSubForm && message == kMessageNotFound))
            TDravikHandleException::Handle(std::current_exception());
    }
}

void TFormBaseMetodoCadastro::SpeedButtonPriorClick(QObject *Sender)
{
    (void)Sender;
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Prior);
    executePesquisa();
}

void TFormBaseMetodoCadastro::SpeedButtonNextClick(QObject *Sender)
{
    (void)Sender;
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Next);
    executePesquisa();
}

void TFormBaseMetodoCadastro::SpeedButtonLastClick(QObject *Sender)
{
    (void)Sender;
    FPaginateControl.MoveTo(TPaginateControl::TPageButton::Last);
    executePesquisa();
}

void TFormBaseMetodoCadastro::executePesquisa()
{
    FPresenter->TextSearch = EditPesquisar->text();
    FFrameList->Paginate.Page = Paginate.Page;
    FFrameList->Paginate.Limit = Paginate.Limit;
    executeFillDados();
}

void TFormBaseMetodoCadastro::executeFillDados()
{
    FFrameList->fillDados(
        FIsFillForm,
        TTypePosition::tpTop,
        [this] { changeEnabledControls(); },
        true,
        true,
        false,
        QString());
}

void TFormBaseMetodoCadastro::changeEnabledControls()
{
    SpeedButtonClose->setEnabled(!SpeedButtonClose->isEnabled());
    LayoutControlsForm->setEnabled(!LayoutControlsForm->isEnabled());
    RectangleFooter->setVisible(!RectangleFooter->isVisibleTo(RectangleFooter->parentWidget()));
}

void TFormBaseMetodoCadastro::fillPaginate()
{
    FPaginateControl.ShowPage();
    RectangleControlPage->setVisible(Paginate.TotalRegistros > 0);
    if (EditPesquisar->isVisibleTo(this))
        SetFocusedPrincipalComponent();
}

void TFormBaseMetodoCadastro::EditPesquisarKeyDown(QObject *Sender,
                                                   int &Key,
                                                   QChar &KeyChar,
                                                   Qt::KeyboardModifiers Shift)
{
    (void)KeyChar;
    (void)Shift;
    if (Key == kKeyEnter)
        SearchEditButtonPesquisarClick(Sender);
}

void TFormBaseMetodoCadastro::EditPesquisarChangeTracking(QObject *Sender)
{
    (void)Sender;
    if (!VertScrollBoxDados->content()
             ->findChildren<TFrameBaseAdapter *>(QString(), Qt::FindDirectChildrenOnly)
             .isEmpty())
        FFrameList->ClearList();
}

void TFormBaseMetodoCadastro::ClearEditButtonPesquisarClick(QObject *Sender)
{
    (void)Sender;
    FFrameList->ClearList();
    EditPesquisar->clear();
}

// --- Tabs ----------------------------------------------------------------------------------

bool TFormBaseMetodoCadastro::IsListTabActive() const
{
    return TabControlCadastro->activeTab() == TabItemPesquisa;
}

void TFormBaseMetodoCadastro::changeTab(int ATab)
{
    beforeChangeTab();
    if (ATab == 1) {
        TabControlCadastro->setActiveTab(TabItemEdicao);
    } else {
        EditID->clear();
        TabControlCadastro->setActiveTab(TabItemPesquisa);
    }
    afterChangeTab();
}

void TFormBaseMetodoCadastro::afterChangeTab()
{
    if (IsListTabActive()) {
        FIsSaved = false;
        FIsViewForm = false;
    }
    SetFocusedPrincipalComponent();
    updateButtonsEdicao();
}

void TFormBaseMetodoCadastro::updateButtonsEdicao()
{
    if (FIsOnlyRecno) {
        SpeedButtonEditar->setVisible(false);
        return;
    }
    SpeedButtonEditar->setVisible(FIsViewForm && !FIsRegistroFechado);
    SpeedButtonSalvar->setVisible(!FIsViewForm && !FIsRegistroFechado);
}

// --- The record tab ------------------------------------------------------------------------

void TFormBaseMetodoCadastro::clearForm(bool AClearDataSet)
{
    selectFirstMenuGrupo();
    if (FIsSubForm)
        VertScrollBoxControls->scrollToTop();
    FIsActiveSave = false;
    FIsFillForm = false;
    FIdRegistro = 0;
    FPresenter->Clear(AClearDataSet, true, true);
    afterClearForm();
}

void TFormBaseMetodoCadastro::afterClearForm()
{
    FIsReturn = true;
}

void TFormBaseMetodoCadastro::beforeBuscarRegistro(std::int64_t AId, bool AClearDataSet)
{
    clearForm(AClearDataSet);
    FIsFillForm = true;
    FIdRegistro = AId;
}

void TFormBaseMetodoCadastro::readRegistro(std::int64_t AId)
{
    if (FIsViewForm || FIsRegistroFechado)
        FPresenter->View(AId);
    else
        FPresenter->Edit(AId);
}

void TFormBaseMetodoCadastro::afterBuscarRegistro()
{
    FIdRegistro = FPresenter->IdRegistro;
    FPresenter->EnabledControls();
    afterEnabledControls();
}

void TFormBaseMetodoCadastro::buscarRegistro(std::int64_t AId, bool AClearDataSet)
{
    try {
        beforeBuscarRegistro(AId, AClearDataSet);
        readRegistro(AId);
        afterBuscarRegistro();
    } catch (...) {
        FIsFillForm = false;
        throw;
    }
    FIsFillForm = false;
}

// --- Saving --------------------------------------------------------------------------------

void TFormBaseMetodoCadastro::SpeedButtonSalvarClick(QObject *Sender)
{
    try {
        saveRecord(Sender);
    } catch (...) {
        if (!FIsSavedSubForm) {
            TDravikHandleException::Handle(std::current_exception());
            return;
        }
        throw Exception(QStringLiteral("<Form:") + LabelTitleForm->text() + u'>'
                        + TDravikHandleException::MessageOf(std::current_exception()));
    }
}

void TFormBaseMetodoCadastro::saveRecord(QObject *Sender)
{
    // The operation's own permission: creating needs insert, changing needs edit.
    const bool isNew = TUtils::StrEmptyToInt64(EditID->text()) == 0;
    if (isNew ? !FPermissionInserir : !FPermissionEditar)
        throw Exception(kMetodoCadastroMessagePermission);

    for (const QPointer<TFormBaseMetodoCadastro> &child : FListSubCadastros) {
        if (child)
            child->saveSubCadastro();
    }

    const std::int64_t previousId = FIdRegistro;
    if (!FPresenter->ValidControls())
        return;
    beforeSave();
    FIsNewRecord = isNew;
    {
        // The request runs off the main thread; meanwhile the window paints under the overlay.
        struct TWaiting
        {
            QPointer<TFormBaseMetodoCadastro> Form;
            std::unique_ptr<TFormContainer> Overlay;
            ~TWaiting()
            {
                if (Form)
                    Form->endWait(Overlay);
            }
        } waiting { this, FPresenter->postsToBackEnd() ? beginWait() : nullptr };
        if (FIsComplexPost) {
            FPresenter->PostComplex();
        } else {
            FPresenter->IdRegistro = FIdRegistro;
            FPresenter->Post();
        }
    }
    EditID->setText(QString::number(FPresenter->Entity()->Id));
    if (!FIsSavedSubForm)
        TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
    FIsSaved = true;
    afterSave();

    if (FItemControlPesquisa) {
        TItemControl *lookup = FItemControlPesquisa;
        lookup->Clear();
        lookup->SetValueControl(EditID->text());
        // The close frees this window later; nothing of it is touched after.
        ExecuteProcCloseForm();
        return;
    }
    if (FIsSubForm && previousId == 0) {
        if (!FIsOnlyRecno) {
            FIsActiveSave = true;
            try {
                if (FIsReturn)
                    SpeedButtonRetornarClick(Sender);
                else
                    SpeedButtonNovoClick(Sender);
            } catch (...) {
                FIsActiveSave = false;
                throw;
            }
            FIsActiveSave = false;
        }
    } else if (previousId == 0) {
        executeNovo(Sender);
    } else if (!FIsOnlyRecno) {
        fillCadastroOfBuscarRegistro(previousId >= 0, nullptr);
    }
    returnListSubForm();
}

void TFormBaseMetodoCadastro::returnListSubForm()
{
    if (TUtils::StrEmptyToInt64(EditID->text()) > 0 && !IsListTabActive() && FIsSubForm)
        changeTab(0);
}

std::unique_ptr<TFormContainer> TFormBaseMetodoCadastro::beginWait()
{
    std::unique_ptr<TFormContainer> overlay = TFormContainer::New();
    overlay->Execute();
    AniIndicatorLoading->raise();
    AniIndicatorLoading->setEnabled(true);
    AniIndicatorLoading->setVisible(true);
    return overlay;
}

void TFormBaseMetodoCadastro::endWait(std::unique_ptr<TFormContainer> &AOverlay)
{
    if (!AOverlay)
        return;
    AniIndicatorLoading->setEnabled(false);
    AniIndicatorLoading->setVisible(false);
    AniIndicatorLoading->lower();
    AOverlay.reset();
}

bool TFormBaseMetodoCadastro::confirmSave()
{
    if (FIsSaved || FIsViewForm || FIsRegistroFechado)
        return false;
    return TAppUtils::MessageSystem(
               QStringLiteral("QUESTION:Você não salvou o cadastro. Confirma salvar?"))
        == kAnswerYes;
}

void TFormBaseMetodoCadastro::SpeedButtonRetornarClick(QObject *Sender)
{
    if (confirmSave()) {
        SpeedButtonSalvarClick(Sender);
        return;
    }
    if (FIsActiveSave
        || (FIsSaved
            && TAppUtils::MessageSystem(
                   QStringLiteral("QUESTION:Deseja atualizar as informações da listagem?"))
                == kAnswerYes))
        SearchEditButtonPesquisarClick(Sender);
    changeTab(0);
}

void TFormBaseMetodoCadastro::SpeedButtonCloseClick(QObject *Sender)
{
    if (!IsListTabActive() && confirmSave()) {
        SpeedButtonSalvarClick(Sender);
        return;
    }
    ExecuteProcCloseForm();
}

void TFormBaseMetodoCadastro::CloseForm()
{
    FIsClosingForm = true;
    TFormBaseView::CloseForm();
}

void TFormBaseMetodoCadastro::SpeedButtonNovoClick(QObject *Sender)
{
    executeNovo(Sender);
}

void TFormBaseMetodoCadastro::SpeedButtonNovoEdicaoClick(QObject *Sender)
{
    SpeedButtonNovoClick(Sender);
}

void TFormBaseMetodoCadastro::SpeedButtonEditarClick(QObject *Sender)
{
    executeEditar(Sender);
}

void TFormBaseMetodoCadastro::EditIDChange(QObject *Sender)
{
    (void)Sender;
    LabelID->setText(QStringLiteral("ID Registro: ") + EditID->text());
}

// --- Modes ---------------------------------------------------------------------------------

void TFormBaseMetodoCadastro::SetItemControlPesquisa(TItemControl *AItemControl)
{
    FItemControlPesquisa = AItemControl;
    if (!AItemControl)
        return;
    SpeedButtonNovoEdicao->setVisible(false);
    SpeedButtonRetornar->setVisible(false);
    TabItemPesquisa->setTabVisible(false);
    const QWidget *control = AItemControl->Control();
    const std::int64_t id = TUtils::StrEmptyToInt64(AItemControl->ValueControl());
    if (control && !control->isEnabled()) {
        FIdRegistro = id;
        executeVisualizar(nullptr);
    } else if (id != 0) {
        FIdRegistro = id;
        executeEditar(nullptr);
    } else {
        executeNovo(SpeedButtonNovo);
    }
}

void TFormBaseMetodoCadastro::setModeOnlyRecno()
{
    SpeedButtonNovo->setVisible(false);
    SpeedButtonRetornar->setVisible(false);
    SpeedButtonSalvar->setVisible(false);
    SpeedButtonNovoEdicao->setVisible(false);
    TabItemPesquisa->setTabVisible(false);
    TMemTable &table = FPresenter->DataSetInfo();
    if (!table.Active() || table.RecordCount() == 0) {
        executeNovo(nullptr);
        return;
    }
    table.First();
    FIdRegistro = static_cast<int>(table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt());
    fillCadastroOfBuscarRegistro(true, nullptr);
}

// --- Focus and theme -----------------------------------------------------------------------

void TFormBaseMetodoCadastro::SetFocusedPrincipalComponent()
{
    TFormBaseView::SetFocusedPrincipalComponent();
    if (IsListTabActive()) {
        if (EditPesquisar && EditPesquisar->isEnabled()) {
            EditPesquisar->setCursorPosition(EditPesquisar->text().trimmed().length());
            TAppUtils::DelayedSetFocus(EditPesquisar);
        }
    } else if (FControlFocus && FControlFocus->isEnabled()) {
        TAppUtils::DelayedSetFocus(FControlFocus);
    }
}

void TFormBaseMetodoCadastro::ApplyThemeApp()
{
    TFormBaseView::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();
    RectangleBackgroundPesquisa->setFillColor(color.BackgroundColor2);
    RectangleTopEdicao->setFillColor(color.BackgroundColor2);
    RectangleFooter->setFillColor(color.BackgroundColor);
    RectangleControlPage->setFillColor(color.BackgroundColor);
    FPaginateControl.ApplyTheme(theme);
    LabelInformacoesSuperiorDireito->setFontColor(color.MessageAlertColor);
    LabelInformacoesSuperiorDireito->setTextFont(fonts.TertiaryFont());
}

// --- Groups and child windows --------------------------------------------------------------

void TFormBaseMetodoCadastro::AddMenuGrupo(const QString &AText,
                                           TVertScrollBox *AOriginVertScroll,
                                           QWidget *AControlFocus,
                                           std::function<void()> AProcShow,
                                           TFormBaseMetodoCadastro *AForm,
                                           bool AChildExecuteNewWhileNoRecords)
{
    auto button = std::make_unique<TButtonGrupoMenu>();
    TButtonGrupoMenu *item = button.get();
    item->SetText(AText);
    item->SetOriginVertScroll(AOriginVertScroll);
    item->SetDestinyLayout(LayoutControls);
    item->SetParent(VertScrollBoxGrupos->content());
    item->SetClickButtonGrupoMenu([this](TButtonGrupoMenu *Sender) { clickMenuGrupo(Sender); });
    item->SetControlFocus(AControlFocus);
    item->SetProcShow(std::move(AProcShow));
    item->ChildExecuteNewWhileNoRecords = AChildExecuteNewWhileNoRecords;
    item->FormSubCadastro = AForm;
    item->Order = static_cast<int>(FListMenuGrupo.size());
    FListMenuGrupo.push_back(std::move(button));
    if (FListMenuGrupo.size() == 1)
        item->Click();
}

void TFormBaseMetodoCadastro::AddSubCadastro(const QString &AText,
                                             TFormBaseMetodoCadastro *AForm,
                                             std::function<void()> AProcShow,
                                             bool AIsOnlyRecno,
                                             bool AChildExecuteNewWhileNoRecords)
{
    AForm->LabelTitleForm->setText(AText.toUpper());
    AForm->SetIsOnlyRecno(AIsOnlyRecno);
    if (AIsOnlyRecno)
        AForm->setModeOnlyRecno();
    AddMenuGrupo(AText,
                 AForm->VertScrollBoxForm,
                 AForm->ControlFocus(),
                 std::move(AProcShow),
                 AForm,
                 AChildExecuteNewWhileNoRecords);
}

void TFormBaseMetodoCadastro::RegisterSubCadastro(TFormBaseMetodoCadastro *AForm)
{
    for (const QPointer<TFormBaseMetodoCadastro> &child : FListSubCadastros) {
        if (child == AForm) {
            TDravikHandleException::Handle(
                Format(QStringLiteral("ERROR:Já existe o formulário %s inserido na lista. Reveja "
                                      "a implementação."),
                       { AForm->ClassName() }));
            return;
        }
    }
    AForm->SetIsRegisteredSubForm(true);
    FListSubCadastros.emplace_back(AForm);
}

void TFormBaseMetodoCadastro::saveSubCadastro()
{
    // A row only being viewed has nothing to store: saving it again would demand the edit
    // permission of a user who may only view the child records, and refuse the parent's save.
    if (IsListTabActive() || FIsViewForm)
        return;
    FIsSavedSubForm = true;
    try {
        SpeedButtonSalvarClick(SpeedButtonSalvar);
    } catch (...) {
        FIsSavedSubForm = false;
        throw;
    }
    FIsSavedSubForm = false;
}

int TFormBaseMetodoCadastro::indexOfMenuGrupo(const TButtonGrupoMenu *AButton) const
{
    for (std::size_t index = 0; index < FListMenuGrupo.size(); ++index) {
        if (FListMenuGrupo[index].get() == AButton)
            return static_cast<int>(index);
    }
    return -1;
}

void TFormBaseMetodoCadastro::clickMenuGrupo(TButtonGrupoMenu *AButton)
{
    if (FActiveMenuGrupo && FActiveMenuGrupo != AButton)
        FActiveMenuGrupo->SetActive(false);
    FActiveMenuGrupo = AButton;
    updatePageEdicaoButtons(indexOfMenuGrupo(AButton));
    LabelTopText->setText(QString());
    if (!FListMenuGrupo.empty()
        && AButton->Text().toUpper() != QStringLiteral("INFORMAÇÕES INICIAIS"))
        fillTopText();
    if (AButton->ChildExecuteNewWhileNoRecords && AButton->FormSubCadastro) {
        if (auto *child = dynamic_cast<TFormBaseMetodoCadastro *>(AButton->FormSubCadastro.data()))
            executeNewWhileNoRecords(child);
    }
}

void TFormBaseMetodoCadastro::executeNewWhileNoRecords(TFormBaseMetodoCadastro *AForm)
{
    const auto examine = [](TFormBaseMetodoCadastro *AWindow) {
        if (!AWindow || !AWindow->FPresenter)
            return;
        TMemTable &table = AWindow->FPresenter->DataSetInfo();
        if (table.Active() && table.RecordCount() == 0 && AWindow->IsListTabActive())
            AWindow->executeNovo(AWindow);
    };
    if (!(AForm->FIsOnlyRecno && !AForm->FExecuteNewOnlyInThis))
        examine(AForm);
    if (!AForm->FExecuteNewOnlyInThis) {
        for (const QPointer<TFormBaseMetodoCadastro> &child : AForm->FListSubCadastros)
            examine(child.data());
    }
}

void TFormBaseMetodoCadastro::updatePageEdicaoButtons(int AIndex)
{
    const int count = static_cast<int>(FListMenuGrupo.size());
    bool enabledBefore = false;
    for (int index = 0; index < AIndex && index < count; ++index)
        enabledBefore = enabledBefore || FListMenuGrupo[index]->Enabled();
    bool enabledAfter = false;
    for (int index = AIndex + 1; index < count; ++index)
        enabledAfter = enabledAfter || FListMenuGrupo[index]->Enabled();
    SpeedButtonPriorPageEdicao->setVisible(AIndex > 0 && enabledBefore);
    SpeedButtonNextPageEdicao->setVisible(AIndex < count - 1 && enabledAfter);
}

void TFormBaseMetodoCadastro::SpeedButtonPriorPageEdicaoClick(QObject *Sender)
{
    (void)Sender;
    for (int index = indexOfMenuGrupo(FActiveMenuGrupo) - 1; index >= 0; --index) {
        if (FListMenuGrupo[index]->Enabled()) {
            FListMenuGrupo[index]->Click();
            return;
        }
    }
}

void TFormBaseMetodoCadastro::SpeedButtonNextPageEdicaoClick(QObject *Sender)
{
    (void)Sender;
    const int count = static_cast<int>(FListMenuGrupo.size());
    for (int index = indexOfMenuGrupo(FActiveMenuGrupo) + 1; index < count; ++index) {
        if (FListMenuGrupo[index]->Enabled()) {
            FListMenuGrupo[index]->Click();
            return;
        }
    }
}

void TFormBaseMetodoCadastro::setLinesMenuGrupo()
{
    const std::size_t count = FListMenuGrupo.size();
    for (std::size_t index = 0; index < count; ++index) {
        if (index == 0)
            FListMenuGrupo[index]->LineFirst();
        else if (index == count - 1)
            FListMenuGrupo[index]->LineLast();
        else
            FListMenuGrupo[index]->LineMiddle();
    }
    updatePageEdicaoButtons(0);
}

void TFormBaseMetodoCadastro::selectFirstMenuGrupo()
{
    if (FListMenuGrupo.empty())
        return;
    FListMenuGrupo.front()->Click();
    LayoutGrupos->setWidth(210);
}

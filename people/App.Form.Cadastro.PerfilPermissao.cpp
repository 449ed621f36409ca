#include "App.Form.Cadastro.PerfilPermissao.h"

#include "App.Adapter.Frame.FormularioPerfilPermissao.h"
#include "App.Adapter.Frame.PerfilPermissao.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Presenter.MenuSistema.h"
#include "App.Presenter.FormularioPerfilPermissao.h"
#include "App.Presenter.PerfilPermissao.h"
#include "Common.Dto.MenuSistema.h"
#include "Common.Lib.Utils.h"

#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include <QScrollBar>

ZUNTA_REGISTER_FORM(TFormCadastroPerfilPermissao)

namespace {

constexpr int kKeyEnter = 13;

} // namespace

TFormCadastroPerfilPermissao::TFormCadastroPerfilPermissao(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroPerfilPermissao"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Perfils de Permissionamentos do Sistema"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);

    // The "Permissões" group: kept out of sight until its group button shows it.
    LayoutFormularioPerfilPermissao
        = new TLayout(LayoutControls, QStringLiteral("LayoutFormularioPerfilPermissao"));
    LayoutFormularioPerfilPermissao->setVisible(false);
    VertScrollBoxFormularioPerfilPermissao = new TVertScrollBox(
        LayoutFormularioPerfilPermissao, QStringLiteral("VertScrollBoxFormularioPerfilPermissao"));
    VertScrollBoxFormularioPerfilPermissao->setAlign(TAlignLayout::Client);
    auto *background = new TLayout(VertScrollBoxFormularioPerfilPermissao->content(),
                                   QStringLiteral("LayoutFormularioBackground"));
    background->setAlign(TAlignLayout::Client);
    auto *filtros = new TLayout(background, QStringLiteral("LayoutFiltrosFormulario"));
    filtros->setAlign(TAlignLayout::Top);
    filtros->setHeight(66);
    const TPlacement filtro(filtros, 18, 30);
    Label4 = filtro.Caption(QStringLiteral("Label4"), 8, 8, QStringLiteral("Menu Superior"));
    filtro.Control(ComboBoxMenuSuperior, u"MenuSuperior", 8, 26, 220);
    filtro.Field(LabelPesquisarFormulario,
                 EditPesquisarFormulario,
                 u"PesquisarFormulario",
                 240,
                 8,
                 360,
                 QStringLiteral("Formulário"));
    EditPesquisarFormulario->setCharCase(TEditCharCase::UpperCase);
    SearchEditButtonFormulario = EditPesquisarFormulario->addButton(
        TEditButtonKind::Search, QStringLiteral("SearchEditButtonFormulario"));
    ClearEditButtonFormulario = EditPesquisarFormulario->addButton(
        TEditButtonKind::Clear, QStringLiteral("ClearEditButtonFormulario"));
    ButtonMarcarTodas = new TSpeedButton(filtros, QStringLiteral("ButtonMarcarTodas"));
    ButtonMarcarTodas->setText(QStringLiteral("Marcar Todas"));
    ButtonMarcarTodas->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ButtonMarcarTodas->setGeometry(612, 26, 120, 30);
    VertScrollBoxDadosFormulario
        = new TVertScrollBox(background, QStringLiteral("VertScrollBoxDadosFormulario"));
    VertScrollBoxDadosFormulario->setAlign(TAlignLayout::Client);

    ComboBoxMenuSuperior->OnChange
        = [this](QObject *Sender) { ComboBoxMenuSuperiorChange(Sender); };
    EditPesquisarFormulario->OnChangeTracking
        = [this](QObject *Sender) { EditPesquisarFormularioChangeTracking(Sender); };
    EditPesquisarFormulario->OnKeyDown
        = [this](QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift) {
              EditPesquisarFormularioKeyDown(Sender, Key, KeyChar, Shift);
          };
    SearchEditButtonFormulario->OnClick
        = [this](QObject *Sender) { SearchEditButtonFormularioClick(Sender); };
    ClearEditButtonFormulario->OnClick
        = [this](QObject *Sender) { ClearEditButtonFormularioClick(Sender); };
    ButtonMarcarTodas->OnClick = [this](QObject *Sender) { ButtonMarcarTodasClick(Sender); };
}

TFormCadastroPerfilPermissao::~TFormCadastroPerfilPermissao()
{
    // The list first: a fill still running reads through the presenter.
    if (FFrameListFormulario)
        FFrameListFormulario->ClearList();
    FFrameListFormulario.reset();
    FFormularioPresenter.reset();
}

void TFormCadastroPerfilPermissao::FormCreate()
{
    TFormBaseCadastro::FormCreate();
    FFormularioPresenter = TBasePresenter::Create<TFormularioPerfilPermissaoPresenter>();
    FFrameListFormulario = std::make_unique<TFrameList>();
    FFrameListFormulario->SetVertScroll(VertScrollBoxDadosFormulario);
    FFrameListFormulario->SetPresenter(FFormularioPresenter.get());
    FFrameListFormulario->SetProcFillFrameItem(
        [this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
            fillFrameItemFormulario(ADataSet, AFrame);
        });
    FFrameListFormulario->SetIsFillIds(true);

    ComboBoxMenuSuperior->clear();
    FMenus.clear();
    auto menus = TBasePresenter::Create<TMenuSistemaPresenter>()->getMenuSuperior();
    ComboBoxMenuSuperior->addItem(QStringLiteral("SELECIONE"));
    if (menus) {
        for (auto &menu : *menus) {
            ComboBoxMenuSuperior->addItem(menu->MenuSuperior, QVariant::fromValue(menu->Id));
            FMenus.push_back(std::move(menu));
        }
    }
    ComboBoxMenuSuperior->setItemIndex(0);
}

void TFormCadastroPerfilPermissao::SetInfoPresenter()
{
    SetIsComplexPost(true);
    SetPresenter(TBasePresenter::Create<TPerfilPermissaoPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroPerfilPermissao::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Nome do Perfil"))
        .Required()
        .Upper()
        .MaxLength(50)
        .Caption(LabelDescricao);
}

void TFormCadastroPerfilPermissao::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditDescricao);
}

void TFormCadastroPerfilPermissao::changeListMenuGrupo()
{
    TFormBaseCadastro::changeListMenuGrupo();
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditDescricao,
                 nullptr,
                 nullptr,
                 false);
    AddMenuGrupo(QStringLiteral("Permissões"),
                 VertScrollBoxFormularioPerfilPermissao,
                 EditPesquisarFormulario,
                 nullptr,
                 nullptr,
                 false);
}

void TFormCadastroPerfilPermissao::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPerfilPermissaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroPerfilPermissao::fillTopText()
{
    TFormBaseCadastro::fillTopText();
    LabelTopText->setText(EditDescricao->text());
}

void TFormCadastroPerfilPermissao::afterChangeTab()
{
    TFormBaseCadastro::afterChangeTab();
    if (FFrameListFormulario)
        reloadFormularios();
}

void TFormCadastroPerfilPermissao::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    if (!FFormularioPresenter)
        return;
    ComboBoxMenuSuperior->setItemIndex(0);
    EditPesquisarFormulario->clear();
    FFormularioPresenter->SetFiltersDataSet(QString());
    auto &presenter = static_cast<TPerfilPermissaoPresenter &>(*FPresenter);
    presenter.SetDataSetFormulario(&FFormularioPresenter->DataSetInfo());
    presenter.SetListRemoveFormulario(&FListFormularioRemove);
    FFrameListFormulario->ClearList();
}

void TFormCadastroPerfilPermissao::reloadFormularios()
{
    FListFormularioRemove.clear();
    FFrameListFormulario->ClearList();
    FFormularioPresenter->IdPrincipal = TUtils::StrEmptyToInt64(EditID->text());
    FFrameListFormulario->fillDados(
        FIsFillForm, TTypePosition::tpTop, nullptr, !FIsViewForm, true, true, QString());
}

void TFormCadastroPerfilPermissao::rebuildFormularios()
{
    const int position = VertScrollBoxDadosFormulario->viewportPositionY();
    FFrameListFormulario->InitialFillDados();
    TMemTable &table = FFormularioPresenter->DataSetInfo();
    // With no search text the presenter puts its own filter on the table.
    FFormularioPresenter->TextSearch.clear();
    FFormularioPresenter->SearchFilter();
    if (table.Active() && table.RecordCount() > 0)
        FFrameListFormulario->SetDataSetToFrame(!FIsViewForm);
    FFrameListFormulario->CompleteFillDados(TTypePosition::tpCurrentPosition, nullptr);
    VertScrollBoxDadosFormulario->verticalScrollBar()->setValue(position);
}

void TFormCadastroPerfilPermissao::fillFrameItemFormulario(TMemTable &ADataSet,
                                                           TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TFormularioPerfilPermissaoFrameAdapter>(
        VertScrollBoxDadosFormulario, ADataSet);
    frame->ProcCheckboxClick = [this](TFrameBaseAdapter *AItem) { alterarFormulario(AItem); };
    frame->ProcEdit = [this](TFrameBaseAdapter *AItem) { inverterFormulario(AItem); };
    frame->ProcRemove = [this](TFrameBaseAdapter *AItem) { removerFormulario(AItem); };
    AFrame = frame;
}

void TFormCadastroPerfilPermissao::alterarFormulario(TFrameBaseAdapter *AFrame)
{
    auto *frame = static_cast<TFormularioPerfilPermissaoFrameAdapter *>(AFrame);
    FFormularioPresenter->SetFlags(frame->IdFormulario(), frame->Flags());
}

void TFormCadastroPerfilPermissao::inverterFormulario(TFrameBaseAdapter *AFrame)
{
    auto *frame = static_cast<TFormularioPerfilPermissaoFrameAdapter *>(AFrame);
    FFormularioPresenter->ToggleFlags(frame->IdFormulario());
    rebuildFormularios();
}

void TFormCadastroPerfilPermissao::removerFormulario(TFrameBaseAdapter *AFrame)
{
    auto *frame = static_cast<TFormularioPerfilPermissaoFrameAdapter *>(AFrame);
    const std::int64_t stored = FFormularioPresenter->ClearRow(frame->IdFormulario());
    if (stored > 0)
        FListFormularioRemove << QString::number(stored);
    rebuildFormularios();
}

void TFormCadastroPerfilPermissao::ButtonMarcarTodasClick(QObject *Sender)
{
    (void)Sender;
    FFormularioPresenter->MarcarTodas();
    rebuildFormularios();
}

void TFormCadastroPerfilPermissao::SearchEditButtonFormularioClick(QObject *Sender)
{
    (void)Sender;
    const int index = ComboBoxMenuSuperior->itemIndex();
    const std::int64_t idMenuSuperior
        = index > 0 ? ComboBoxMenuSuperior->itemData(index).toLongLong() : 0;
    FFormularioPresenter->SetFiltersDataSet(TFormularioPerfilPermissaoPresenter::FilterText(
        idMenuSuperior, EditPesquisarFormulario->text()));
    rebuildFormularios();
}

void TFormCadastroPerfilPermissao::EditPesquisarFormularioKeyDown(QObject *Sender,
                                                                  int &Key,
                                                                  QChar &KeyChar,
                                                                  Qt::KeyboardModifiers Shift)
{
    (void)KeyChar;
    (void)Shift;
    if (Key == kKeyEnter)
        SearchEditButtonFormularioClick(Sender);
}

void TFormCadastroPerfilPermissao::ComboBoxMenuSuperiorChange(QObject *Sender)
{
    (void)Sender;
    FFrameListFormulario->ClearList();
}

void TFormCadastroPerfilPermissao::EditPesquisarFormularioChangeTracking(QObject *Sender)
{
    (void)Sender;
    FFrameListFormulario->ClearList();
}

void TFormCadastroPerfilPermissao::ClearEditButtonFormularioClick(QObject *Sender)
{
    (void)Sender;
    FFrameListFormulario->ClearList();
    EditPesquisarFormulario->clear();
}

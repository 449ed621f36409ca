#include "App.Form.Cadastro.Usuario.h"

#include "App.Adapter.Frame.Usuario.h"
#include "App.Adapter.Frame.UsuarioConta.h"
#include "App.Adapter.Frame.UsuarioEmpresa.h"
#include "App.Adapter.Frame.UsuarioEmpresaPerfilPermissao.h"
#include "App.Connector.Usuario.h"
#include "App.Form.SubCadastro.UsuarioFormaBaixaConta.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FrameList.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Usuario.h"
#include "App.Presenter.UsuarioConta.h"
#include "App.Presenter.UsuarioEmpresa.h"
#include "App.Presenter.UsuarioEmpresaPerfilPermissao.h"

#include "App.Lib.Service.Connection.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Common.Dto.Empresa.h"
#include "Common.Lib.Crypt.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "TabControl.h"

ZUNTA_REGISTER_FORM(TFormCadastroUsuario)

namespace {

const QString kPermissaoRecurso
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");
const QString kPreencha = QStringLiteral("WARNING:Preencha corretamente as informações.");
const QString kDuplicada = QStringLiteral("WARNING:A informação não pode ser duplicada.");
const QString kSucesso = QStringLiteral("SUCCESSOperação realizada com sucesso.");

TField *field(TMemTable &ATable, const char *AName)
{
    return ATable.FieldByName(QLatin1String(AName));
}

// A group of the record tab: a scroll box kept on its tab item while the group is not shown.
TVertScrollBox *newGrupo(TTabControl *ATabs, TTabItem *&AItem, const QString &AName)
{
    AItem = new TTabItem(ATabs, QStringLiteral("TabItem") + AName);
    auto *box = new TVertScrollBox(AItem, QStringLiteral("VertScrollBox") + AName);
    box->setAlign(TAlignLayout::Client);
    return box;
}

// The row list of a group, below the group's own controls (top-aligned controls stack by their
// vertical position).
TVertScrollBox *newDados(TVertScrollBox *AGrupo, const QString &AName)
{
    auto *box = new TVertScrollBox(AGrupo->content(), QStringLiteral("VertScrollBoxDados") + AName);
    box->setAlign(TAlignLayout::Top);
    box->setPositionY(70);
    box->setHeight(460);
    return box;
}

} // namespace

TFormCadastroUsuario::TFormCadastroUsuario(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroUsuario"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Usuários"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 569);
    place.Field(LabelLogin, EditLogin, u"Login", 8, 66, 280);
    place.Field(LabelSenhaDefault, EditSenhaDefault, u"SenhaDefault", 300, 66, 277);

    TabControlGrupos = new TTabControl(this, QStringLiteral("TabControlGrupos"));
    TabControlGrupos->setVisible(false);
    VertScrollBoxUsuarioEmpresa
        = newGrupo(TabControlGrupos, TabItemUsuarioEmpresa, QStringLiteral("UsuarioEmpresa"));

    VertScrollBoxUsuarioEmpresaPerfilPermissao
        = newGrupo(TabControlGrupos,
                   TabItemUsuarioEmpresaPerfilPermissao,
                   QStringLiteral("UsuarioEmpresaPerfilPermissao"));
    auto *perfilTop = new TLayout(VertScrollBoxUsuarioEmpresaPerfilPermissao->content(),
                                  QStringLiteral("LayoutPerfilPermissao"));
    perfilTop->setAlign(TAlignLayout::Top);
    perfilTop->setHeight(66);
    perfilTop->setPositionY(0);
    const TPlacement perfil(perfilTop, 18, 30);
    Label4 = perfil.Caption(QStringLiteral("Label4"), 8, 8, QStringLiteral("Empresa"));
    perfil.Control(ComboBoxEmpresa, u"Empresa", 8, 26, 300);
    perfil.Field(LabelPerfilPermissao, EditPerfilPermissao, u"PerfilPermissao", 320, 8, 300);
    perfil.Control(SpeedButtonAddPerfilPermissao, u"AddPerfilPermissao", 630, 26, 30);
    SpeedButtonAddPerfilPermissao->setStyleLookup(QStringLiteral("addtoolbutton"));
    SpeedButtonAddPerfilPermissao->OnClick
        = [this](QObject *) { SpeedButtonAddPerfilPermissaoClick(); };
    VertScrollBoxDadosPerfilPermissao
        = newDados(VertScrollBoxUsuarioEmpresaPerfilPermissao, QStringLiteral("PerfilPermissao"));

    VertScrollBoxUsuarioConta
        = newGrupo(TabControlGrupos, TabItemUsuarioConta, QStringLiteral("UsuarioConta"));
    auto *contaTop
        = new TLayout(VertScrollBoxUsuarioConta->content(), QStringLiteral("LayoutUsuarioConta"));
    contaTop->setAlign(TAlignLayout::Top);
    contaTop->setHeight(66);
    contaTop->setPositionY(0);
    const TPlacement conta(contaTop, 18, 30);
    conta.Field(LabelConta, EditConta, u"Conta", 8, 8, 400);
    conta.Control(SpeedButtonAddUsuarioConta, u"AddUsuarioConta", 420, 26, 30);
    SpeedButtonAddUsuarioConta->setStyleLookup(QStringLiteral("addtoolbutton"));
    SpeedButtonAddUsuarioConta->OnClick = [this](QObject *) { SpeedButtonAddUsuarioContaClick(); };
    VertScrollBoxDadosUsuarioConta
        = newDados(VertScrollBoxUsuarioConta, QStringLiteral("UsuarioConta"));
}

TFormCadastroUsuario::~TFormCadastroUsuario() = default;

void TFormCadastroUsuario::FormCreate()
{
    m_formaBaixa = TFormBase::Create<TFormSubCadastroUsuarioFormaBaixaConta>(this);
    RegisterSubCadastro(m_formaBaixa);
    FEmpresaPresenter = TBasePresenter::Create<TUsuarioEmpresaPresenter>();
    FEmpresaPermissaoPresenter = TBasePresenter::Create<TUsuarioEmpresaPerfilPermissaoPresenter>();
    FUsuarioContaPresenter = TBasePresenter::Create<TUsuarioContaPresenter>();
    FFrameListEmpresa = std::make_unique<TFrameList>();
    FFrameListEmpresaPermissao = std::make_unique<TFrameList>();
    FFrameListUsuarioConta = std::make_unique<TFrameList>();
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(m_formaBaixa->FrameList());
    showSenhaDefault(false);
    fillComboEmpresa();
}

TUsuarioPresenter &TFormCadastroUsuario::presenterUsuario() const
{
    return *static_cast<TUsuarioPresenter *>(FPresenter.get());
}

void TFormCadastroUsuario::SetInfoPresenter()
{
    SetIsComplexPost(true);
    auto presenter = TBasePresenter::Create<TUsuarioPresenter>();
    TUsuarioConnector::New(m_formaBaixa)
        ->SetPresenterUsuario(presenter.get())
        .SetDataSetUsuarioFormaBaixaConta(&m_formaBaixa->DataSetSubCadastro());
    SetPresenter(std::move(presenter));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroUsuario::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Nome do Usuário"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("CBL"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    manager.Bind(EditLogin, QStringLiteral("Login de Acesso"))
        .Required()
        .MaxLength(50)
        .Caption(LabelLogin);
    manager.Bind(EditPerfilPermissao, QStringLiteral("Perfil de Acesso"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPerfilPermissao)
        .Lookup(QStringLiteral("TPesquisaPerfilPermissao"));
    manager.Bind(EditConta, QStringLiteral("Conta"))
        .IgnoreSave()
        .Upper()
        .MaxLength(100)
        .Caption(LabelConta)
        .Lookup(QStringLiteral("TPesquisaConta"));
}

void TFormCadastroUsuario::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}

void TFormCadastroUsuario::changeListMenuGrupo()
{
    TFormBaseCadastro::changeListMenuGrupo();
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditPessoa,
                 nullptr,
                 nullptr,
                 false);
    AddMenuGrupo(
        QStringLiteral("Empresas"), VertScrollBoxUsuarioEmpresa, nullptr, nullptr, nullptr, false);
    AddMenuGrupo(QStringLiteral("Perfis de Acesso"),
                 VertScrollBoxUsuarioEmpresaPerfilPermissao,
                 ComboBoxEmpresa,
                 nullptr,
                 nullptr,
                 false);
    AddMenuGrupo(
        QStringLiteral("Conta"), VertScrollBoxUsuarioConta, EditConta, nullptr, nullptr, false);
    AddSubCadastro(QStringLiteral("Formas de Baixa"), m_formaBaixa, nullptr, false, false);
}

void TFormCadastroUsuario::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *frame = TFrameBaseAdapter::New<TUsuarioFrameAdapter>(VertScrollBoxDados, ADataSet);
    frame->ProcResetSenha = [this](TFrameBaseAdapter *AItem) { resetSenha(AItem); };
    AFrame = frame;
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroUsuario::fillTopText()
{
    LabelTopText->setText(EditPessoa->text());
}

void TFormCadastroUsuario::executeNovo(QObject *Sender)
{
    TFormBaseCadastro::executeNovo(Sender);
    if (!IsListTabActive())
        showSenhaDefault(true);
}

void TFormCadastroUsuario::afterFillForm()
{
    TFormBaseCadastro::afterFillForm();
    if (TUtils::StrEmptyToInt64(EditID->text()) != 0)
        showSenhaDefault(false);
}

void TFormCadastroUsuario::afterChangeTab()
{
    TFormBaseCadastro::afterChangeTab();
    if (!IsListTabActive())
        loadChildLists();
}

void TFormCadastroUsuario::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    const auto wire = [this](TFrameList &AList,
                             TVertScrollBox *ABox,
                             TBasePresenter &APresenter,
                             TProcFillFrameItem ABuild) {
        AList.SetVertScroll(ABox);
        AList.SetPresenter(&APresenter);
        AList.SetProcFillFrameItem(std::move(ABuild));
        AList.SetIsFillIds(true);
    };
    wire(*FFrameListEmpresa,
         VertScrollBoxUsuarioEmpresa,
         *FEmpresaPresenter,
         [this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
             auto *frame = TFrameBaseAdapter::New<TUsuarioEmpresaFrameAdapter>(
                 VertScrollBoxUsuarioEmpresa, ADataSet);
             frame->ProcCheckboxClick
                 = [this](TFrameBaseAdapter *AItem) { empresaAtivoChanged(AItem); };
             frame->ProcRemove = [this](TFrameBaseAdapter *AItem) { removeEmpresa(AItem); };
             AFrame = frame;
         });
    wire(*FFrameListEmpresaPermissao,
         VertScrollBoxDadosPerfilPermissao,
         *FEmpresaPermissaoPresenter,
         [this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
             auto *frame = TFrameBaseAdapter::New<TUsuarioEmpresaPerfilPermissaoFrameAdapter>(
                 VertScrollBoxDadosPerfilPermissao, ADataSet);
             frame->ProcRemove = [this](TFrameBaseAdapter *AItem) { removePerfilPermissao(AItem); };
             AFrame = frame;
         });
    wire(*FFrameListUsuarioConta,
         VertScrollBoxDadosUsuarioConta,
         *FUsuarioContaPresenter,
         [this](TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) {
             auto *frame = TFrameBaseAdapter::New<TUsuarioContaFrameAdapter>(
                 VertScrollBoxDadosUsuarioConta, ADataSet);
             frame->ProcCheckboxClick
                 = [this](TFrameBaseAdapter *AItem) { contaPadraoChanged(AItem); };
             frame->ProcRemove = [this](TFrameBaseAdapter *AItem) { removeConta(AItem); };
             AFrame = frame;
         });

    TUsuarioPresenter &presenter = presenterUsuario();
    presenter.SetDataSetEmpresa(&FEmpresaPresenter->DataSetInfo());
    presenter.SetListRemoveEmpresa(&FListEmpresaRemove);
    presenter.SetDataSetEmpresaPermissao(&FEmpresaPermissaoPresenter->DataSetInfo());
    presenter.SetListRemoveEmpresaPermissao(&FListEmpresaPermissaoRemove);
    presenter.SetDataSetUsuarioConta(&FUsuarioContaPresenter->DataSetInfo());
    presenter.SetListRemoveUsuarioConta(&FListUsuarioContaRemove);

    for (TBasePresenter *child :
         std::initializer_list<TBasePresenter *> { FEmpresaPresenter.get(),
                                                   FEmpresaPermissaoPresenter.get(),
                                                   FUsuarioContaPresenter.get() })
        child->Clear(true, false);
    for (TFrameList *list : { FFrameListEmpresa.get(),
                              FFrameListEmpresaPermissao.get(),
                              FFrameListUsuarioConta.get() })
        list->ClearList();
    ComboBoxEmpresa->setItemIndex(0);
    m_formaBaixa->ClearSubForm(true, true);
}

void TFormCadastroUsuario::showSenhaDefault(bool AShow)
{
    LabelSenhaDefault->setVisible(AShow);
    EditSenhaDefault->setVisible(AShow);
    if (!AShow)
        return;
    LabelSenhaDefault->setText(QStringLiteral("Senha Padrão de Acesso"));
    EditSenhaDefault->setText(DecodeText(TServiceConnection::GetInstance().SenhaPadraoAcesso()));
    EditSenhaDefault->setEnabled(false);
}

void TFormCadastroUsuario::fillComboEmpresa()
{
    ComboBoxEmpresa->clear();
    m_empresas.clear();
    // The companies belong to a later subsystem: without its presenter the combo offers none.
    if (const std::unique_ptr<TBasePresenter> empresas
        = TBasePresenter::CreatePresenter(QStringLiteral("TEmpresaPresenter"))) {
        if (auto rows = empresas->findAllFirstPage<TEmpresaDto>())
            m_empresas = std::move(*rows);
    }
    ComboBoxEmpresa->addItem(QStringLiteral("SELECIONE"));
    for (const auto &empresa : m_empresas)
        ComboBoxEmpresa->addItem(empresa->Empresa, QVariant::fromValue(qint64(empresa->Id)));
    ComboBoxEmpresa->setItemIndex(0);
}

void TFormCadastroUsuario::loadChildLists()
{
    const std::int64_t idUsuario = TUtils::StrEmptyToInt64(EditID->text());
    const auto load = [this, idUsuario](QStringList &ARemove,
                                        TFrameList &AList,
                                        TBasePresenter &APresenter,
                                        bool AIsFillForm) {
        ARemove.clear();
        AList.ClearList();
        APresenter.IdPrincipal = idUsuario;
        AList.fillDados(
            AIsFillForm, TTypePosition::tpTop, nullptr, !FIsViewForm, true, false, QString());
    };
    load(FListEmpresaRemove, *FFrameListEmpresa, *FEmpresaPresenter, FIsFillForm);
    load(FListEmpresaPermissaoRemove,
         *FFrameListEmpresaPermissao,
         *FEmpresaPermissaoPresenter,
         true);
    load(FListUsuarioContaRemove, *FFrameListUsuarioConta, *FUsuarioContaPresenter, true);
}

void TFormCadastroUsuario::rebuildRows(TFrameList &AList, bool AToTop)
{
    TMemTable &table = AList.Presenter()->DataSetInfo();
    AList.InitialFillDados();
    table.SetFiltered(false);
    if (table.Active() && table.RecordCount() > 0)
        AList.SetDataSetToFrame(!FIsViewForm);
    AList.CompleteFillDados(AToTop ? TTypePosition::tpTop : TTypePosition::tpCurrentPosition,
                            nullptr);
}

void TFormCadastroUsuario::SpeedButtonAddPerfilPermissaoClick()
{
    TDravikHandleException::Guard([this] {
        const TItemControl *perfil
            = FPresenter->FindItemControl(QStringLiteral("EditPerfilPermissao"));
        const int index = ComboBoxEmpresa->itemIndex();
        // A profile typed but not chosen in the lookup has no id: its row would never be saved.
        if (index <= 0 || index > int(m_empresas.size()) || EditPerfilPermissao->text().isEmpty()
            || !perfil || perfil->Id == 0) {
            TAppUtils::DelayedSetFocus(ComboBoxEmpresa);
            throw Exception(kPreencha);
        }
        const TEmpresaDto &empresa = *m_empresas[std::size_t(index - 1)];
        TMemTable &empresas = FEmpresaPresenter->DataSetInfo();
        empresas.SetFiltered(false);
        if (empresas.Active()
            && empresas.Locate(QStringLiteral("ID_EMPRESA"), TFieldValue(std::int64_t(empresa.Id)))
            && !field(empresas, "ATIVO")->AsBoolean())
            throw Exception(
                QStringLiteral("WARNING:É necessário que a empresa selecionada esteja ativa."));
        TMemTable &perfis = FEmpresaPermissaoPresenter->DataSetInfo();
        if (!perfis.Active())
            perfis.Open();
        perfis.SetFiltered(false);
        for (perfis.First(); !perfis.Eof(); perfis.Next())
            if (field(perfis, "ID_EMPRESA")->AsLargeInt() == empresa.Id
                && field(perfis, "ID_PERFIL_PERMISSAO")->AsLargeInt() == perfil->Id)
                throw Exception(kDuplicada);
        perfis.Append();
        field(perfis, "ID_EMPRESA")->SetAsLargeInt(empresa.Id);
        field(perfis, "EMPRESA")->SetAsString(empresa.Empresa);
        field(perfis, "ID_PERFIL_PERMISSAO")->SetAsLargeInt(perfil->Id);
        field(perfis, "PERFIL_PERMISSAO")->SetAsString(EditPerfilPermissao->text());
        perfis.Post();
        rebuildRows(*FFrameListEmpresaPermissao, true);
        FPresenter->FindItemControl(QStringLiteral("EditPerfilPermissao"))->Clear();
        TAppUtils::MessageSystem(kSucesso);
    });
}

void TFormCadastroUsuario::SpeedButtonAddUsuarioContaClick()
{
    TDravikHandleException::Guard([this] {
        TItemControl *conta = FPresenter->FindItemControl(QStringLiteral("EditConta"));
        // An account typed but not chosen in the lookup has no id: its row would never be saved.
        if (EditConta->text().isEmpty() || !conta || conta->Id == 0)
            throw Exception(kPreencha);
        TMemTable &contas = FUsuarioContaPresenter->DataSetInfo();
        if (!contas.Active())
            contas.Open();
        contas.SetFiltered(false);
        if (contas.Locate(QStringLiteral("ID_CONTA"), TFieldValue(conta->Id)))
            throw Exception(kDuplicada);
        contas.Append();
        field(contas, "ID_CONTA")->SetAsLargeInt(conta->Id);
        field(contas, "CONTA")->SetAsString(EditConta->text());
        contas.Post();
        rebuildRows(*FFrameListUsuarioConta, true);
        conta->Clear();
        TAppUtils::MessageSystem(kSucesso);
    });
}

void TFormCadastroUsuario::requireRowPermission() const
{
    if (!FPermissionInserir && !FPermissionEditar)
        throw Exception(kPermissaoRecurso);
}

void TFormCadastroUsuario::empresaAtivoChanged(TFrameBaseAdapter *AFrame)
{
    auto *frame = static_cast<TUsuarioEmpresaFrameAdapter *>(AFrame);
    TMemTable &empresas = FEmpresaPresenter->DataSetInfo();
    empresas.SetFiltered(false);
    const bool found = empresas.Locate(QStringLiteral("ID_EMPRESA"), TFieldValue(frame->IdEmpresa));
    TDravikHandleException::Guard([&] {
        try {
            requireRowPermission();
        } catch (...) {
            // The box shows what the table holds.
            if (found)
                frame->CheckBoxAtivo->setChecked(field(empresas, "ATIVO")->AsBoolean());
            throw;
        }
        if (!found)
            return;
        empresas.Edit();
        field(empresas, "ATIVO")->SetAsBoolean(frame->CheckBoxAtivo->isChecked());
        empresas.Post();
    });
}

void TFormCadastroUsuario::removeEmpresa(TFrameBaseAdapter *AFrame)
{
    const std::int64_t idEmpresa = static_cast<TUsuarioEmpresaFrameAdapter *>(AFrame)->IdEmpresa;
    TDravikHandleException::Guard([this, idEmpresa] {
        requireRowPermission();
        TMemTable &empresas = FEmpresaPresenter->DataSetInfo();
        empresas.SetFiltered(false);
        if (!empresas.Locate(QStringLiteral("ID_EMPRESA"), TFieldValue(idEmpresa)))
            return;
        // The company stays listed, unlinked: the removed link goes only in the remove list, so
        // the save never sends it as kept as well.
        const std::int64_t id = field(empresas, "ID")->AsLargeInt();
        if (id > 0)
            FListEmpresaRemove.append(QString::number(id));
        empresas.Edit();
        field(empresas, "ID")->SetAsLargeInt(0);
        field(empresas, "ATIVO")->SetAsBoolean(false);
        empresas.Post();
        rebuildRows(*FFrameListEmpresa, false);
    });
}

void TFormCadastroUsuario::removePerfilPermissao(TFrameBaseAdapter *AFrame)
{
    const std::int64_t idRegistro = AFrame->IdRegistro();
    TDravikHandleException::Guard([this, idRegistro] {
        requireRowPermission();
        TMemTable &perfis = FEmpresaPermissaoPresenter->DataSetInfo();
        perfis.SetFiltered(false);
        // By the row itself: the same profile may be held in two companies.
        if (!perfis.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(idRegistro)))
            return;
        const std::int64_t id = field(perfis, "ID")->AsLargeInt();
        if (id > 0)
            FListEmpresaPermissaoRemove.append(QString::number(id));
        perfis.Delete();
        rebuildRows(*FFrameListEmpresaPermissao, false);
    });
}

void TFormCadastroUsuario::contaPadraoChanged(TFrameBaseAdapter *AFrame)
{
    auto *frame = static_cast<TUsuarioContaFrameAdapter *>(AFrame);
    TMemTable &contas = FUsuarioContaPresenter->DataSetInfo();
    contas.SetFiltered(false);
    const bool found
        = contas.Locate(QStringLiteral("ID_REGISTRO"), TFieldValue(frame->IdRegistro()));
    TDravikHandleException::Guard([&] {
        try {
            requireRowPermission();
        } catch (...) {
            if (found)
                frame->CheckBoxPadraoConta->setChecked(field(contas, "PADRAO_CONTA")->AsBoolean());
            throw;
        }
        if (!found)
            return;
        contas.Edit();
        field(contas, "PADRAO_CONTA")->SetAsBoolean(frame->CheckBoxPadraoConta->isChecked());
        contas.Post();
    });
}

void TFormCadastroUsuario::removeConta(TFrameBaseAdapter *AFrame)
{
    const std::int64_t idConta = static_cast<TUsuarioContaFrameAdapter *>(AFrame)->IdConta;
    TDravikHandleException::Guard([this, idConta] {
        requireRowPermission();
        TMemTable &contas = FUsuarioContaPresenter->DataSetInfo();
        contas.SetFiltered(false);
        if (!contas.Locate(QStringLiteral("ID_CONTA"), TFieldValue(idConta)))
            return;
        const std::int64_t id = field(contas, "ID")->AsLargeInt();
        if (id > 0)
            FListUsuarioContaRemove.append(QString::number(id));
        contas.Delete();
        rebuildRows(*FFrameListUsuarioConta, false);
    });
}

void TFormCadastroUsuario::resetSenha(TFrameBaseAdapter *AFrame)
{
    const std::int64_t id = StrToInt64(AFrame->TagString);
    TDravikHandleException::Guard([this, id] {
        requireRowPermission();
        presenterUsuario().ResetPassword(id);
        TAppUtils::MessageSystem(kSucesso);
    });
}

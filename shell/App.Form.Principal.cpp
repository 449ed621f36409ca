#include "App.Form.Principal.h"

#include "App.Base.Form.View.h"
#include "App.Form.Login.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.FormScreen.h"
#include "App.Lib.ImageList.h"
#include "App.Lib.Menu.Item.h"
#include "App.Lib.Menu.Top.h"
#include "App.Lib.Presenter.MenuSistema.h"
#include "App.Lib.Theme.h"
#include "App.Lib.UpdateApp.h"
#include "App.Lib.Utils.h"
#include "AppPaths.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.MenuSistema.h"
#include "Common.Dto.Usuario.h"
#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "MultiView.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "StyleIcons.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QShowEvent>
#include <QThread>

namespace {

const QString AccessError = QStringLiteral(
    "ERROR:Ocorreu um problema durante o acesso ao sistema.\r\nO sistema será encerrado.");
const QString CloseQuestion = QStringLiteral("QUESTION:Deseja encerrar o sistema?");
// The status a failed start-up ends the process with.
constexpr int ExitStartupFailure = 1;
// Glyphs of the icon font: the user and the logout.
constexpr char16_t GlyphPerson = 0xe7fd;
constexpr char16_t GlyphExitToApp = 0xe879;

TFormPrincipal::TTerminateProc &terminateProc()
{
    static TFormPrincipal::TTerminateProc proc;
    return proc;
}

void terminate(int AExitCode)
{
    if (const TFormPrincipal::TTerminateProc &proc = terminateProc()) {
        proc(AExitCode);
        return;
    }
    // Before the event loop there is no loop to leave: ExecuteZunta then does not start it.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(AExitCode);
}

TSpeedButton *makeWindowButton(TRectangle *AParent, const QString &AName, int AImageIndex, int AX)
{
    auto *button = new TSpeedButton(AParent, AName);
    button->setSize(48, 20);
    button->setPosition(AX, 0);
    button->setAlign(TAlignLayout::Right);
    button->setImages(&TDataModuleImageList::Instance().ImageListPrincipal);
    button->setImageIndex(AImageIndex);
    return button;
}

} // namespace

void TFormPrincipal::SetTerminateProc(TTerminateProc AProc)
{
    terminateProc() = std::move(AProc);
}

TFormPrincipal::TFormPrincipal(QWidget *AParent)
    : TFormBase(QStringLiteral("TFormPrincipal"), AParent)
{
    setWindowTitle(QStringLiteral("Zunta"));
    resize(1020, 500);
    InstallAlignLayout(this);

    StatusBarSystem = new TStatusBar(this, QStringLiteral("StatusBarSystem"));
    LabelVersionSystem = new TLabel(StatusBarSystem, QStringLiteral("LabelVersionSystem"));
    LabelVersionSystem->setAlign(TAlignLayout::Left);
    LabelVersionSystem->setWidth(145);
    LabelVersionSystem->setMargins(5, 0, 0, 0);
    LabelVersionSystem->setFontSize(10);
    LabelDravikCompany = new TLabel(StatusBarSystem, QStringLiteral("LabelDravikCompany"));
    LabelDravikCompany->setAlign(TAlignLayout::Right);
    LabelDravikCompany->setMargins(0, 0, 5, 0);
    LabelDravikCompany->setFontSize(10);
    LabelDravikCompany->setHorzAlign(TTextAlign::Trailing);
    LabelDravikCompany->setCursor(Qt::PointingHandCursor);
    LabelDravikCompany->setAutoSize(true);
    LabelDravikCompany->setText(QStringLiteral("by DRAVIK Company"));

    PanelSuperior = new TPanel(this, QStringLiteral("PanelSuperior"));
    PanelSuperior->setAlign(TAlignLayout::Top);
    PanelSuperior->setHeight(67);
    RectangleSuperior = new TRectangle(PanelSuperior, QStringLiteral("RectangleSuperior"));
    RectangleSuperior->setAlign(TAlignLayout::Top);
    RectangleSuperior->setHeight(30);
    RectangleSuperior->setStrokeColor(TAlphaColors::Null);
    // Right to left: close, minimise, open windows.
    SpeedButtonMenuLateral
        = makeWindowButton(RectangleSuperior, QStringLiteral("SpeedButtonMenuLateral"), 15, 0);
    SpeedButtonMinimizar
        = makeWindowButton(RectangleSuperior, QStringLiteral("SpeedButtonMinimizar"), 1, 48);
    SpeedButtonFechar
        = makeWindowButton(RectangleSuperior, QStringLiteral("SpeedButtonFechar"), 0, 96);
    LabelEmpresa = new TLabel(RectangleSuperior, QStringLiteral("LabelEmpresa"));
    LabelEmpresa->setAlign(TAlignLayout::Contents);
    LabelEmpresa->setHorzAlign(TTextAlign::Center);
    LabelEmpresa->setFontSize(16);
    LabelEmpresa->setText(QStringLiteral("DRAVIK COMPANY"));
    LabelEmpresa->lower();

    RectangleMenuSuperior = new TRectangle(PanelSuperior, QStringLiteral("RectangleMenuSuperior"));
    RectangleMenuSuperior->setAlign(TAlignLayout::Client);
    RectangleMenuSuperior->setStrokeColor(TAlphaColors::Null);
    LayoutLogo = new TLayout(RectangleMenuSuperior, QStringLiteral("LayoutLogo"));
    LayoutLogo->setAlign(TAlignLayout::Left);
    LayoutLogo->setWidth(180);
    ImageLogo = new TImage(LayoutLogo, QStringLiteral("ImageLogo"));
    ImageLogo->setAlign(TAlignLayout::Client);
    ImageLogo->setMargins(10, 4, 10, 4);
    ImageLogo->setHitTest(false);
    Line4 = new TLine(RectangleMenuSuperior, QStringLiteral("Line4"));
    Line4->setAlign(TAlignLayout::Right);
    Line4->setWidth(1);
    Line4->setLineType(TLineType::Left);
    Line4->setOpacity(0.3);
    Line4->setStrokeColor(TAlphaColors::White);
    LayoutUsuario = new TLayout(RectangleMenuSuperior, QStringLiteral("LayoutUsuario"));
    LayoutUsuario->setAlign(TAlignLayout::Right);
    LayoutUsuario->setWidth(214);
    RectangleUsuario = new TRectangle(LayoutUsuario, QStringLiteral("RectangleUsuario"));
    RectangleUsuario->setAlign(TAlignLayout::Client);
    RectangleUsuario->setStrokeColor(TAlphaColors::Null);
    Layout2 = new TLayout(RectangleUsuario, QStringLiteral("Layout2"));
    Layout2->setAlign(TAlignLayout::Client);
    ImageUser = new TImage(Layout2, QStringLiteral("ImageUser"));
    ImageUser->setAlign(TAlignLayout::Left);
    ImageUser->setWidth(30);
    ImageUser->setVisible(false);
    ImageLogout = new TImage(Layout2, QStringLiteral("ImageLogout"));
    ImageLogout->setAlign(TAlignLayout::Right);
    ImageLogout->setWidth(30);
    ImageLogout->setMargins(0, 5, 5, 5);
    ImageLogout->setCursor(Qt::PointingHandCursor);
    ImageLogout->setToolTip(QStringLiteral("Alterar o usuário logado"));
    LayoutNomeUsuario = new TLayout(Layout2, QStringLiteral("LayoutNomeUsuario"));
    LayoutNomeUsuario->setAlign(TAlignLayout::Client);
    LabelLogadoNome = new TLabel(LayoutNomeUsuario, QStringLiteral("LabelLogadoNome"));
    LabelLogadoNome->setAlign(TAlignLayout::Client);
    LabelLogadoNome->setHorzAlign(TTextAlign::Trailing);
    LabelLogadoNome->setMargins(0, 0, 5, 0);
    LabelLogadoNome->setFontSize(16);
    LabelLogadoNome->setText(QStringLiteral("USUARIO"));
    LayoutTopMenu = new TGridLayout(RectangleMenuSuperior, QStringLiteral("LayoutTopMenu"));
    LayoutTopMenu->setAlign(TAlignLayout::Client);
    LayoutTopMenu->setItemWidth(100);

    RectanglePrincipal = new TRectangle(this, QStringLiteral("RectanglePrincipal"));
    RectanglePrincipal->setAlign(TAlignLayout::Client);
    RectanglePrincipal->setStrokeColor(TAlphaColors::Null);
    // The large logo in the middle of the work area, under the docked windows.
    ImageLogoPrincipal = new TImage(RectanglePrincipal, QStringLiteral("ImageLogoPrincipal"));
    ImageLogoPrincipal->setSize(400, 200);
    ImageLogoPrincipal->setAlign(TAlignLayout::Center);
    ImageLogoPrincipal->setHitTest(false);
    LayoutApoio = new TLayout(RectanglePrincipal, QStringLiteral("LayoutApoio"));
    LayoutApoio->setAlign(TAlignLayout::Right);
    LayoutApoio->setWidth(400);
    LayoutPrincipal = new TLayout(RectanglePrincipal, QStringLiteral("LayoutPrincipal"));
    LayoutPrincipal->setAlign(TAlignLayout::Client);
    MultiViewMenu = new TMultiView(RectanglePrincipal, QStringLiteral("MultiViewMenu"));
    MultiViewMenu->setVisible(false);

    SpeedButtonFechar->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { ExecuteProcCloseForm(); }); };
    SpeedButtonMinimizar->OnClick = [this](QObject *) { showMinimized(); };
    SpeedButtonMenuLateral->OnClick = [this](QObject *) {
        TDravikHandleException::Guard([this] { SpeedButtonMenuLateralClick(); });
    };
    ImageLogout->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([this] { ImageLogoutClick(); }); };
}

TFormPrincipal::~TFormPrincipal()
{
    // The open windows and the top menus go before the areas they lie in.
    TApplicationZunta::ResetInstance();
    // The side menu before its overlay, a sibling it frees itself.
    delete MultiViewMenu;
}

void TFormPrincipal::FormCreate()
{
    setGeometry(WorkAreaBounds());
    FIsLogado = false;
    QDir().mkpath(ExecutableFolder() + QStringLiteral("temp"));
    atualizar();
    if (!m_encerrado)
        logar(0);
    LabelDravikCompany->setText(QStringLiteral("by DRAVIK Sistemas - ")
                                + QDate::currentDate().toString(QStringLiteral("yyyy")));
    TFormBase::FormCreate();
    LayoutApoio->setVisible(false);
}

void TFormPrincipal::atualizar()
{
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    application.FormPrincipal = this;
    application.ProcLogar = [this](std::int64_t AIdUsuarioLogado) { logar(AIdUsuarioLogado); };
    application.ProcLoadMenu = [this] { loadMenu(); };
    try {
        TUpdateApp update;
        if (!FIsLogado)
            update.VerificaAtualizacoes();
    } catch (...) {
        TDravikHandleException::Handle(AccessError);
        Encerrar(ExitStartupFailure);
    }
}

void TFormPrincipal::logar(std::int64_t AIdUsuarioLogado)
{
    // The main window's own events never restart the inactivity count.
    IsInitializateApp();
    try {
        std::unique_ptr<TFormLogin> login(TFormBase::Create<TFormLogin>());
        login->SetIdUsuarioLogado(AIdUsuarioLogado);
        while (!login->IsLogado()) {
            ExecuteModal(login.get());
            if (login->IsCancelaLogin())
                break;
        }
        FIsLogado = login->IsLogado();
        login.reset();
        if (!FIsLogado) {
            Encerrar();
            return;
        }
        TApplicationZunta &application = TApplicationZunta::GetInstance();
        if (const TUsuarioDto *usuario = application.UsuarioLogado())
            LabelLogadoNome->setText(usuario->Nome);
        LabelEmpresa->setText(application.EmpresaLogado().Empresa);
        LabelVersionSystem->setText(application.Version());
        application.LayoutApoio = LayoutApoio;
        application.LayoutPrincipal = LayoutPrincipal;
        application.PanelMenu = PanelSuperior;
        application.MultiViewMenu = MultiViewMenu;
        // A new user gets the menus anew; the same user after the lock keeps them.
        if (AIdUsuarioLogado == 0)
            m_menuCarregado = false;
    } catch (...) {
        TDravikHandleException::Handle(AccessError);
        Encerrar(ExitStartupFailure);
    }
}

void TFormPrincipal::loadMenu()
{
    if (!FIsLogado || m_menuCarregado)
        return;
    m_menuCarregado = true;
    BuildMenuSistema();
}

void TFormPrincipal::BuildMenuSistema()
{
    auto presenter = TBasePresenter::Create<TMenuSistemaPresenter>();
    const std::optional<TObjectList<TMenuSistemaDto>> rows = presenter->getMenuSistema();
    if (!rows)
        return;
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    RealignAll(PanelSuperior);
    LayoutTopMenu->setItemHeight(LayoutTopMenu->height());
    QString menuSuperior;
    TButtonTopMenu *topMenu = nullptr;
    for (const auto &row : *rows) {
        if (!topMenu || row->MenuSuperior != menuSuperior) {
            // A first row without a top-menu text has no top menu to join: it is skipped.
            if (!topMenu && row->MenuSuperior.isEmpty())
                continue;
            auto created = std::make_unique<TButtonTopMenu>();
            topMenu = created.get();
            application.ListMenu.push_back(std::move(created));
            topMenu->SetText(row->MenuSuperior);
            topMenu->SetMultiViewMenu(MultiViewMenu);
            topMenu->Order = int(application.ListMenu.size()) - 1;
            topMenu->SetParent(LayoutTopMenu);
            menuSuperior = row->MenuSuperior;
        }
        if (row->ItemMenu.isEmpty())
            continue;
        auto item = std::make_unique<TButtonItemMenu>();
        item->SetText(row->ItemMenu);
        item->SetFormClassName(row->ClasseFormulario);
        item->Order = int(topMenu->SubMenu().size());
        item->OnClick = [](QObject *Sender) {
            TDravikHandleException::Guard(
                [Sender] { TApplicationZunta::GetInstance().OpenForm(Sender); });
        };
        topMenu->SubMenu().push_back(std::move(item));
    }
}

void TFormPrincipal::showEvent(QShowEvent *AEvent)
{
    TFormBase::showEvent(AEvent);
    if (isMaximized())
        return;
    TDravikHandleException::Guard([this] { loadMenu(); });
}

void TFormPrincipal::SpeedButtonMenuLateralClick()
{
    TFormMenuPrint &popup = TFormMenuPrint::New().TitleMenu(QStringLiteral("Janelas Abertas"));
    for (const auto &[className, form] : TApplicationZunta::GetInstance().ListFormOpened())
        popup.AddButton(form.get());
    popup.SetCloseAfterClick(true).Execute();
}

void TFormPrincipal::ImageLogoutClick()
{
    TApplicationZunta &application = TApplicationZunta::GetInstance();
    application.IsBloqueio = false;
    // The change of user is offered whatever the timer's state: Logout asks only while it runs.
    application.TimerEnable(true, false);
    application.Logout(ImageLogout);
}

void TFormPrincipal::CloseForm()
{
    TFormBase::CloseForm();
    close();
}

bool TFormPrincipal::FormCloseQuery()
{
    return TAppUtils::MessageSystem(CloseQuestion) == mrYes;
}

void TFormPrincipal::closeEvent(QCloseEvent *AEvent)
{
    if (m_encerrado) {
        AEvent->accept();
        return;
    }
    bool fechar = false;
    TDravikHandleException::Guard([this, &fechar] { fechar = FormCloseQuery(); });
    if (!fechar) {
        AEvent->ignore();
        return;
    }
    AEvent->accept();
}

void TFormPrincipal::Encerrar(int AExitCode)
{
    m_encerrado = true;
    m_exitCode = AExitCode;
    terminate(AExitCode);
}

void TFormPrincipal::ApplyThemeApp()
{
    TFormBase::ApplyThemeApp();
    const TThemeApp &theme = TApplicationZunta::GetInstance().ThemeApp();
    const TColorApp &color = theme.ColorApp();
    const TFontApp &fonts = theme.FontApp();
    LabelLogadoNome->setTextFont(fonts.UserLogged());
    LabelLogadoNome->setFontColor(color.SecondaryColor);
    RectangleMenuSuperior->setFillColor(color.PrimaryColor);
    RectanglePrincipal->setFillColor(color.PrimaryColor);
    RectangleUsuario->setFillColor(color.PrimaryColor);
    RectangleSuperior->setFillColor(color.SecondaryColor);
    LabelEmpresa->setFontColor(color.PrimaryColor);
    LabelEmpresa->setTextFont(fonts.TitleWindow());
    StatusBarSystem->setFillColor(color.StatusBarColor);
    ImageLogo->setBitmap(LogoImage(QSize(160, 29), color.SecondaryColor));
    ImageLogoPrincipal->setBitmap(LogoImage(ImageLogoPrincipal->size(), color.SecondaryColor));
    ImageLogoPrincipal->setOpacity(0.25);
    ImageUser->setBitmap(GlyphPixmap(GlyphPerson, 48, color.SecondaryColor).toImage());
    ImageLogout->setBitmap(GlyphPixmap(GlyphExitToApp, 48, color.SecondaryColor).toImage());
}

int ExecuteZunta(const std::function<int()> &AEventLoop)
{
    TDataModuleImageList::Instance();
    std::unique_ptr<TFormPrincipal> principal(TFormBase::Create<TFormPrincipal>());
    if (principal->IsEncerrado())
        return principal->ExitCode();
    principal->show();
    const int status = AEventLoop ? AEventLoop() : 0;
    return principal->IsEncerrado() ? principal->ExitCode() : status;
}

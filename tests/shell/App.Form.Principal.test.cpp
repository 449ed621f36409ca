#include "App.Form.Principal.h"

#include "App.Base.Form.View.h"
#include "App.Form.Login.h"
#include "App.Lib.Application.h"
#include "App.Lib.Button.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.Lib.FormScreen.h"
#include "App.Lib.Menu.Item.h"
#include "App.Lib.Menu.Top.h"
#include "App.Lib.Message.Form.h"
#include "App.Lib.Form.TrocaSenha.h"
#include "Common.Dto.Empresa.h"
#include "DateTime.h"
#include "Edit.h"
#include "FileDate.h"
#include "Image.h"
#include "Label.h"
#include "Layouts.h"
#include "MultiView.h"
#include "SpeedButton.h"

#include "DemoBackend.h"
#include "FakeConnection.h"
#include "LoginSteps.h"
#include "ModalScript.h"
#include "ScriptedDialogs.h"
#include "ShellWindows.h"
#include "WaitFor.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A window a menu item opens.
class TFormCadastroMenuTeste final : public TJanelaTeste
{
public:
    explicit TFormCadastroMenuTeste(QWidget *AParent = nullptr)
        : TJanelaTeste(QStringLiteral("TFormCadastroMenuTeste"), AParent)
    { }
};

} // namespace

ZUNTA_REGISTER_FORM(TFormCadastroMenuTeste)

namespace {

const QString AccessError = QStringLiteral(
    "ERROR:Ocorreu um problema durante o acesso ao sistema.\r\nO sistema será encerrado.");

QJsonObject menuRow(int id,
                    const QString &top,
                    const QString &item,
                    const QString &form = QStringLiteral("TFormCadastroMenuTeste"))
{
    return QJsonObject { { QStringLiteral("id"), id },
                         { QStringLiteral("menuSuperior"), top },
                         { QStringLiteral("itemMenu"), item },
                         { QStringLiteral("classeFormulario"), form },
                         { QStringLiteral("informacaoItemMenu"), QString() } };
}

// The program started against the stand-in back end served from the repository's seed, with one
// more user ("ana", one company) and the menu rows a test gives. The login and the password
// change are played by the script; the end of the program is recorded instead of done.
class FormPrincipalTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TFormPrincipal::SetTerminateProc([this](int AExitCode) { exits.push_back(AExitCode); });
    }
    void TearDown() override
    {
        principal.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
        TFormPrincipal::SetTerminateProc(nullptr);
    }

    void serve(const QJsonArray &menus)
    {
        QFile file(QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QJsonObject seed = QJsonDocument::fromJson(file.readAll()).object();
        QJsonArray usuarios = seed.value(QStringLiteral("usuarios")).toArray();
        usuarios.append(QJsonObject { { QStringLiteral("id"), 3 },
                                      { QStringLiteral("nome"), QStringLiteral("ANA PAULA SOUZA") },
                                      { QStringLiteral("login"), QStringLiteral("ana") },
                                      { QStringLiteral("senha"), QStringLiteral("ana12345") },
                                      { QStringLiteral("trocarSenha"), false },
                                      { QStringLiteral("empresas"), QJsonArray { 2 } } });
        seed.insert(QStringLiteral("usuarios"), usuarios);
        seed.insert(QStringLiteral("menus"), menus);
        const QString seedFile = seedFolder.filePath(QStringLiteral("seed.json"));
        QFile out(seedFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(seed).toJson());
        out.close();
        demo = std::make_unique<DemoBackend>(seedFile);
        fake = std::make_unique<FakeConnection>(demo->backend());
    }
    FakeBackend &backend() { return demo->backend(); }

    // Creating the main window runs the update check and the login loop.
    TFormPrincipal &start()
    {
        principal.reset(TFormBase::Create<TFormPrincipal>());
        return *principal;
    }
    TFormPrincipal &startShown()
    {
        start();
        principal->show();
        return *principal;
    }
    // Logs "ana" (one company) in.
    void loginAna()
    {
        script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
            LoginSteps::logar(login, QStringLiteral("ana"), QStringLiteral("ana12345"));
        });
    }
    // The top menus on the bar, in order, each with its items.
    std::vector<std::pair<QString, QStringList>> topMenus() const
    {
        std::vector<std::pair<QString, QStringList>> result;
        for (const auto &top : TApplicationZunta::GetInstance().ListMenu) {
            if (top->Parent() != principal->LayoutTopMenu)
                continue;
            QStringList items;
            for (const auto &item : top->SubMenu())
                items << item->Text();
            result.emplace_back(top->Text(), items);
        }
        return result;
    }
    int barButtons() const
    {
        return int(
            principal->LayoutTopMenu->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)
                .size());
    }

    QTemporaryDir seedFolder;
    std::unique_ptr<DemoBackend> demo;
    std::unique_ptr<FakeConnection> fake;
    ScriptedDialogs dialogs;
    ModalScript script { [](QWidget *AForm) {
        if (auto *login = dynamic_cast<TFormLogin *>(AForm))
            LoginSteps::cancelar(*login);
        else
            AForm->close();
    } };
    std::vector<int> exits;
    std::unique_ptr<TFormPrincipal> principal;
};

TEST_F(FormPrincipalTest, OneCompanyLogsInWithoutChoiceAndShowsUserCompanyVersionAndMenus)
{
    serve({ menuRow(1, QStringLiteral("A"), QStringLiteral("Item 1")),
            menuRow(2, QStringLiteral("A"), QStringLiteral("Item 2")),
            menuRow(3, QStringLiteral("B"), QStringLiteral("Item 3")) });
    bool closedAtOnce = false;
    bool captionAbove = false;
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [&](TFormLogin &login) {
        // The login edit has the focus from the start, and its caption sits above it.
        const auto *caption = login.findChild<TLabel *>(QStringLiteral("LabelEditLogin"));
        captionAbove = caption && waitFor([&] { return caption->y() < login.EditLogin->y(); });
        LoginSteps::logar(login, QStringLiteral("ana"), QStringLiteral("ana12345"));
        closedAtOnce = !login.isVisible() && login.IsLogado();
    });

    TFormPrincipal &janela = startShown();

    EXPECT_TRUE(script.done());
    EXPECT_TRUE(closedAtOnce);
    EXPECT_TRUE(captionAbove);
    EXPECT_TRUE(janela.IsLogado());
    EXPECT_FALSE(janela.IsEncerrado());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(janela.LabelLogadoNome->text(), QStringLiteral("ANA PAULA SOUZA"));
    EXPECT_EQ(janela.LabelEmpresa->text(), QStringLiteral("PLANO FAMILIAR BOA ESPERANÇA"));
    EXPECT_EQ(janela.LabelVersionSystem->text(), TApplicationZunta::GetInstance().Version());
    EXPECT_TRUE(
        janela.LabelDravikCompany->text().startsWith(QStringLiteral("by DRAVIK Sistemas - ")));
    EXPECT_FALSE(janela.LayoutApoio->isVisible());
    EXPECT_TRUE(QDir(fake->folder() + QStringLiteral("/temp")).exists());
    // The token in use is the chosen company's.
    EXPECT_EQ(backend().last("POST", "/auth")->header("id-empresa"), "2");
    auto &application = TApplicationZunta::GetInstance();
    EXPECT_EQ(application.EmpresaLogado().Id, 2);
    EXPECT_EQ(application.FormPrincipal, &janela);
    EXPECT_EQ(application.LayoutPrincipal, janela.LayoutPrincipal);
    EXPECT_EQ(application.PanelMenu, janela.PanelSuperior);
    // The login window's destruction armed the lock.
    EXPECT_TRUE(application.IsBloqueio);
    EXPECT_TRUE(application.TimerInatividade().isActive());

    const auto menu = backend().last("GET", "/menu-sistema");
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->param("id-usuario"), "3");
    EXPECT_EQ(menu->param("page"), "1");
    EXPECT_EQ(menu->param("limit"), "100");
    EXPECT_EQ(menu->header("X-Paginate"), "true");
    using Menus = std::vector<std::pair<QString, QStringList>>;
    EXPECT_EQ(
        topMenus(),
        (Menus { { QStringLiteral("A"), { QStringLiteral("Item 1"), QStringLiteral("Item 2") } },
                 { QStringLiteral("B"), { QStringLiteral("Item 3") } } }));

    // Minimised and restored: Qt shows the window again, the menus stay as they are.
    janela.showMinimized();
    janela.showNormal();
    janela.hide();
    janela.show();
    EXPECT_EQ(backend().count("GET", "/menu-sistema"), 1u);
    EXPECT_EQ(barButtons(), 2);
}

struct MenuCase
{
    const char *Name;
    std::vector<std::pair<QString, QString>> Rows; // top menu, item
    std::vector<std::pair<QString, QStringList>> Expected;
};

void PrintTo(const MenuCase &row, std::ostream *os)
{
    *os << row.Name;
}

class FormPrincipalMenuTest : public FormPrincipalTest,
                              public ::testing::WithParamInterface<MenuCase>
{
};

TEST_P(FormPrincipalMenuTest, BuildsTopMenusAndItemsInServerOrder)
{
    QJsonArray rows;
    int id = 0;
    for (const auto &[top, item] : GetParam().Rows)
        rows.append(menuRow(++id, top, item));
    serve(rows);
    loginAna();

    startShown();

    EXPECT_EQ(topMenus(), GetParam().Expected);
    EXPECT_EQ(barButtons(), int(GetParam().Expected.size()));
    const auto &list = TApplicationZunta::GetInstance().ListMenu;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i]->Order, int(i));
        for (std::size_t j = 0; j < list[i]->SubMenu().size(); ++j)
            EXPECT_EQ(list[i]->SubMenu()[j]->Order, int(j));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows,
    FormPrincipalMenuTest,
    ::testing::Values(MenuCase { "AAB",
                                 { { "A", "Item 1" }, { "A", "Item 2" }, { "B", "Item 3" } },
                                 { { "A", { "Item 1", "Item 2" } }, { "B", { "Item 3" } } } },
                      MenuCase {
                          "ABA",
                          { { "A", "Item 1" }, { "B", "Item 2" }, { "A", "Item 3" } },
                          { { "A", { "Item 1" } }, { "B", { "Item 2" } }, { "A", { "Item 3" } } } },
                      MenuCase { "EmptyItemOpensTopMenuWithoutItem",
                                 { { "A", "" }, { "B", "Item 1" }, { "B", "" } },
                                 { { "A", {} }, { "B", { "Item 1" } } } },
                      MenuCase { "FirstRowWithoutTopMenuIsSkipped",
                                 { { "", "Solto" }, { "A", "Item 1" } },
                                 { { "A", { "Item 1" } } } },
                      MenuCase { "NoRows", {}, {} }),
    [](const ::testing::TestParamInfo<MenuCase> &info) { return std::string(info.param.Name); });

TEST_F(FormPrincipalTest, MenuItemOpensItsWindowInTheDockingArea)
{
    serve({ menuRow(1, QStringLiteral("CADASTROS"), QStringLiteral("Teste")) });
    loginAna();
    TFormPrincipal &janela = startShown();
    auto &application = TApplicationZunta::GetInstance();
    ASSERT_EQ(application.ListMenu.size(), 1u);
    TButtonTopMenu &top = *application.ListMenu[0];

    RealignAll(&janela);
    clickAt(top.Rectangle(), top.Rectangle()->rect().center());
    ASSERT_TRUE(janela.MultiViewMenu->isShowed());
    TButtonItemMenu &item = *top.SubMenu()[0];
    RealignAll(janela.MultiViewMenu);
    clickAt(item.Rectangle(), item.Rectangle()->rect().center());

    TFormBaseView *form = application.FormOpened(QStringLiteral("TFormCadastroMenuTeste"));
    ASSERT_TRUE(form);
    EXPECT_EQ(form->RectanglePrincipal->parentWidget(), janela.LayoutPrincipal);
    EXPECT_FALSE(janela.MultiViewMenu->isShowed());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    // The open-windows popup lists it and brings it back.
    RealignAll(&janela);
    clickAt(janela.SpeedButtonMenuLateral, janela.SpeedButtonMenuLateral->rect().center());
    auto *popup = janela.LayoutApoio->findChild<TRectangle *>(QStringLiteral("RectanglePrincipal"));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(janela.LayoutApoio->isVisible());
    EXPECT_FALSE(janela.PanelSuperior->isEnabled());
    const auto titles = popup->findChildren<TLabel *>(QStringLiteral("LabelTitleForm"));
    ASSERT_EQ(titles.size(), 1);
    EXPECT_EQ(titles[0]->text(), QStringLiteral("JANELAS ABERTAS"));
    const auto buttons = popup->findChildren<TSimpleButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->Text(), QStringLiteral("TFORMCADASTROMENUTESTE"));
    LoginSteps::press(buttons[0]->Rectangle());
    EXPECT_TRUE(waitFor([&] { return !janela.LayoutApoio->isVisible(); }));
    EXPECT_TRUE(janela.PanelSuperior->isEnabled());
    EXPECT_EQ(application.FormOpened(QStringLiteral("TFormCadastroMenuTeste")), form);
    EXPECT_TRUE(form->RectanglePrincipal->isVisible());
}

TEST_F(FormPrincipalTest, TwoCompaniesShowTheChoiceAndWarnWhenNoneIsChosen)
{
    serve({});
    QStringList itens;
    bool credenciaisFechadas = false;
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [&](TFormLogin &login) {
        EXPECT_FALSE(login.RectangleEmpresa->isEnabled());
        LoginSteps::logar(login, QStringLiteral("demo"), QStringLiteral("demo1234"));
        ASSERT_TRUE(login.isVisible());
        for (int i = 0; i < login.ComboBoxEmpresa->count(); ++i)
            itens << login.ComboBoxEmpresa->itemText(i);
        EXPECT_EQ(login.ComboBoxEmpresa->itemIndex(), 0);
        credenciaisFechadas
            = !login.LayoutLogin->isEnabled() && login.RectangleEmpresa->isEnabled();

        LoginSteps::acessar(login, 0);
        EXPECT_TRUE(login.isVisible());
        LoginSteps::acessar(login, 2);
    });

    TFormPrincipal &janela = start();

    EXPECT_EQ(itens,
              (QStringList { QStringLiteral("SELECIONE UMA EMPRESA"),
                             QStringLiteral("FUNERÁRIA SÃO JOSÉ"),
                             QStringLiteral("PLANO FAMILIAR BOA ESPERANÇA") }));
    EXPECT_TRUE(credenciaisFechadas);
    EXPECT_EQ(
        dialogs.messageTexts(),
        QStringList { QStringLiteral("WARNING:Selecione uma empresa para acessar o sistema.") });
    EXPECT_TRUE(janela.IsLogado());
    EXPECT_EQ(janela.LabelEmpresa->text(), QStringLiteral("PLANO FAMILIAR BOA ESPERANÇA"));
    EXPECT_EQ(janela.LabelLogadoNome->text(), QStringLiteral("USUÁRIO DEMONSTRAÇÃO"));
    EXPECT_EQ(backend().last("POST", "/auth")->header("id-empresa"), "2");
}

TEST_F(FormPrincipalTest, RefusedLoginShowsTheReplyAndCancelEndsWithStatusZeroWithoutQuestion)
{
    serve({});
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
        // Enter in the password with an empty login does nothing.
        typeText(login.EditSenha, QStringLiteral("x"));
        pressKey(login.EditSenha, Qt::Key_Return);
        LoginSteps::logar(login, QStringLiteral("demo"), QStringLiteral("errada"));
        EXPECT_TRUE(login.LayoutLogin->isEnabled());
    });
    script.then<TFormLogin>(QStringLiteral("TFormLogin"),
                            [](TFormLogin &login) { LoginSteps::cancelar(login); });
    bool eventLoop = false;

    const int status = ExecuteZunta([&] {
        eventLoop = true;
        return 0;
    });

    EXPECT_EQ(status, 0);
    EXPECT_FALSE(eventLoop);
    EXPECT_EQ(exits, std::vector<int> { 0 });
    EXPECT_EQ(backend().count("POST", "/auth"), 1u);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Usuário ou senha inválidos.") });
    EXPECT_EQ(script.shown(),
              (QStringList { QStringLiteral("TFormLogin"), QStringLiteral("TFormLogin") }));
}

TEST_F(FormPrincipalTest, LoggedInStartEntersTheEventLoopWithTheWindowShown)
{
    serve({ menuRow(1, QStringLiteral("A"), QStringLiteral("Item 1")) });
    loginAna();
    bool shown = false;
    int menus = 0;

    const int status = ExecuteZunta([&] {
        auto *janela
            = dynamic_cast<TFormPrincipal *>(TApplicationZunta::GetInstance().FormPrincipal.data());
        shown = janela && janela->isVisible() && janela->IsLogado();
        menus = int(TApplicationZunta::GetInstance().ListMenu.size());
        return 7;
    });

    EXPECT_EQ(status, 7);
    EXPECT_TRUE(shown);
    EXPECT_EQ(menus, 1);
    EXPECT_TRUE(exits.empty());
}

TEST_F(FormPrincipalTest, PasswordExpiredOpensThePasswordChangeForTheIdOnTheThirdLine)
{
    serve({});
    std::int64_t idTroca = -1;
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
        LoginSteps::logar(login, QStringLiteral("troca"), QStringLiteral("troca1234"));
    });
    script.then<TFormTrocaSenha>(QStringLiteral("TFormTrocaSenha"), [&](TFormTrocaSenha &troca) {
        idTroca = troca.IdUsuario();
        dialogs.answerQuestion(mrYes);
        clickAt(troca.SpeedButtonCancelar, troca.SpeedButtonCancelar->rect().center());
    });
    script.then<TFormLogin>(QStringLiteral("TFormLogin"),
                            [](TFormLogin &login) { LoginSteps::cancelar(login); });

    TFormPrincipal &janela = start();

    EXPECT_TRUE(script.done());
    EXPECT_EQ(idTroca, 2);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { QStringLiteral("QUESTION:Ao cancelar a troca de senha, você não "
                                            "poderá\r\nacessar o sistema. Confirma a operação?"),
                             QStringLiteral("WARNING:Sua senha expirou.\r\nCadastre uma nova senha "
                                            "para acessar o sistema.") }));
    EXPECT_FALSE(janela.IsLogado());
    EXPECT_EQ(exits, std::vector<int> { 0 });
}

TEST_F(FormPrincipalTest, FailedUpdateCheckEndsTheStartWithoutLogin)
{
    serve({});
    // A published build the program cannot copy: a folder where the file should be.
    QTemporaryDir shared;
    ASSERT_TRUE(QDir(shared.path()).mkpath(QStringLiteral("ZuntaApp")));
    const QString local = fake->folder() + QStringLiteral("/ZuntaApp");
    QFile build(local);
    ASSERT_TRUE(build.open(QIODevice::WriteOnly));
    build.write("local build");
    build.close();
    ASSERT_TRUE(FileSetDate(local, EncodeDateTime(2020, 1, 10, 10, 0, 0, 0)));
    QFile config(fake->folder() + QStringLiteral("/zunta_conf.ini"));
    ASSERT_TRUE(config.open(QIODevice::Append));
    config.write(QStringLiteral("\n[API-UPDATE]\nPath=%1\n").arg(shared.path()).toUtf8());
    config.close();

    const int status = ExecuteZunta([] { return 0; });

    EXPECT_EQ(status, 1);
    EXPECT_EQ(exits, std::vector<int> { 1 });
    EXPECT_TRUE(script.shown().isEmpty());
    EXPECT_EQ(dialogs.messageTexts(), QStringList { AccessError });
}

// Logged in as "ana"; the inactivity lock and the logout image then run the login again.
class FormPrincipalLoggedTest : public FormPrincipalTest
{
protected:
    void SetUp() override
    {
        FormPrincipalTest::SetUp();
        serve({ menuRow(1, QStringLiteral("A"), QStringLiteral("Item 1")),
                menuRow(2, QStringLiteral("B"), QStringLiteral("Item 2")) });
        loginAna();
        startShown();
        ASSERT_TRUE(principal->IsLogado());
        backend().clearRequests();
    }
};

TEST_F(FormPrincipalLoggedTest, LockAcceptsOnlyTheSameUserAndKeepsCompanyAndMenus)
{
    auto &application = TApplicationZunta::GetInstance();
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
        LoginSteps::logar(login, QStringLiteral("ana"), QStringLiteral("ana12345"));
    });
    application.IsBloqueio = true;
    application.TimerEnable(true, false);

    application.Logout();

    EXPECT_TRUE(script.done());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(principal->LabelEmpresa->text(), QStringLiteral("PLANO FAMILIAR BOA ESPERANÇA"));
    EXPECT_EQ(backend().last("POST", "/auth")->header("id-empresa"), "2");
    // A restore from minimised afterwards builds nothing again.
    principal->hide();
    principal->show();
    EXPECT_EQ(backend().count("GET", "/menu-sistema"), 0u);
    EXPECT_EQ(barButtons(), 2);
    EXPECT_TRUE(exits.empty());
}

TEST_F(FormPrincipalLoggedTest, LockRefusesAnotherUserAndItsCancelEndsTheProgram)
{
    auto &application = TApplicationZunta::GetInstance();
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
        LoginSteps::logar(login, QStringLiteral("demo"), QStringLiteral("demo1234"));
        EXPECT_EQ(login.ComboBoxEmpresa->count(), 0);
        LoginSteps::press(login.RectangleAcessar);
        LoginSteps::cancelar(login);
    });
    application.IsBloqueio = true;
    application.TimerEnable(true, false);

    application.Logout();

    const QString outro = QStringLiteral("WARNING:Logue com o usuário utilizado anteriormente e "
                                         "efetue o logout\r\npara logar com um novo usuário.");
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { outro, outro }));
    EXPECT_EQ(exits, std::vector<int> { 0 });
}

TEST_F(FormPrincipalLoggedTest, LogoutImageOffersTheChangeOfUserEvenWithTheTimerStopped)
{
    auto &application = TApplicationZunta::GetInstance();
    application.TimerEnable(false, true);
    dialogs.answerQuestion(mrNo);

    RealignAll(principal.get());
    clickAt(principal->ImageLogout, principal->ImageLogout->rect().center());

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("QUESTION:Deseja alterar o usuário logado?") });
    EXPECT_TRUE(application.IsBloqueio);
    EXPECT_TRUE(application.TimerInatividade().isActive());
    // Only the start's login.
    EXPECT_EQ(script.shown().size(), 1);
}

TEST_F(FormPrincipalLoggedTest, ChangeOfUserLogsTheNewUserInAndRebuildsTheMenus)
{
    auto &application = TApplicationZunta::GetInstance();
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [](TFormLogin &login) {
        LoginSteps::logar(login, QStringLiteral("demo"), QStringLiteral("demo1234"));
        LoginSteps::acessar(login, 1);
    });
    dialogs.answerQuestion(mrYes);

    RealignAll(principal.get());
    clickAt(principal->ImageLogout, principal->ImageLogout->rect().center());

    EXPECT_TRUE(script.done());
    EXPECT_EQ(principal->LabelLogadoNome->text(), QStringLiteral("USUÁRIO DEMONSTRAÇÃO"));
    EXPECT_EQ(principal->LabelEmpresa->text(), QStringLiteral("FUNERÁRIA SÃO JOSÉ"));
    EXPECT_EQ(backend().last("GET", "/menu-sistema")->param("id-usuario"), "1");
    EXPECT_EQ(barButtons(), 2);
    // The old buttons stay listed until the end; the new ones come after them.
    ASSERT_EQ(application.ListMenu.size(), 4u);
    EXPECT_EQ(application.ListMenu[2]->Parent(), principal->LayoutTopMenu);
    EXPECT_NE(application.ListMenu[0]->Parent(), principal->LayoutTopMenu);
    EXPECT_TRUE(exits.empty());
}

TEST_F(FormPrincipalLoggedTest, CloseButtonAsksBeforeClosing)
{
    dialogs.answerQuestions({ mrNo, mrYes });
    RealignAll(principal.get());

    clickAt(principal->SpeedButtonFechar, principal->SpeedButtonFechar->rect().center());
    EXPECT_TRUE(principal->isVisible());
    clickAt(principal->SpeedButtonFechar, principal->SpeedButtonFechar->rect().center());
    EXPECT_FALSE(principal->isVisible());

    const QString question = QStringLiteral("QUESTION:Deseja encerrar o sistema?");
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { question, question }));
    EXPECT_TRUE(exits.empty());
}

struct ScaleCase
{
    const char *Name;
    double Scale;
    QRect Expected;
};

void PrintTo(const ScaleCase &row, std::ostream *os)
{
    *os << row.Name;
}

class WorkAreaBoundsTest : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(WorkAreaBoundsTest, CoversTheWorkAreaAtTheScreenScale)
{
    EXPECT_EQ(WorkAreaBounds(QRect(0, 0, 1920, 1050), GetParam().Scale), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scales,
    WorkAreaBoundsTest,
    ::testing::Values(ScaleCase { "One", 1.0, QRect(0, 0, 1920, 1050) },
                      ScaleCase { "OneAndAHalf", 1.5, QRect(-1, 0, 1280, 700) },
                      ScaleCase { "OneAndAQuarter", 1.25, QRect(-1, 0, 1536, 840) }),
    [](const ::testing::TestParamInfo<ScaleCase> &info) { return std::string(info.param.Name); });

} // namespace

#include "App.Lib.Application.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.Message.Form.h"
#include "DateTime.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "ShellWindows.h"
#include "WaitFor.h"

#include <QFile>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

ZUNTA_REGISTER_FORM(TFormJanelaA)
ZUNTA_REGISTER_FORM(TFormJanelaB)
ZUNTA_REGISTER_FORM(TFormJanelaC)

namespace {

// A window class that is not a view: it cannot be docked.
class TFormNaoDocavel final : public TFormBase
{
public:
    explicit TFormNaoDocavel(QWidget *parent = nullptr)
        : TFormBase(QStringLiteral("TFormNaoDocavel"), parent)
    { }
};

} // namespace

ZUNTA_REGISTER_FORM(TFormNaoDocavel)

namespace {

const QString JanelaA = QStringLiteral("TFormJanelaA");
const QString JanelaB = QStringLiteral("TFormJanelaB");
const QString JanelaC = QStringLiteral("TFormJanelaC");
const QString ChangeUserQuestion = QStringLiteral("QUESTION:Deseja alterar o usuário logado?");
const QString CloseFormsWarning = QStringLiteral(
    "WARNING:É necessário fechar os formulários abertos antes de efetuar essa ação.");

class ApplicationTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        login(1);
        principal();
    }

    TApplicationZunta &application() { return TApplicationZunta::GetInstance(); }
    TFormBaseView *open(const QString &className)
    {
        application().OpenForm(nullptr, className);
        return application().FormOpened(className);
    }
    bool shown(TFormBaseView *form) const { return form->RectanglePrincipal->Visible(); }
    QList<TFormBaseView *> order() { return application().ListOrderOpenedForm(); }
};

TEST_F(ApplicationTest, ReopeningReusesTheWindowAndClosingShowsThePreviousOne)
{
    TJanelaTeste::Created().clear();
    TFormBaseView *a = open(JanelaA);
    TFormBaseView *b = open(JanelaB);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->RectanglePrincipal->parentWidget(), principal().LayoutPrincipal);
    EXPECT_TRUE(shown(b));
    EXPECT_FALSE(shown(a));

    EXPECT_EQ(open(JanelaA), a);
    EXPECT_EQ(TJanelaTeste::Created()[JanelaA], 1);
    EXPECT_TRUE(shown(a));
    EXPECT_FALSE(shown(b));
    EXPECT_EQ(order(), (QList<TFormBaseView *> { b, a }));

    const QPointer<TFormBaseView> closed = a;
    a->SpeedButtonClose->click();
    FlushDeletes();
    EXPECT_TRUE(closed.isNull());
    EXPECT_TRUE(shown(b));
    EXPECT_EQ(order(), QList<TFormBaseView *> { b });
    EXPECT_EQ(application().ListFormOpened().size(), 1u);
    EXPECT_EQ(application().FormOpened(JanelaA), nullptr);
}

TEST_F(ApplicationTest, ClosingTheLastBroughtForwardShowsTheOneBeforeIt)
{
    TFormBaseView *a = open(JanelaA);
    TFormBaseView *b = open(JanelaB);
    TFormBaseView *c = open(JanelaC);
    open(JanelaA);
    // C was opened after A, but A was brought forward last.
    c->ExecuteProcCloseForm();
    EXPECT_FALSE(shown(c));
    EXPECT_TRUE(shown(a));
    EXPECT_FALSE(shown(b));
    EXPECT_EQ(order(), (QList<TFormBaseView *> { b, a }));
}

TEST_F(ApplicationTest, AssignedWindowReplacesTheOpenOneOfItsClass)
{
    const QPointer<TFormBaseView> old = open(JanelaA);
    TFormBaseView *b = open(JanelaB);
    std::unique_ptr<TFormBaseView> created(TFormBase::Create<TFormJanelaA>());
    TFormBaseView *fresh = created.get();
    application().OpenFormAssigned(std::move(created));
    FlushDeletes();
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(application().FormOpened(JanelaA), fresh);
    EXPECT_EQ(order(), (QList<TFormBaseView *> { b, fresh }));
    EXPECT_TRUE(shown(fresh));
    EXPECT_FALSE(shown(b));

    fresh->ExecuteProcCloseForm();
    FlushDeletes();
    EXPECT_TRUE(shown(b));
    EXPECT_EQ(order(), QList<TFormBaseView *> { b });

    application().OpenFormAssigned(nullptr);
    EXPECT_EQ(order(), QList<TFormBaseView *> { b });
}

TEST_F(ApplicationTest, ClosingAnotherWindowOfAnOpenClassLeavesTheDockedOneAlone)
{
    TFormBaseView *a = open(JanelaA);
    std::unique_ptr<TFormBaseView> other(TFormBase::Create<TFormJanelaA>());
    other->ExecuteProcCloseForm();
    FlushDeletes();
    EXPECT_EQ(application().FormOpened(JanelaA), a);
    EXPECT_TRUE(shown(a));
}

TEST_F(ApplicationTest, SenderCarriesTheClassNameAndHidesTheSideMenu)
{
    QObject button;
    button.setProperty("FormClassName", JanelaB);
    principal().MultiViewMenu->showMaster();
    application().OpenForm(&button);
    auto *b = static_cast<TJanelaTeste *>(application().FormOpened(JanelaB));
    ASSERT_TRUE(b);
    EXPECT_TRUE(shown(b));
    EXPECT_FALSE(principal().MultiViewMenu->isShowed());
    // Opened from a menu: a registration window gets no control.
    EXPECT_EQ(b->Handed, 1);
    EXPECT_EQ(b->ItemControl, nullptr);
}

TEST_F(ApplicationTest, RegistrationButtonOfABoundControlOpensItsWindowWithTheControl)
{
    TItemControl item;
    item.SetFormClassCadastro(JanelaC);
    QWidget *opened = nullptr;
    item.ClickButtonCadastro([&](QWidget *form) { opened = form; });
    auto *c = static_cast<TJanelaTeste *>(application().FormOpened(JanelaC));
    ASSERT_TRUE(c);
    EXPECT_EQ(opened, c);
    EXPECT_EQ(c->ItemControl, &item);
    EXPECT_TRUE(shown(c));
}

struct UnknownCase
{
    const char *name;
    bool bySender;
    const char *className; // null: a sender without the property
    const char *warning; // null: nothing shown
};
void PrintTo(const UnknownCase &row, std::ostream *os)
{
    *os << row.name;
}

class ApplicationUnknownTest : public ApplicationTest,
                               public ::testing::WithParamInterface<UnknownCase>
{
};

TEST_P(ApplicationUnknownTest, OpensNothingAndLeavesTheShownWindow)
{
    TFormBaseView *a = open(JanelaA);
    const UnknownCase &row = GetParam();
    QObject sender;
    if (row.className)
        sender.setProperty("FormClassName", QString::fromUtf8(row.className));
    if (row.bySender)
        application().OpenForm(&sender);
    else
        application().OpenForm(nullptr, QString::fromUtf8(row.className));
    FlushDeletes();
    QStringList expected;
    if (row.warning)
        expected << QString::fromUtf8(row.warning);
    EXPECT_EQ(dialogs.messageTexts(), expected);
    EXPECT_EQ(application().ListFormOpened().size(), 1u);
    EXPECT_EQ(order(), QList<TFormBaseView *> { a });
    EXPECT_TRUE(shown(a));
}

INSTANTIATE_TEST_SUITE_P(
    Names,
    ApplicationUnknownTest,
    ::testing::Values(UnknownCase { "UnknownName",
                                    false,
                                    "TFormInexistente",
                                    "WARNING:O formulário TFormInexistente não está disponível." },
                      UnknownCase { "UnknownNameOfSender",
                                    true,
                                    "TFormInexistente",
                                    "WARNING:O formulário TFormInexistente não está disponível." },
                      UnknownCase { "NotAView",
                                    false,
                                    "TFormNaoDocavel",
                                    "WARNING:O formulário TFormNaoDocavel não está disponível." },
                      UnknownCase { "EmptyName", false, "", nullptr },
                      UnknownCase { "SenderWithoutClassName", true, nullptr, nullptr }),
    [](const auto &info) { return std::string(info.param.name); });

class ApplicationLogoutTest : public ApplicationTest
{
protected:
    void SetUp() override
    {
        ApplicationTest::SetUp();
        application().ProcLogar
            = [this](std::int64_t id) { steps.push_back("logar " + std::to_string(id)); };
        application().ProcLoadMenu = [this] { steps.push_back("loadMenu"); };
        // The logout image: the count runs, the lock is disarmed.
        application().TimerEnable(true, false);
        application().IsBloqueio = false;
    }

    std::vector<std::string> steps;
};

TEST_F(ApplicationLogoutTest, RefusedWhileAWindowIsOpen)
{
    open(JanelaA);
    dialogs.answerQuestion(mrYes);
    application().Logout();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { ChangeUserQuestion, CloseFormsWarning }));
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(application().TimerInatividade().isActive());
    EXPECT_FALSE(application().IsBloqueio);
    EXPECT_NE(application().FormOpened(JanelaA), nullptr);
}

TEST_F(ApplicationLogoutTest, AnsweredNoArmsTheLockAndRestartsTheCount)
{
    dialogs.answerQuestion(mrNo);
    application().Logout();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { ChangeUserQuestion });
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(application().IsBloqueio);
    EXPECT_TRUE(application().TimerInatividade().isActive());
    EXPECT_EQ(application().TimerInatividade().interval(), 300000);
}

TEST_F(ApplicationLogoutTest, AnsweredYesExpiresTheTokenLogsInAgainAndRebuildsTheMenu)
{
    auto *oldButton = new QWidget(principal().LayoutTopMenu);
    dialogs.answerQuestion(mrYes);
    application().Logout();
    EXPECT_EQ(steps, (std::vector<std::string> { "logar 0", "loadMenu" }));
    EXPECT_LT(double(fake.connection().TokenValidTime()), double(Now()) - 9);
    EXPECT_TRUE(principal().LayoutTopMenu->findChildren<QWidget *>().isEmpty());
    EXPECT_NE(oldButton->parentWidget(), principal().LayoutTopMenu);
}

TEST_F(ApplicationLogoutTest, DoesNothingWhileTheTimerIsStopped)
{
    application().TimerEnable(false, true);
    application().Logout();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_TRUE(steps.empty());
    EXPECT_FALSE(application().TimerInatividade().isActive());
}

TEST_F(ApplicationLogoutTest, ExpiryWithTheLockArmedLogsTheSameUserInAgain)
{
    TFormBaseView *a = open(JanelaA);
    application().ProcLogar = [this](std::int64_t id) {
        steps.push_back("logar " + std::to_string(id));
        application().SetInactivityInterval(TApplicationZunta::InactivityInterval);
    };
    application().SetInactivityInterval(1);
    application().UserActivity();
    ASSERT_TRUE(waitFor([&] { return !steps.empty(); }));
    EXPECT_EQ(steps, std::vector<std::string> { "logar 1" });
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_EQ(application().FormOpened(JanelaA), a);
    EXPECT_TRUE(application().TimerInatividade().isActive());
    EXPECT_EQ(application().TimerInatividade().interval(), 300000);
}

TEST_F(ApplicationTest, InputInsideADockedWindowRestartsTheCountButPaintingDoesNot)
{
    TFormBaseView *a = open(JanelaA);
    auto *edit = new TEdit(a->LayoutControlsForm);
    auto *topButton = new TLabel(principal().LayoutTopMenu);
    application().IsBloqueio = false;
    application().TimerEnable(false, true);

    QPaintEvent paint(QRect(0, 0, 10, 10));
    QCoreApplication::sendEvent(edit, &paint);
    QResizeEvent resize(QSize(20, 20), QSize(10, 10));
    QCoreApplication::sendEvent(edit, &resize);
    // The main window's own controls do not count: it is initialising.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(topButton, &key);
    EXPECT_FALSE(application().IsBloqueio);
    EXPECT_FALSE(application().TimerInatividade().isActive());

    QCoreApplication::sendEvent(edit, &key);
    EXPECT_TRUE(application().IsBloqueio);
    EXPECT_TRUE(application().TimerInatividade().isActive());
    EXPECT_EQ(application().TimerInatividade().interval(), 300000);
}

TEST_F(ApplicationTest, BoundControlsReportActivity)
{
    application().IsBloqueio = false;
    TEdit edit;
    TItemControl item;
    item.SetControl(&edit);
    item.ConnectHandlers();
    RunEvent(edit.OnMouseEnter, &edit);
    EXPECT_TRUE(application().IsBloqueio);
    EXPECT_TRUE(application().TimerInatividade().isActive());
}

TEST(ApplicationVersionTest, IsTheFileDateWithoutTheYear)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("zunta"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2024, 3, 14), QTime(9, 30)),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(TApplicationZunta::VersionOf(name), QStringLiteral("v03.14-0930"));
    EXPECT_EQ(TApplicationZunta::VersionOf(folder.filePath(QStringLiteral("nada"))), QString());
}

} // namespace

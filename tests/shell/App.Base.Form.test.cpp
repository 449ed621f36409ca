#include "App.Base.Form.h"

#include "App.Lib.Application.h"
#include "Common.Base.Serialize.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QApplication>

#include "FakeConnection.h"
#include "ScriptedDialogs.h"
#include "WaitFor.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString blockedText
    = QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.");

// A window with one guarded rectangle.
class TFormTeste final : public TFormBase
{
public:
    explicit TFormTeste(QWidget *parent = nullptr)
        : TFormBase(QStringLiteral("TFormTeste"), parent)
        , RectangleGravar(new TRectangle(this))
    {
        setWindowTitle(QStringLiteral("Cadastro Teste"));
        RectangleGravar->setObjectName(QStringLiteral("RectangleGravar"));
        RectangleGravar->OnClick = [this](QObject *) { ++Clicks; };
    }
    void ApplyThemeApp() override
    {
        TFormBase::ApplyThemeApp();
        AddPermissionMovimentar(RectangleGravar);
    }
    void CloseForm() override { ++Closed; }

    TRectangle *RectangleGravar;
    int Clicks = 0;
    int Closed = 0;
};

// A window with one guarded speed button that has a style of its own.
class TFormTesteBotao final : public TFormBase
{
public:
    explicit TFormTesteBotao(QWidget *parent = nullptr)
        : TFormBase(QStringLiteral("TFormTesteBotao"), parent)
        , SpeedButtonNovo(new TSpeedButton(this, QStringLiteral("SpeedButtonNovo")))
    {
        SpeedButtonNovo->setStyleLookup(QStringLiteral("refreshtoolbutton"));
        SpeedButtonNovo->OnClick = [this](QObject *sender) {
            ++Clicks;
            Sender = sender;
        };
    }
    void ApplyThemeApp() override
    {
        TFormBase::ApplyThemeApp();
        AddPermissionMovimentar(SpeedButtonNovo);
    }

    TSpeedButton *SpeedButtonNovo;
    int Clicks = 0;
    QObject *Sender = nullptr;
};

} // namespace

ZUNTA_REGISTER_FORM(TFormTeste)

namespace {

class FormBaseTest : public ::testing::Test
{
protected:
    void TearDown() override { TApplicationZunta::ResetInstance(); }

    void login(std::int64_t id)
    {
        backend.on("GET", "/acesso", FakeReply::json("{\"id\":" + std::to_string(id) + "}"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
    }
    std::unique_ptr<TFormTeste> open()
    {
        return std::unique_ptr<TFormTeste>(
            static_cast<TFormTeste *>(TFormBase::CreateForm(QStringLiteral("TFormTeste"))));
    }

    FakeBackend backend;
    FakeConnection fake { backend, "/", "/", "/" };
    ScriptedDialogs dialogs;
};

TEST_F(FormBaseTest, AdministratorGetsEveryPermissionWithoutRequest)
{
    login(1);
    auto form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(backend.count("GET", "/form-permission"), 0u);
    EXPECT_TRUE(form->FPermissionInserir && form->FPermissionEditar && form->FPermissionRemover
                && form->FPermissionMovimentar && form->FPermissionVisualizar
                && form->FPermissionPermissaoExtra1 && form->FPermissionPermissaoExtra2
                && form->FPermissionPermissaoExtra3);
    form->RectangleGravar->click();
    EXPECT_EQ(form->Clicks, 1);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormBaseTest, RequestCarriesUserClassAndPagingAndBlocksGuardedClick)
{
    login(7);
    backend.on("GET",
               "/form-permission",
               FakeReply::json(R"({"inserir":true,"editar":true,"movimentar":false})"));
    auto form = open();
    const auto request = backend.last("GET", "/form-permission");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("id-usuario"), "7");
    EXPECT_EQ(request->param("form-class"), "TFormTeste");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_TRUE(form->FPermissionInserir);
    EXPECT_TRUE(form->FPermissionEditar);
    EXPECT_FALSE(form->FPermissionMovimentar);

    form->RectangleGravar->click();
    EXPECT_EQ(form->Clicks, 0);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { blockedText });
    EXPECT_EQ(form->Closed, 0);
}

TEST_F(FormBaseTest, AllowedGuardedClickRunsItsHandler)
{
    login(7);
    backend.on("GET", "/form-permission", FakeReply::json(R"({"movimentar":true})"));
    auto form = open();
    form->RectangleGravar->click();
    EXPECT_EQ(form->Clicks, 1);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

struct RefusalCase
{
    const char *name;
    FakeReply reply;
};
void PrintTo(const RefusalCase &row, std::ostream *os)
{
    *os << row.name;
}

class FormBaseRefusalTest : public FormBaseTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(FormBaseRefusalTest, ShowsWarningWithCaptionAndClosesItself)
{
    login(7);
    backend.on("GET", "/form-permission", GetParam().reply);
    auto form = open();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Seu usuário não possui permissão de acesso\r\n"
                                           "neste formulário (Cadastro Teste).") });
    EXPECT_FALSE(form->IsFormPermission());
    EXPECT_TRUE(waitFor([&] { return form->Closed == 1; }));
    // Clicks in a refused window do nothing at all.
    dialogs.clearMessages();
    form->RectangleGravar->click();
    EXPECT_EQ(form->Clicks, 0);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Replies,
    FormBaseRefusalTest,
    ::testing::Values(RefusalCase { "NotModified", FakeReply::empty(304) },
                      RefusalCase { "EmptyBody", FakeReply::text("") },
                      RefusalCase { "ServerError", FakeReply::json(R"({"inserir":true})", 500) }),
    [](const auto &info) { return std::string(info.param.name); });

struct SpeedButtonCase
{
    const char *name;
    const char *permission;
    int clicks;
    bool blocked;
};
void PrintTo(const SpeedButtonCase &row, std::ostream *os)
{
    *os << row.name;
}

class FormBaseSpeedButtonTest : public FormBaseTest,
                                public ::testing::WithParamInterface<SpeedButtonCase>
{
};

TEST_P(FormBaseSpeedButtonTest, GuardsTheClickAndKeepsTheButtonStyle)
{
    const SpeedButtonCase &row = GetParam();
    login(7);
    backend.on("GET", "/form-permission", FakeReply::json(row.permission));
    std::unique_ptr<TFormTesteBotao> form(TFormBase::Create<TFormTesteBotao>());
    form->SpeedButtonNovo->click();
    EXPECT_EQ(form->Clicks, row.clicks);
    if (row.clicks) {
        EXPECT_EQ(form->Sender, form->SpeedButtonNovo);
    }
    EXPECT_EQ(dialogs.messageTexts(), row.blocked ? QStringList { blockedText } : QStringList {});
    EXPECT_EQ(form->SpeedButtonNovo->styleLookup(), QStringLiteral("refreshtoolbutton"));
}

INSTANTIATE_TEST_SUITE_P(
    Permissions,
    FormBaseSpeedButtonTest,
    ::testing::Values(SpeedButtonCase { "Allowed", R"({"movimentar":true})", 1, false },
                      SpeedButtonCase { "Blocked", R"({"inserir":true,"editar":true})", 0, true },
                      SpeedButtonCase { "AllFalse", "{}", 0, true }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FormBaseTest, UnknownClassNameCreatesNothing)
{
    EXPECT_EQ(TFormBase::CreateForm(QStringLiteral("TFormInexistente")), nullptr);
}

TEST_F(FormBaseTest, InputRestartsInactivityTimerButPaintDoesNot)
{
    login(1);
    auto form = open();
    auto &application = TApplicationZunta::GetInstance();
    EXPECT_FALSE(application.TimerInatividade().isActive());

    QPaintEvent paint(QRect(0, 0, 10, 10));
    QApplication::sendEvent(form.get(), &paint);
    QResizeEvent resize(QSize(20, 20), QSize(10, 10));
    QApplication::sendEvent(form.get(), &resize);
    EXPECT_FALSE(application.IsBloqueio);
    EXPECT_FALSE(application.TimerInatividade().isActive());

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &key);
    EXPECT_TRUE(application.IsBloqueio);
    EXPECT_TRUE(application.TimerInatividade().isActive());
    EXPECT_EQ(application.TimerInatividade().interval(), TApplicationZunta::InactivityInterval);
}

TEST_F(FormBaseTest, InitialisingWindowDoesNotTouchTimer)
{
    login(1);
    auto form = open();
    form->IsInitializateApp();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &key);
    EXPECT_FALSE(TApplicationZunta::GetInstance().IsBloqueio);
}

} // namespace

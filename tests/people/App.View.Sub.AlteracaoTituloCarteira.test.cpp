#include "App.View.Sub.AlteracaoTituloCarteira.h"

#include "App.Lib.Application.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.FormContainer.h"
#include "Common.ComplexPost.AlteracaoTituloCarteira.h"
#include "Common.Lib.Utils.h"
#include "Edit.h"
#include "Shapes.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("QUESTION:Confirma gerar a atualização da carteira?");

class AlteracaoTituloCarteiraTest : public testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        fake.connection().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
        principal.reset(TFormBase::Create<TFormPrincipalTeste>());
        principal->Install();
        view.reset(TFormBase::Create<TFormSubViewAlteracaoTituloCarteira>());
        view->ProcCloseForm = [this] { ++closed; };
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
        principal.reset();
    }

    // Hosts the view as the receipt window does; `inside` runs once it shows.
    void host(const std::function<void()> &inside)
    {
        auto container = TFormContainer::New();
        container->SetFormView(view.get(), false);
        QTimer::singleShot(0, container.get(), inside);
        TFormContainer *raw = container.get();
        QTimer safety;
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, raw, [raw] {
            ADD_FAILURE() << "the container was left open";
            raw->CloseForm();
        });
        safety.start(5000);
        container->Execute();
    }
    void gravar()
    {
        view->RectangleGravar->click();
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        waitIdle();
    }
    std::vector<RecordedRequest> moves()
    {
        return demo.backend().requests("POST", "/carteira/alteracao-titulo");
    }

    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormPrincipalTeste> principal;
    std::unique_ptr<TFormSubViewAlteracaoTituloCarteira> view;
    int closed = 0;
};

TEST_F(AlteracaoTituloCarteiraTest, MovesEachTitleOnceToTheChosenPortfolioAndCloses)
{
    demo.backend().on("POST", "/carteira/alteracao-titulo", FakeReply::json("{}"));
    view->SetIdCarteira(650);
    waitIdle();
    EXPECT_EQ(view->EditCarteira->text(), QStringLiteral("CARTEIRA CENTRO"));
    view->addParcelaTitulo(9000000001);
    view->addParcelaTitulo(9000000002);
    view->addParcelaTitulo(9000000001);

    dialogs.answerQuestion(kYes);
    QString escolhida;
    host([&] {
        // Another portfolio chosen in the lookup, as the clerk does.
        view->EditCarteira->clear();
        typeText(view->EditCarteira, QStringLiteral("651"));
        pressKey(view->EditCarteira, Qt::Key_Return);
        waitIdle();
        escolhida = view->EditCarteira->text();
        gravar();
    });
    EXPECT_EQ(escolhida, QStringLiteral("CARTEIRA ZONA SUL"));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kQuestion, kSuccess }));
    const auto posts = moves();
    ASSERT_EQ(posts.size(), 1U);
    const QJsonObject body
        = QJsonDocument::fromJson(QByteArray::fromStdString(posts[0].body)).object();
    EXPECT_EQ(body.value("idCarteira").toInteger(), 651);
    EXPECT_EQ(listOf(body, "parcelaTitulos"),
              (QJsonArray { qint64(9000000001), qint64(9000000002) }));
    view->ExecuteProcCloseForm();
    EXPECT_EQ(closed, 1) << "closed once by the success, then by hand";
}

TEST_F(AlteracaoTituloCarteiraTest, AnsweringNoSendsNothing)
{
    view->SetIdCarteira(650);
    waitIdle();
    view->addParcelaTitulo(9000000001);
    dialogs.answerQuestion(kNo);
    gravar();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kQuestion });
    EXPECT_TRUE(moves().empty());
    EXPECT_EQ(closed, 0);
}

TEST_F(AlteracaoTituloCarteiraTest, EmptyPortfolioIsRefusedWithoutAsking)
{
    view->addParcelaTitulo(9000000001);
    gravar();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList {
                  QStringLiteral("WARNING:O campo Nova Carteira não possui um valor válido.") });
    EXPECT_TRUE(moves().empty());
}

TEST_F(AlteracaoTituloCarteiraTest, RefusalShowsItsTextAndKeepsTheViewAndBody)
{
    demo.backend().on(
        "POST", "/carteira/alteracao-titulo", FakeReply::text("WARNING:Título já baixado.", 400));
    view->SetIdCarteira(651);
    waitIdle();
    view->addParcelaTitulo(9000000001);
    dialogs.answerQuestion(kYes);
    gravar();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kQuestion, QStringLiteral("WARNING:Título já baixado.") }));
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(view->ComplexPost().ParcelaTitulos->size(), 1U);
    EXPECT_EQ(moves().size(), 1U);
}

} // namespace

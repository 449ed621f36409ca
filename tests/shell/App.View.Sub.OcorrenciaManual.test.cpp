#include "App.View.Sub.OcorrenciaManual.h"

#include "App.Lib.FormContainer.h"
#include "App.Lib.Message.Form.h"
#include "Common.Lib.Utils.h"

#include "AniIndicator.h"
#include "Label.h"
#include "Memo.h"
#include "Shapes.h"
#include "SysUtils.h"

#include "ShellWindows.h"
#include "WaitFor.h"
#include "WaitIdle.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

const QString Refused
    = QStringLiteral("WARNING:É necessário preencher o campo ocorrência manual para prosseguir.");
const QString Question = QStringLiteral("QUESTION:Confirma gerar a ocorrência manual?");
const QString Success = QStringLiteral("SUCCESSOperação realizada com sucesso.");
const QString OcorrenciaManualNotFound = QStringLiteral("WARNING:Informações não localizadas.");

QJsonObject jsonOf(const std::string &body)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(body)).object();
}

class OcorrenciaManualTest : public ShellWindowsTest
{
protected:
    void SetUp() override
    {
        // The cases count this view's workers: those of an earlier test must be done.
        waitIdle();
        login(1);
        view.reset(TFormBase::Create<TFormSubViewOcorrenciaManual>());
        // Unhosted, the view's closing is only counted.
        view->ProcCloseForm = [this] { ++closed; };
    }
    void TearDown() override
    {
        // No worker may outlive the view it reports to.
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        ShellWindowsTest::TearDown();
    }

    // Hosts the view in a container as the callers do; `inside` runs once it shows. A container
    // left open fails the test and is closed.
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

    void save(const QString &text)
    {
        view->MemoOcorrencia->setText(text);
        view->RectangleGravar->click();
    }

    std::unique_ptr<TFormSubViewOcorrenciaManual> view;
    int closed = 0;
};

TEST_F(OcorrenciaManualTest, PostsTheReasonAboutTheRecordAndClosesTheHostedView)
{
    backend.on("POST", "/ocorrencia", FakeReply::json(R"({"id":7})"));
    dialogs.answerQuestion(mrYes);
    view->SetIdObjeto(5000000001);
    view->SetNomeClasse(QStringLiteral("TContratoComplexPost"));
    view->SetSomenteLeitura(false);
    EXPECT_EQ(view->LabelTitleOcorrencia->text(), QStringLiteral("OCORRÊNCIA MANUAL"));

    bool overlayShown = false;
    dialogs.onMessage([&](const TMessageRequest &) {
        // The success message comes once the overlay and the busy indicator are gone.
        overlayShown = view->AniIndicatorLoading->isVisible();
        return 0;
    });
    host([&] { save(QStringLiteral("Cliente desistiu.\nSegunda linha")); });

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { Question, Success }));
    EXPECT_FALSE(overlayShown);
    const auto posts = backend.requests("POST", "/ocorrencia");
    ASSERT_EQ(posts.size(), 1U);
    const QJsonObject body = jsonOf(posts.front().body);
    EXPECT_EQ(body.value("idObjeto").toInteger(), 5000000001);
    EXPECT_EQ(body.value("nomeClasse").toString(), QStringLiteral("TContratoComplexPost"));
    EXPECT_EQ(body.value("operacao").toString(), QStringLiteral("POST"));
    EXPECT_EQ(body.value("statusCode").toInt(), 200);
    EXPECT_TRUE(body.value("isOcorrenciaManual").toBool());
    EXPECT_EQ(body.value("ocorrenciaManual").toString(),
              QStringLiteral("Cliente desistiu.\nSegunda linha"));
    // The view got its content and its own close procedure back.
    EXPECT_EQ(closed, 0);
    view->ExecuteProcCloseForm();
    EXPECT_EQ(closed, 1);
}

struct OcorrenciaManualRefusalCase
{
    const char *name;
    const char *text;
    bool procSalvar;
};

void PrintTo(const OcorrenciaManualRefusalCase &row, std::ostream *os)
{
    *os << row.name;
}

class OcorrenciaManualRefusalTest
    : public OcorrenciaManualTest,
      public ::testing::WithParamInterface<OcorrenciaManualRefusalCase>
{
};

TEST_P(OcorrenciaManualRefusalTest, ReasonWithoutTextIsRefusedAndNothingHappens)
{
    const OcorrenciaManualRefusalCase &row = GetParam();
    int ran = 0;
    if (row.procSalvar)
        view->SetProcSalvar([&ran] { ++ran; });

    save(QString::fromUtf8(row.text));

    EXPECT_EQ(dialogs.messageTexts(), QStringList { Refused });
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(view->MemoOcorrencia->text(), QString::fromUtf8(row.text));
    EXPECT_TRUE(backend.requests("POST", "/ocorrencia").empty());
}

const OcorrenciaManualRefusalCase refusalCases[] = {
    { "Empty", "", false },
    { "Blanks", "    ", false },
    { "BlankLinesAndTabs", " \n\t\n  ", false },
    { "EmptyBeforeTheCallersAction", "", true },
    { "BlanksBeforeTheCallersAction", "  \n ", true },
};

INSTANTIATE_TEST_SUITE_P(Texts,
                         OcorrenciaManualRefusalTest,
                         ::testing::ValuesIn(refusalCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(OcorrenciaManualTest, AnsweringNoSendsNothingAndKeepsTheText)
{
    dialogs.answerQuestion(mrNo);
    view->SetIdObjeto(3);
    view->SetNomeClasse(QStringLiteral("TPessoaEntity"));

    save(QStringLiteral("motivo"));

    EXPECT_EQ(dialogs.messageTexts(), QStringList { Question });
    EXPECT_EQ(TUtils::RunningThreadCount(), 0);
    EXPECT_TRUE(backend.requests("POST", "/ocorrencia").empty());
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(view->MemoOcorrencia->text(), QStringLiteral("motivo"));
}

TEST_F(OcorrenciaManualTest, RefusedPostShowsTheReplyAndLeavesTheViewOpen)
{
    backend.on("POST", "/ocorrencia", FakeReply::text("ERROR:Objeto inexistente.", 400));
    dialogs.answerQuestion(mrYes);
    view->SetIdObjeto(3);
    view->SetNomeClasse(QStringLiteral("TPessoaEntity"));

    save(QStringLiteral("motivo"));

    ASSERT_TRUE(waitFor([&] { return dialogs.messages().size() == 2; }));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { Question, QStringLiteral("ERROR:Objeto inexistente.") }));
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    EXPECT_FALSE(view->AniIndicatorLoading->isVisible());
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(view->MemoOcorrencia->text(), QStringLiteral("motivo"));
}

struct ProcSalvarCase
{
    const char *name;
    bool naoMostrarMensagem;
    bool fails;
    QStringList messages;
    int closed;
};

void PrintTo(const ProcSalvarCase &row, std::ostream *os)
{
    *os << row.name;
}

class OcorrenciaManualProcSalvarTest : public OcorrenciaManualTest,
                                       public ::testing::WithParamInterface<ProcSalvarCase>
{
};

TEST_P(OcorrenciaManualProcSalvarTest, CallersActionRunsInsteadOfThePost)
{
    const ProcSalvarCase &row = GetParam();
    QString reasonSeen;
    view->SetNaoMostrarMensagem(row.naoMostrarMensagem);
    view->SetProcSalvar([&] {
        reasonSeen = view->MemoOcorrencia->text();
        if (row.fails)
            throw Exception(QStringLiteral("ERROR:Título já baixado."));
    });

    save(QStringLiteral("cancelado a pedido"));

    EXPECT_EQ(reasonSeen, QStringLiteral("cancelado a pedido"));
    EXPECT_EQ(dialogs.messageTexts(), row.messages);
    EXPECT_EQ(closed, row.closed);
    EXPECT_TRUE(backend.requests("POST", "/ocorrencia").empty());
}

const ProcSalvarCase procSalvarCases[] = {
    { "ShowsSuccessAndCloses", false, false, { Success }, 1 },
    { "ClosesWithoutMessage", true, false, {}, 1 },
    { "FailureKeepsTheViewOpen", true, true, { QStringLiteral("ERROR:Título já baixado.") }, 0 },
};

INSTANTIATE_TEST_SUITE_P(Actions,
                         OcorrenciaManualProcSalvarTest,
                         ::testing::ValuesIn(procSalvarCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(OcorrenciaManualTest, ReadOnlyHidesTheSaveButtonAndEditableShowsItAgain)
{
    EXPECT_EQ(view->LabelTitleOcorrencia->text(), QStringLiteral("OCORRÊNCIA"));
    EXPECT_EQ(view->LabelTitleForm->text(), QStringLiteral("OCORRÊNCIA"));

    view->SetSomenteLeitura(true);
    EXPECT_TRUE(view->MemoOcorrencia->isReadOnly());
    EXPECT_FALSE(view->RectangleGravar->Visible());
    EXPECT_EQ(view->LabelTitleOcorrencia->text(), QStringLiteral("OCORRÊNCIAS"));

    view->SetSomenteLeitura(false);
    EXPECT_FALSE(view->MemoOcorrencia->isReadOnly());
    EXPECT_TRUE(view->RectangleGravar->Visible());
    EXPECT_EQ(view->LabelTitleOcorrencia->text(), QStringLiteral("OCORRÊNCIA MANUAL"));
}

TEST_F(OcorrenciaManualTest, ShowsTheOccurrencesOfARecordRenderedAsOneText)
{
    backend.on(
        "GET",
        "/ocorrencia",
        FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                        R"({"id":1,"dataCadastro":"2024-03-15T09:05:07.000Z","usuario":"ANA",)"
                        R"("ocorrencia":"Registro criado"},)"
                        R"({"id":2,"dataCadastro":"2024-03-16T18:30:00.000Z","usuario":"BIA",)"
                        R"("ocorrencia":"Motivo: pedido","isOcorrenciaManual":true}]})"));
    view->SetSomenteLeitura(true);
    view->SetIdObjeto(5000000042);
    view->SetNomeClasse(QStringLiteral("TPessoaEntity"));

    view->pesquisarOcorrencias();
    ASSERT_TRUE(waitFor([&] { return !view->MemoOcorrencia->text().isEmpty(); }));

    EXPECT_EQ(view->MemoOcorrencia->text(),
              QStringLiteral("Data e horário da ocorrência: 15/03/2024 09:05:07\n"
                             "Usuário: ANA\n"
                             "Manual? Não\n"
                             "********OCORRÊNCIA********\n"
                             "Registro criado\n")
                  + QString(52, u'-')
                  + QStringLiteral("\n"
                                   "Data e horário da ocorrência: 16/03/2024 18:30:00\n"
                                   "Usuário: BIA\n"
                                   "Manual? Sim\n"
                                   "********OCORRÊNCIA********\n"
                                   "Motivo: pedido"));
    const QJsonObject filter = jsonOf(backend.last("GET", "/ocorrencia")->body);
    EXPECT_EQ(filter.value("idObjeto").toString(), QStringLiteral("5000000042#5000000042"));
    EXPECT_EQ(filter.value("idNomeClasse").toString(),
              QStringLiteral("TPessoaEntity#TPessoaEntity"));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
    EXPECT_FALSE(view->AniIndicatorLoading->isVisible());
}

struct ReadFailureCase
{
    const char *name;
    std::int64_t idObjeto;
    const char *nomeClasse;
    int status; // 0: the back end is never asked
};

void PrintTo(const ReadFailureCase &row, std::ostream *os)
{
    *os << row.name;
}

class OcorrenciaManualReadFailureTest : public OcorrenciaManualTest,
                                        public ::testing::WithParamInterface<ReadFailureCase>
{
};

TEST_P(OcorrenciaManualReadFailureTest, WarnsAndKeepsTheMemo)
{
    const ReadFailureCase &row = GetParam();
    if (row.status == 304)
        backend.on("GET", "/ocorrencia", FakeReply::empty(304));
    else if (row.status != 0)
        backend.on("GET", "/ocorrencia", FakeReply::text("ERROR:Falha interna.", row.status));
    view->MemoOcorrencia->setText(QStringLiteral("antes"));
    view->SetIdObjeto(row.idObjeto);
    view->SetNomeClasse(QString::fromUtf8(row.nomeClasse));

    view->pesquisarOcorrencias();
    ASSERT_TRUE(waitFor([&] { return !dialogs.messages().empty(); }));
    EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));

    EXPECT_EQ(dialogs.messageTexts(), QStringList { OcorrenciaManualNotFound });
    EXPECT_EQ(view->MemoOcorrencia->text(), QStringLiteral("antes"));
    EXPECT_EQ(backend.requests("GET", "/ocorrencia").size(), row.status != 0 ? 1U : 0U);
}

const ReadFailureCase readFailureCases[] = {
    { "NoRecord", 0, "TPessoaEntity", 0 },
    { "NoClassName", 5, "", 0 },
    { "BackEndFails", 5, "TPessoaEntity", 500 },
    { "NothingNew", 5, "TPessoaEntity", 304 },
};

INSTANTIATE_TEST_SUITE_P(Reads,
                         OcorrenciaManualReadFailureTest,
                         ::testing::ValuesIn(readFailureCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

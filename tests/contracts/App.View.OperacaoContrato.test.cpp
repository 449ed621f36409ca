#include "App.Lib.Application.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Message.Form.h"
#include "App.Presenter.AlterarDataUltimaCobranca.h"
#include "App.View.AlterarDataUltimaCobranca.h"
#include "App.View.Sub.Contrato.AlterarMotivoEncerramento.h"
#include "Common.Lib.Utils.h"

#include "AniIndicator.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Memo.h"
#include "RestRequest.h"
#include "Shapes.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMainWindow.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WaitIdle.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <memory>

namespace {

QJsonObject operacaoJsonOf(const std::string &ABody)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(ABody)).object();
}

// A contract operation view, unhosted, for a logged-in user; its closing is counted.
template<class TView>
class OperacaoContratoViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        waitIdle();
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":1})"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
        view.reset(TFormBase::Create<TView>());
        view->ProcCloseForm = [this] { ++closed; };
    }
    void TearDown() override
    {
        // No worker may outlive the view it reports to.
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        view.reset();
        TApplicationZunta::ResetInstance();
        FlushDeletes();
    }

    // Presses Gravar and waits for the operation, when one starts, to end.
    void gravar()
    {
        view->RectangleGravar->click();
        waitIdle();
    }
    TItemControl &item(const char *AControl) const
    {
        return *view->Presenter().FindItemControl(QLatin1String(AControl));
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TView> view;
    int closed = 0;
};

// --- Closing reason ------------------------------------------------------------------------

const char *const kMotivoPath = "/contrato/alterar-motivo-encerramento";
const QString kMotivoQuestion
    = QStringLiteral("QUESTION:Confirma gerar a alteração do motivo de encerramento do contrato?");

class AlterarMotivoEncerramentoTest
    : public OperacaoContratoViewTest<TFormSubViewContratoAlterarMotivoEncerramento>
{
protected:
    void SetUp() override
    {
        OperacaoContratoViewTest::SetUp();
        backend.on(
            "GET",
            "/motivo/pesquisa/3",
            FakeReply::json(R"({"id":3,"descricao":"DESISTÊNCIA","codigoTipoMotivo":"09"})"));
        view->SetIdContrato(5000000001);
        item("EditMotivo").SetValueControl(QStringLiteral("3"));
        view->DateEditDataFinal->setDate(EncodeDate(2026, 11, 30));
    }
};

TEST_F(AlterarMotivoEncerramentoTest, OpensWithTodayAndAsksForTheOccurrenceBeforeAnyQuestion)
{
    EXPECT_EQ(view->LabelTitleForm->text(),
              QStringLiteral("ALTERAR MOTIVO DE ENCERRAMENTO DO CONTRATO"));
    auto fresh = std::unique_ptr<TFormSubViewContratoAlterarMotivoEncerramento>(
        TFormBase::Create<TFormSubViewContratoAlterarMotivoEncerramento>());
    EXPECT_EQ(fresh->DateEditDataFinal->date(), Date());
    fresh.reset();

    gravar();

    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral(
                  "WARNING:É necessário preencher o campo ocorrência manual para prosseguir.") });
    EXPECT_EQ(backend.count("POST", kMotivoPath), 0U);
    EXPECT_EQ(closed, 0);
}

TEST_F(AlterarMotivoEncerramentoTest, AnsweringNoKeepsEveryValue)
{
    dialogs.answerQuestion(kNo);
    view->MemoOcorrencia->setText(QStringLiteral("TEXTO"));

    gravar();

    EXPECT_EQ(dialogs.messageTexts(), QStringList { kMotivoQuestion });
    EXPECT_EQ(backend.count("POST", kMotivoPath), 0U);
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(item("EditMotivo").Id, 3);
    EXPECT_EQ(view->MemoOcorrencia->text(), QStringLiteral("TEXTO"));
}

TEST_F(AlterarMotivoEncerramentoTest, AnAcceptedChangeIsSentAndClosesTheView)
{
    backend.on("POST", kMotivoPath, FakeReply::empty(200));
    dialogs.answerQuestion(kYes);
    view->MemoOcorrencia->setText(QStringLiteral("TEXTO"));

    gravar();

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kMotivoQuestion, kSuccess }));
    const auto request = backend.last("POST", kMotivoPath);
    ASSERT_TRUE(request);
    const QJsonObject body = operacaoJsonOf(request->body);
    EXPECT_EQ(body.value("id").toInteger(), 5000000001);
    EXPECT_EQ(body.value("idMotivo").toInteger(), 3);
    EXPECT_TRUE(body.value("dataFinal").toString().startsWith(QStringLiteral("2026-11-30")))
        << request->body;
    EXPECT_EQ(body.value("ocorrenciaManual").toString(), QStringLiteral("TEXTO\r\n"));
    EXPECT_FALSE(view->AniIndicatorLoading->isVisible());
    EXPECT_EQ(closed, 1);
}

TEST_F(AlterarMotivoEncerramentoTest, ARefusalOrNoReplyLeavesTheViewOpenWithItsValues)
{
    backend.on("POST", kMotivoPath, FakeReply::text("WARNING:Contrato não está encerrado.", 400));
    dialogs.answerAllQuestions(kYes);
    view->MemoOcorrencia->setText(QStringLiteral("TEXTO"));

    gravar();

    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { kMotivoQuestion, QStringLiteral("WARNING:Contrato não está encerrado.") }));
    EXPECT_EQ(closed, 0);

    dialogs.clearMessages();
    {
        std::unique_ptr<FakeBackend> gone = std::make_unique<FakeBackend>();
        FakeConnection unreachable { *gone };
        gone.reset();
        gravar();
    }
    const QStringList messages = dialogs.messageTexts();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("ERROR:Servidor indisponível no momento.")))
        << messages[1].toStdString();
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(item("EditMotivo").Id, 3);
    EXPECT_EQ(view->DateEditDataFinal->date(), EncodeDate(2026, 11, 30));
    EXPECT_EQ(view->MemoOcorrencia->text(), QStringLiteral("TEXTO"));
}

// --- Last billing date ---------------------------------------------------------------------

const char *const kDataPath = "/contrato/alterar-data-ultima-cobranca-importacao";
const QString kDataQuestion
    = QStringLiteral("QUESTION:Confirma gerar a alteração da data da última cobrança paga nos "
                     "planos ativos do contrato selecionado?");

class AlterarDataUltimaCobrancaTest
    : public OperacaoContratoViewTest<TFormViewAlterarDataUltimaCobranca>
{
protected:
    void SetUp() override
    {
        OperacaoContratoViewTest::SetUp();
        backend.on(
            "GET",
            "/contrato/pesquisa/77",
            FakeReply::json(R"({"id":77,"codigo":1234,"titular":"JOSÉ DA SILVA","idTitular":5})"));
        item("EditContrato").SetValueControl(QStringLiteral("77"));
        view->DateEditData->setDate(EncodeDate(2026, 10, 5));
        view->MemoJustificativa->setText(QStringLiteral("Migração\nda carteira"));
    }
};

TEST_F(AlterarDataUltimaCobrancaTest, AnAcceptedChangeIsReportedAndTheViewIsReadyForTheNext)
{
    backend.on("POST", kDataPath, FakeReply::empty(200));
    dialogs.answerQuestion(kYes);
    ASSERT_EQ(view->EditContrato->text(), QStringLiteral("JOSÉ DA SILVA"));

    gravar();

    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kDataQuestion, kSuccess }));
    const auto request = backend.last("POST", kDataPath);
    ASSERT_TRUE(request);
    const QJsonObject body = operacaoJsonOf(request->body);
    EXPECT_EQ(body.value("id").toInteger(), 77);
    EXPECT_TRUE(body.value("data").toString().startsWith(QStringLiteral("2026-10-05")))
        << request->body;
    EXPECT_EQ(body.value("ocorrenciaManual").toString(),
              QStringLiteral("Migração\r\nda carteira\r\n"));
    EXPECT_EQ(view->EditContrato->text(), QString());
    EXPECT_EQ(item("EditContrato").Id, 0);
    EXPECT_EQ(view->DateEditData->date(), Date());
    EXPECT_EQ(view->MemoJustificativa->text(), QString());
    EXPECT_EQ(closed, 0);
}

TEST_F(AlterarDataUltimaCobrancaTest, ARefusalShowsTheBackEndsTextAndKeepsTheValues)
{
    backend.on("POST", kDataPath, FakeReply::text("WARNING:Contrato sem planos ativos", 400));
    dialogs.answerQuestion(kYes);

    gravar();

    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { kDataQuestion, QStringLiteral("WARNING:Contrato sem planos ativos") }));
    EXPECT_EQ(item("EditContrato").Id, 77);
    EXPECT_EQ(view->DateEditData->date(), EncodeDate(2026, 10, 5));
    EXPECT_EQ(view->MemoJustificativa->text(), QStringLiteral("Migração\nda carteira"));
}

TEST_F(AlterarDataUltimaCobrancaTest, AnsweringNoSendsNothingAndAnEmptyFormIsSentAsItIs)
{
    dialogs.answerQuestion(kNo);
    gravar();
    EXPECT_EQ(backend.count("POST", kDataPath), 0U);
    EXPECT_EQ(item("EditContrato").Id, 77);

    backend.on("POST", kDataPath, FakeReply::empty(200));
    view->Presenter().ManagerControls().Clear();
    view->MemoJustificativa->clear();
    view->DateEditData->setIsEmpty(true);
    dialogs.answerQuestion(kYes);
    gravar();

    const auto request = backend.last("POST", kDataPath);
    ASSERT_TRUE(request);
    const QJsonObject body = operacaoJsonOf(request->body);
    EXPECT_EQ(body.value("id").toInteger(), 0);
    EXPECT_EQ(body.value("ocorrenciaManual").toString(), QString());
}

} // namespace

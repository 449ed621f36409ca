#include "App.View.ReprocessaParcelasWebhook.h"

#include "App.Adapter.Frame.StatusLogWebhook.h"
#include "App.Interf.Service.LogProcessamento.h"
#include "App.Lib.FormContainer.h"
#include "App.Presenter.StatusLogWebhook.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Lib.Utils.h"
#include "Label.h"
#include "Memo.h"
#include "RestRequest.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const std::string kCancelamento = "/status-log-webhook/cancelamento";
const std::string kReprocessa = "/status-log-webhook/reprocessa-webhook";
const QString kConfirmaCancelamento
    = QStringLiteral("QUESTION:Confirma gerar o cancelamento do reprocessamento selecionado?");
const QString kConfirmaReprocessamento = QStringLiteral(
    "QUESTION:Confirma gerar o reprocessamento?\r\nATENÇÃO: ESSE PROCESSO PODE DEMORAR");

QJsonObject logWebhook(qint64 AId, const char *ACodigo, const QString &AWrapper)
{
    return { { QStringLiteral("id"), AId },
             { QStringLiteral("mensagem"), QStringLiteral("LOG %1").arg(AId) },
             { QStringLiteral("codigoTipoLog"), QString::fromLatin1(ACodigo) },
             { QStringLiteral("tipoLog"), QStringLiteral("TIPO %1").arg(ACodigo) },
             { QStringLiteral("nomeTitular"), QStringLiteral("TITULAR %1").arg(AId) },
             { QStringLiteral("usuario"), QStringLiteral("DEMO") },
             { QStringLiteral("possivelSolucao"), QStringLiteral("Solução do log %1").arg(AId) },
             { QStringLiteral("dataCadastro"), QStringLiteral("2024-05-11T08:00:00.000Z") },
             { QStringLiteral("jsonWrapper"), AWrapper } };
}

// The processing-log service of the later subsystem, as small as the state button needs it.
class TLogProcessamentoTesteService final : public TBaseService, public ILogProcessamentoService
{
public:
    TLogProcessamentoTesteService()
        : TBaseService(QStringLiteral("TLogProcessamentoService"))
    { }
    QString getMensagemStatusReprocessamento() override
    {
        ClearRequest();
        ExecuteGet(ResourceName() + QStringLiteral("/status-reprocessamento"),
                   {}, {}, false, 0, 0, {});
        return ResponseContent();
    }
};

class ViewReprocessaParcelasWebhookTest
    : public RegistrationWindowFixture<TFormViewReprocessaParcelasWebhook,
                                       TStatusLogWebhookFrameAdapter>
{
protected:
    ViewReprocessaParcelasWebhookTest()
        : RegistrationWindowFixture("TFormViewReprocessaParcelasWebhook", "/status-log-webhook")
    { }

    void SetUp() override
    {
        demo.store().seed(
            QStringLiteral("/status-log-webhook"),
            QJsonArray {
                logWebhook(45,
                    "01",
                    QStringLiteral(R"({"valorCobranca":150.5,"valorBaixado":150.5,)"
                                   R"("idCobrancaEletronica":"pay_1",)"
                                   R"("vencimento":"2024-05-10T00:00:00.000Z",)"
                                   R"("dataBaixa":"2024-05-11T00:00:00.000Z"})")),
                logWebhook(46,
                    "02",
                    QStringLiteral(R"({"valorParcela":89.9,"valorPago":80,)"
                                   R"("dataVencimento":"2024-06-05T00:00:00.000Z",)"
                                   R"("dataPagamento":"2024-06-04T00:00:00.000Z"})")),
                logWebhook(47, "01", QStringLiteral(R"([{"valorCobranca":1}])")),
                logWebhook(48, "01", QStringLiteral(R"({"valorCobranca":15)")),
                logWebhook(49, "01", QStringLiteral("null")),
                logWebhook(50, "01", QString()),
            });
        RegistrationWindowFixture::SetUp();
    }
    void TearDown() override
    {
        m_passo.stop();
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        RegistrationWindowFixture::TearDown();
    }

    TStatusLogWebhookFrameAdapter *linha(qint64 AId)
    {
        for (TStatusLogWebhookFrameAdapter *row : frames())
            if (row->TagString == QString::number(AId))
                return row;
        return nullptr;
    }
    // Plays the person at each hosted text view while the timer runs.
    void naView(std::function<void(TFormSubViewOcorrenciaManual &)> APasso)
    {
        QObject::connect(&m_passo, &QTimer::timeout, [this, APasso] {
            for (QWidget *widget : QApplication::allWidgets()) {
                auto *container = dynamic_cast<TFormContainer *>(widget);
                if (!container || !container->IsShowing())
                    continue;
                for (QWidget *other : QApplication::allWidgets())
                    if (auto *view = dynamic_cast<TFormSubViewOcorrenciaManual *>(other)) {
                        ++m_views;
                        APasso(*view);
                        return;
                    }
            }
        });
        m_passo.start(10);
    }
    std::size_t listas() { return demo.backend().count("GET", "/status-log-webhook"); }

    QTimer m_passo;
    int m_views = 0;
};

TEST_F(ViewReprocessaParcelasWebhookTest, ListsNothingUntilSearchedAndWaitsTenHoursForAPage)
{
    waitIdle();
    EXPECT_TRUE(frames().isEmpty());
    EXPECT_EQ(listas(), 0u);
    search();
    EXPECT_EQ(frames().size(), demo.store().rows(QStringLiteral("/status-log-webhook")).size());
    EXPECT_EQ(form->Presenter()->Service()->Request().Timeout(), 36000000);
}

struct LogLinhaCase
{
    const char *Name;
    qint64 Id;
    QString TituloValor;
    QString Valor;
    QString Pago;
    QString Vencimento;
    QString Baixa;
    QString Cobranca; // empty: the line is hidden
};

class LinhaTest : public ViewReprocessaParcelasWebhookTest,
                  public ::testing::WithParamInterface<LogLinhaCase>
{ };

TEST_P(LinhaTest, ShowsTheNotificationsAmountsByItsLogType)
{
    const LogLinhaCase &c = GetParam();
    search();
    TStatusLogWebhookFrameAdapter *row = linha(c.Id);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelMensagem->text(), QStringLiteral("LOG %1").arg(c.Id));
    EXPECT_EQ(row->LabelContrato->text(), QStringLiteral("TITULAR %1").arg(c.Id));
    EXPECT_EQ(row->LabelDataLog->text(), QStringLiteral("11/05/2024"));
    EXPECT_EQ(row->LabelUsuario->text(), QStringLiteral("DEMO"));
    EXPECT_EQ(row->LabelTitleValorCobranca->text(), c.TituloValor);
    EXPECT_EQ(row->LabelValorCobranca->text(), c.Valor);
    EXPECT_EQ(row->LabelValorPago->text(), c.Pago);
    EXPECT_EQ(row->LabelVencimento->text(), c.Vencimento);
    EXPECT_EQ(row->LabelDataBaixa->text(), c.Baixa);
    EXPECT_EQ(row->LabelCobrancaAPI->text(), c.Cobranca);
    EXPECT_EQ(row->LabelTitleCobrancaAPI->isVisibleTo(row), c.TituloValor != u"Valor da Parcela");
}

const QString kTituloCobrancaLog = QStringLiteral("Valor da Cobrança:");

INSTANTIATE_TEST_SUITE_P(
    Logs,
    LinhaTest,
    ::testing::Values(
        LogLinhaCase { "PaymentApiCharge", 45, kTituloCobrancaLog, QStringLiteral("150,50"),
                    QStringLiteral("150,50"), QStringLiteral("10/05/2024"),
                    QStringLiteral("11/05/2024"), QStringLiteral("pay_1") },
        LogLinhaCase { "CollectorAppInstalment", 46, QStringLiteral("Valor da Parcela"),
                    QStringLiteral("89,90"), QStringLiteral("80,00"), QStringLiteral("05/06/2024"),
                    QStringLiteral("04/06/2024"), QString() },
        LogLinhaCase { "ArrayWrapperBlanksOnlyItsRow", 47, kTituloCobrancaLog, {}, {}, {}, {}, {} },
        LogLinhaCase { "TruncatedWrapperBlanksOnlyItsRow", 48, kTituloCobrancaLog, {}, {}, {}, {}, {} },
        LogLinhaCase { "NullWrapper", 49, kTituloCobrancaLog, {}, {}, {}, {}, {} },
        LogLinhaCase { "EmptyWrapper", 50, kTituloCobrancaLog, {}, {}, {}, {}, {} }),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(ViewReprocessaParcelasWebhookTest, CancellingALogAsksForTheReasonAndListsThePageAgain)
{
    search();
    naView([](TFormSubViewOcorrenciaManual &AView) {
        AView.MemoOcorrencia->setText(QStringLiteral("cliente pagou em dinheiro"));
        AView.RectangleGravarClick();
    });
    dialogs.answerQuestion(kYes);
    const std::size_t antes = listas();
    TStatusLogWebhookFrameAdapter *row = linha(45);
    ASSERT_NE(row, nullptr);
    row->SpeedButtonExclusao->click();
    ASSERT_TRUE(waitFor([&] { return dialogs.messageTexts().size() >= 2; }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaCancelamento, kSuccess }));
    const auto post = demo.backend().last("POST", kCancelamento);
    ASSERT_TRUE(post);
    const QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object();
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 45);
    EXPECT_EQ(body.value(QStringLiteral("mensagem")).toString(),
              QStringLiteral("cliente pagou em dinheiro\r\n"));
    EXPECT_EQ(body.value(QStringLiteral("idLogWebhook")).toInteger(-1), 0);
    EXPECT_EQ(body.value(QStringLiteral("listaStatus")).toInteger(-1), 0);
    ASSERT_TRUE(waitFor([&] { return listas() > antes; }));
    EXPECT_EQ(demo.backend().requests().back().param("page").value_or(""), "1");
}

TEST_F(ViewReprocessaParcelasWebhookTest, ClosingTheReasonViewWarnsAndSendsNothing)
{
    search();
    naView([](TFormSubViewOcorrenciaManual &AView) { AView.SpeedButtonClose->click(); });
    dialogs.answerQuestion(kYes);
    linha(45)->SpeedButtonExclusao->click();
    waitIdle();
    EXPECT_EQ(m_views, 1);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kConfirmaCancelamento,
                             QStringLiteral("WARNING:É necessário preencher o campo justificativa "
                                            "para prosseguir.") }));
    EXPECT_EQ(demo.backend().count("POST", kCancelamento), 0u);
}

TEST_F(ViewReprocessaParcelasWebhookTest, ARefusedCancellationShowsTheReplyAndKeepsTheList)
{
    search();
    demo.backend().on("POST", kCancelamento, FakeReply::text("WARNING:Log já reprocessado.", 400));
    naView([](TFormSubViewOcorrenciaManual &AView) {
        AView.MemoOcorrencia->setText(QStringLiteral("duplicado"));
        AView.RectangleGravarClick();
    });
    dialogs.answerQuestion(kYes);
    const std::size_t antes = listas();
    linha(45)->SpeedButtonExclusao->click();
    ASSERT_TRUE(waitFor([&] { return dialogs.messageTexts().size() >= 2; }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kConfirmaCancelamento, QStringLiteral("WARNING:Log já reprocessado.") }));
    EXPECT_EQ(listas(), antes);
}

TEST_F(ViewReprocessaParcelasWebhookTest, ReprocessingRunsTheSameSearchAgainAndNoSendsNothing)
{
    search(QStringLiteral("LOG"));
    dialogs.answerQuestion(kNo);
    form->SpeedButtonNovo->click();
    waitIdle();
    EXPECT_EQ(demo.backend().count("POST", kReprocessa), 0u);

    dialogs.clearMessages();
    const std::size_t antes = listas();
    dialogs.answerQuestion(kYes);
    form->SpeedButtonNovo->click();
    ASSERT_TRUE(waitFor([&] { return listas() > antes; }));
    waitIdle();
    EXPECT_EQ(demo.backend().count("POST", kReprocessa), 1u);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaReprocessamento, kSuccess }));
    EXPECT_EQ(demo.backend().requests().back().param("search").value_or(""), "LOG");

    // A refusal is shown by the service and the list is searched again all the same.
    dialogs.clearMessages();
    demo.backend().on("POST", kReprocessa, FakeReply::text("ERROR:Fila ocupada.", 500));
    dialogs.answerQuestion(kYes);
    const std::size_t depois = listas();
    form->SpeedButtonNovo->click();
    ASSERT_TRUE(waitFor([&] { return listas() > depois; }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kConfirmaReprocessamento, QStringLiteral("ERROR:Fila ocupada.") }));
}

TEST_F(ViewReprocessaParcelasWebhookTest, StateComesFromTheProcessingLogServiceByName)
{
    form->SpeedButtonStatusReprocessamento->click();
    ASSERT_TRUE(waitFor([&] { return !dialogs.messageTexts().isEmpty(); }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:O estado do reprocessamento não está "
                                           "disponível: a classe TLogProcessamentoService não "
                                           "está registrada.") });

    const TClassRegistration registro(QStringLiteral("TLogProcessamentoService"),
                                      TServiceFactory([]() -> std::unique_ptr<TBaseService> {
                                          return std::make_unique<TLogProcessamentoTesteService>();
                                      }));
    demo.backend().on("GET",
                      "/log-processamento/status-reprocessamento",
                      FakeReply::text("WARNING:Reprocessamento em andamento: 3 de 10."));
    dialogs.clearMessages();
    form->SpeedButtonStatusReprocessamento->click();
    ASSERT_TRUE(waitFor([&] { return !dialogs.messageTexts().isEmpty(); }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Reprocessamento em andamento: 3 de 10.") });
}

TEST_F(ViewReprocessaParcelasWebhookTest, PossibleSolutionIsShownReadOnly)
{
    search();
    QString texto;
    QString titulo;
    bool somenteLeitura = false;
    naView([&](TFormSubViewOcorrenciaManual &AView) {
        texto = AView.MemoOcorrencia->text();
        titulo = AView.LabelTitleOcorrencia->text();
        somenteLeitura = AView.MemoOcorrencia->isReadOnly();
        AView.SpeedButtonClose->click();
    });
    linha(46)->SpeedButtonVisualizarPossivelSolucao->click();
    waitIdle();
    EXPECT_EQ(texto, QStringLiteral("Solução do log 46"));
    EXPECT_EQ(titulo, QStringLiteral("POSSÍVEL SOLUÇÃO"));
    EXPECT_TRUE(somenteLeitura);
}

} // namespace

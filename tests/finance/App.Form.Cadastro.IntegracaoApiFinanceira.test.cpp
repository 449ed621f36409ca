#include "App.Form.Cadastro.IntegracaoApiFinanceira.h"

#include "App.Adapter.Frame.IntegracaoApiFinanceira.h"
#include "App.Lib.Button.h"
#include "App.Lib.FormContainer.h"
#include "App.Lib.FormMenuPrint.h"
#include "App.View.Sub.OcorrenciaManual.h"
#include "Align.h"
#include "Common.Lib.Crypt.h"
#include "Edit.h"
#include "Label.h"
#include "Layouts.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::string kConfiguracao7 = "/integracao-api-financeira/configuracao/7";
const QString kErroRequisicao
    = QStringLiteral("ERROR:Houve um problema e não foi possível retornar a requisição solicitada.");

// What a read-only text view showed before the test closed it.
struct TViewMostrada
{
    QString Titulo;
    QString Ocorrencia;
    QString Texto;
    bool SomenteLeitura = false;
};

class FormCadastroIntegracaoApiFinanceiraTest
    : public RegistrationWindowFixture<TFormCadastroIntegracaoApiFinanceira,
                                       TIntegracaoApiFinanceiraFrameAdapter>
{
protected:
    FormCadastroIntegracaoApiFinanceiraTest()
        : RegistrationWindowFixture("TFormCadastroIntegracaoApiFinanceira",
                                    "/integracao-api-financeira")
    { }

    // Integration 7, beside the seeded ones, as the back end keeps it, its password and token encoded.
    void seedIntegracao(const QString &ASenha, const QString &AToken = QStringLiteral("U7bw"))
    {
        demo.store().seed(
            QStringLiteral("/integracao-api-financeira"),
            QJsonArray { QJsonObject {
                { QStringLiteral("id"), 7 },
                { QStringLiteral("descricao"), QStringLiteral("BANCO DIGITAL") },
                { QStringLiteral("statusGeral"), QStringLiteral("ATIVO") },
                { QStringLiteral("listaStatusGeral"), 408 },
                { QStringLiteral("listaTipoApiFinanceira"), 1300 },
                { QStringLiteral("baseUrl"), QStringLiteral("https://api.example.invalid") },
                { QStringLiteral("email"), QStringLiteral("COBRANCA@EXAMPLE.INVALID") },
                { QStringLiteral("login"), QStringLiteral("zunta") },
                { QStringLiteral("senha"), ASenha },
                { QStringLiteral("token"), AToken },
                { QStringLiteral("tokenWebhook"), QStringLiteral("Segredo+Do/Webhook") } } });
    }
    TIntegracaoApiFinanceiraFrameAdapter *linha()
    {
        search();
        for (TIntegracaoApiFinanceiraFrameAdapter *row : frames())
            if (row->TagString == u"7")
                return row;
        return nullptr;
    }
    void editar()
    {
        TIntegracaoApiFinanceiraFrameAdapter *row = linha();
        ASSERT_NE(row, nullptr);
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_EQ(form->EditDescricao->text(), QStringLiteral("BANCO DIGITAL"));
    }
    void salvar()
    {
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
    // Clicks the popup's button of that caption.
    static void escolher(const QString &ACaption)
    {
        FlushDeletes();
        TFormMenuPrint *menu = nullptr;
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *found = dynamic_cast<TFormMenuPrint *>(widget))
                menu = found;
        ASSERT_NE(menu, nullptr);
        for (TSimpleButton *button : menu->Buttons())
            if (button->Text() == ACaption) {
                RealignAll(button->Layout()->window());
                clickAt(button->Rectangle(), button->Rectangle()->rect().center());
                waitIdle();
                return;
            }
        FAIL() << "no choice " << ACaption.toStdString();
    }
    // Closes every read-only text view hosted while the timer runs, keeping what it showed.
    void fecharViews()
    {
        QObject::connect(&m_fechar, &QTimer::timeout, [this] {
            for (QWidget *widget : QApplication::allWidgets()) {
                auto *container = dynamic_cast<TFormContainer *>(widget);
                if (!container || !container->IsShowing())
                    continue;
                for (QWidget *other : QApplication::allWidgets())
                    if (auto *view = dynamic_cast<TFormSubViewOcorrenciaManual *>(other))
                        m_views.push_back({ view->LabelTitleForm->text(),
                                            view->LabelTitleOcorrencia->text(),
                                            view->MemoOcorrencia->text(),
                                            view->MemoOcorrencia->isReadOnly() });
                container->CloseForm();
            }
        });
        m_fechar.start(10);
    }
    void TearDown() override
    {
        m_fechar.stop();
        RegistrationWindowFixture::TearDown();
    }
    std::size_t posts(const std::string &APath)
    {
        return demo.backend().count("POST", APath);
    }

    QTimer m_fechar;
    std::vector<TViewMostrada> m_views;
};

// --- Credentials ---------------------------------------------------------------------------

struct CredencialCase
{
    const char *Name;
    QString Armazenada; // the password as the back end keeps it
    QString Mostrada; // what the edit shows once loaded
    std::optional<QString> Digitada; // typed over it, the focus left there; none: untouched
    QString Enviada;
};

class CredencialTest : public FormCadastroIntegracaoApiFinanceiraTest,
                       public ::testing::WithParamInterface<CredencialCase>
{ };

TEST_P(CredencialTest, ShowsThePasswordDecodedAndSendsItEncoded)
{
    const CredencialCase &c = GetParam();
    seedIntegracao(c.Armazenada);
    editar();
    EXPECT_EQ(form->EditSenha->text(), c.Mostrada);
    EXPECT_EQ(form->EditToken->text(), QStringLiteral("xyz"));
    if (c.Digitada) {
        form->EditSenha->setFocus();
        form->EditSenha->selectAll();
        pressKey(form->EditSenha, Qt::Key_Backspace);
        typeText(form->EditSenha, *c.Digitada);
    }
    salvar();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("senha")).toString(), c.Enviada);
    EXPECT_EQ(body.value(QStringLiteral("token")).toString(), QStringLiteral("U7bw"));
    EXPECT_EQ(body.value(QStringLiteral("tokenWebhook")).toString(),
              QStringLiteral("Segredo+Do/Webhook"));
    // Saved and read again, the window shows the decoded text once more.
    EXPECT_EQ(form->EditSenha->text(), DecodeText(c.Enviada));
}

INSTANTIATE_TEST_SUITE_P(
    Senhas,
    CredencialTest,
    ::testing::Values(
        CredencialCase { "Untouched", QStringLiteral("OM9Z"), QStringLiteral("abc"), {},
                         QStringLiteral("OM9Z") },
        CredencialCase { "TypedWithTheFocusStillThere", QStringLiteral("OM9Z"),
                         QStringLiteral("abc"), QStringLiteral("xyz"), QStringLiteral("U7bw") },
        CredencialCase { "EmptyStaysEmpty", QString(), QString(), {}, QString() },
        CredencialCase { "Emptied", QStringLiteral("OM9Z"), QStringLiteral("abc"), QString(),
                         QString() },
        // The decoder stops at the "!": re-encoding what it gave would change the stored text.
        CredencialCase { "StoredTextTheDecoderCannotRoundTrip", QStringLiteral("OM9Z!"),
                         QStringLiteral("abc"), {}, QStringLiteral("OM9Z!") }),
    [](const auto &info) { return std::string(info.param.Name); });

TEST_F(FormCadastroIntegracaoApiFinanceiraTest, APasswordTypedIntoTheBlankRecordAfterASaveGoesEncoded)
{
    const auto preencher = [this](const QString &ADescricao) {
        typeText(form->EditDescricao, ADescricao);
        typeText(form->EditBaseUrl, QStringLiteral("https://api.example.invalid"));
        typeText(form->EditEmail, QStringLiteral("cobranca@example.invalid"));
        typeText(form->EditListaTipoApiFinanceira, QStringLiteral("1300"));
        pressKey(form->EditListaTipoApiFinanceira, Qt::Key_Return);
        waitIdle();
        form->EditSenha->setFocus();
        typeText(form->EditSenha, QStringLiteral("abc"));
    };
    form->SpeedButtonNovo->click();
    waitIdle();
    EXPECT_EQ(form->EditListaStatusGeral->text(), QStringLiteral("ATIVO"));
    EXPECT_EQ(form->EditValorJuros->text(), QStringLiteral("0,0000"));
    preencher(QStringLiteral("primeira"));
    salvar();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(lastPost().value(QStringLiteral("senha")).toString(), QStringLiteral("OM9Z"));
    EXPECT_EQ(lastPost().value(QStringLiteral("email")).toString(),
              QStringLiteral("COBRANCA@EXAMPLE.INVALID"));

    ASSERT_TRUE(form->EditSenha->text().isEmpty());
    dialogs.clearMessages();
    preencher(QStringLiteral("segunda"));
    salvar();
    ASSERT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(lastPost().value(QStringLiteral("descricao")).toString(), QStringLiteral("SEGUNDA"));
    EXPECT_EQ(lastPost().value(QStringLiteral("senha")).toString(), QStringLiteral("OM9Z"));
}

// --- Row actions ---------------------------------------------------------------------------

TEST_F(FormCadastroIntegracaoApiFinanceiraTest, WebhookChoicesPostTheSwitchWithoutAQuestion)
{
    seedIntegracao(QStringLiteral("OM9Z"));
    TIntegracaoApiFinanceiraFrameAdapter *row = linha();
    ASSERT_NE(row, nullptr);
    // The row's own buttons fit beside the usual ones.
    RealignAll(row);
    for (QWidget *button : { static_cast<QWidget *>(row->SpeedButtonAtivarWebhook),
                             static_cast<QWidget *>(row->SpeedButtonRecuperarInformacoes),
                             static_cast<QWidget *>(row->SpeedButtonNotificacoes),
                             static_cast<QWidget *>(row->SpeedButtonEdit) })
        EXPECT_TRUE(row->LayoutButtons->rect().contains(button->geometry()))
            << button->objectName().toStdString();
    row->SpeedButtonAtivarWebhook->click();
    escolher(QStringLiteral("Ativar"));
    ASSERT_TRUE(waitFor([&] { return !dialogs.messageTexts().isEmpty(); }));
    waitIdle();
    EXPECT_EQ(posts(kConfiguracao7 + "/-1"), 1u);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });

    dialogs.clearMessages();
    demo.backend().on("POST", kConfiguracao7 + "/0", FakeReply::text("falhou", 500));
    row->SpeedButtonAtivarWebhook->click();
    escolher(QStringLiteral("Desativar"));
    ASSERT_TRUE(waitFor([&] { return !dialogs.messageTexts().isEmpty(); }));
    waitIdle();
    EXPECT_EQ(posts(kConfiguracao7 + "/0"), 1u);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kErroRequisicao });
}

TEST_F(FormCadastroIntegracaoApiFinanceiraTest, NotificationsAskFirstThenForActiveCustomersOnly)
{
    seedIntegracao(QStringLiteral("OM9Z"));
    fecharViews();
    TIntegracaoApiFinanceiraFrameAdapter *row = linha();
    ASSERT_NE(row, nullptr);
    const QString aviso = QStringLiteral("WARNING:ATENÇÃO: ESSE PROCESSO PODE DEMORAR UM POUCO.");
    const QString confirma = QStringLiteral(
        "QUESTION:Confirma gerar a atualização das notificações dos clientes?");

    // "Não" to the first question ends it.
    dialogs.answerQuestions({ kNo });
    row->SpeedButtonNotificacoes->click();
    escolher(QStringLiteral("Desabilitar"));
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { aviso, confirma }));

    dialogs.clearMessages();
    dialogs.answerQuestions({ kYes, kNo });
    row->SpeedButtonNotificacoes->click();
    escolher(QStringLiteral("Desabilitar"));
    ASSERT_TRUE(waitFor([&] { return !m_views.empty(); }));
    waitIdle();
    EXPECT_EQ(demo.backend().requests().back().path,
              "/integracao-api-financeira/notificacao/7/0/0");
    EXPECT_EQ(posts("/integracao-api-financeira/notificacao/7/0/0"), 1u);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { aviso,
                             confirma,
                             QStringLiteral("QUESTION:Somente em clientes ativos?"),
                             kSuccess }));
    // The reply's text is shown read-only.
    ASSERT_EQ(m_views.size(), 1u);
    EXPECT_EQ(m_views.front().Texto, QStringLiteral("SUCCESSOperação realizada com sucesso."));
    EXPECT_TRUE(m_views.front().SomenteLeitura);
}

TEST_F(FormCadastroIntegracaoApiFinanceiraTest, InformationShowsTheFiveLinesOrOnlyTheError)
{
    seedIntegracao(QStringLiteral("OM9Z"));
    fecharViews();
    TIntegracaoApiFinanceiraFrameAdapter *row = linha();
    ASSERT_NE(row, nullptr);
    row->SpeedButtonRecuperarInformacoes->click();
    ASSERT_TRUE(waitFor([&] { return !m_views.empty(); }));
    waitIdle();
    EXPECT_EQ(demo.backend().count("GET", kConfiguracao7), 1u);
    ASSERT_EQ(m_views.size(), 1u);
    EXPECT_EQ(m_views.front().Titulo, QStringLiteral("INFORMAÇÕES DO WEBHOOK"));
    EXPECT_EQ(m_views.front().Ocorrencia, QStringLiteral("INFORMAÇÕES DO WEBHOOK"));
    EXPECT_EQ(m_views.front().Texto.split(u'\n'),
              (QStringList { QStringLiteral("URL: https://zunta.example.invalid/webhook"),
                             QStringLiteral("E-mail: financeiro@example.invalid"),
                             QStringLiteral("Versão da API: v3"),
                             QStringLiteral("Habilitado? Sim"),
                             QStringLiteral("Interrompido? Não") }));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    m_views.clear();
    demo.backend().on("GET", kConfiguracao7, FakeReply::text("não encontrada", 404));
    row->SpeedButtonRecuperarInformacoes->click();
    ASSERT_TRUE(waitFor([&] { return !dialogs.messageTexts().isEmpty(); }));
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kErroRequisicao });
    EXPECT_TRUE(m_views.empty());
}

} // namespace

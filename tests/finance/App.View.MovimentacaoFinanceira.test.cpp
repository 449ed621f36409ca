#include "App.View.MovimentacaoFinanceira.h"

#include "App.Adapter.Frame.MovimentacaoFinanceira.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Theme.h"
#include "App.Presenter.EstornoMovimentacaoFinanceira.h"
#include "App.Presenter.MovimentacaoFinanceira.h"
#include "App.View.Sub.EstornoMovimentacaoFinanceira.h"
#include "App.View.Sub.TransferenciaSaldo.h"
#include "Common.Lib.Utils.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "MemTable.h"
#include "Memo.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString kNaoCarregado = QStringLiteral("Não foi possível carregar o valor.");
const QString kZero = QStringLiteral("R$ 0,00");
const std::string kEstorno = "/estorno-movimentacao-financeira/complex";
const std::string kRotaTotais = "/movimentacao-financeira/totalizadores";

// --- Page totals ---------------------------------------------------------------------------

struct LinhaPagina
{
    const char *codigo;
    double valor;
    bool transferencia;
};

struct PaginaCase
{
    const char *name;
    std::vector<LinhaPagina> linhas;
    double baixados;
    double entradas;
    double saidas;
};

std::ostream &operator<<(std::ostream &out, const PaginaCase &row)
{
    return out << row.name;
}

class TotaisPaginaMovimentacaoTest : public ::testing::TestWithParam<PaginaCase>
{ };

TEST_P(TotaisPaginaMovimentacaoTest, SumsSettlementsAndTransfersApart)
{
    const PaginaCase &row = GetParam();
    auto presenter = TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>();
    TMemTable &table = presenter->DataSetInfo();
    table.Open();
    for (const LinhaPagina &linha : row.linhas) {
        table.Append();
        table.FieldByName(QStringLiteral("CODIGO_TIPO_TITULO"))
            ->SetAsString(QString::fromLatin1(linha.codigo));
        table.FieldByName(QStringLiteral("VALOR_BAIXA"))->SetAsFloat(linha.valor);
        table.FieldByName(QStringLiteral("IS_TRANSFERENCIA_SALDO"))->SetAsBoolean(linha.transferencia);
        table.Post();
    }

    const TTotaisPaginaMovimentacao totais = totaisPaginaMovimentacao(table);

    EXPECT_DOUBLE_EQ(totais.Baixados, row.baixados);
    EXPECT_DOUBLE_EQ(totais.Entradas, row.entradas);
    EXPECT_DOUBLE_EQ(totais.Saidas, row.saidas);
}

INSTANTIATE_TEST_SUITE_P(
    Paginas,
    TotaisPaginaMovimentacaoTest,
    ::testing::Values(
        PaginaCase { "ReceivablesLessPayable",
                     { { "R", 100, false }, { "R", 50, false }, { "D", 30, false } },
                     120,
                     0,
                     0 },
        PaginaCase { "TransferPair", { { "D", 200, true }, { "R", 200, true } }, 0, 200, 200 },
        PaginaCase { "LowerCasePayable", { { "d", 40, false }, { "r", 10, false } }, -30, 0, 0 },
        PaginaCase { "Empty", {}, 0, 0, 0 }));

TEST(TextoTotalMovimentacao, ShowsReaisWithThousandsAndCents)
{
    EXPECT_EQ(textoTotalMovimentacao(120), QStringLiteral("R$ 120,00"));
    EXPECT_EQ(textoTotalMovimentacao(-1234.5), QStringLiteral("R$ -1.234,50"));
    EXPECT_EQ(textoTotalMovimentacao(0), kZero);
}

// --- The window ----------------------------------------------------------------------------

class FormViewMovimentacaoFinanceiraTest
    : public RegistrationWindowFixture<TFormViewMovimentacaoFinanceira,
                                       TMovimentacaoFinanceiraFrameAdapter>
{
protected:
    FormViewMovimentacaoFinanceiraTest()
        : RegistrationWindowFixture("TFormViewMovimentacaoFinanceira", kEstorno)
    { }

    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        m_watch.stop();
        RegistrationWindowFixture::TearDown();
    }

    // Searches and waits for the selection totals too.
    void searchAll(const QString &AText = {})
    {
        search(AText);
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        waitIdle();
    }
    QStringList totaisPagina() const
    {
        return { form->LabelValorTotalBaixado->text(),
                 form->LabelValorTotalTransferenciaEntrada->text(),
                 form->LabelValorTotalTransferenciaSaida->text(),
                 form->LabelSubTotalTransferencias->text() };
    }
    QStringList totaisGerais() const
    {
        return { form->LabelTotalGeralBaixados->text(),
                 form->LabelTotalGeralEntradas->text(),
                 form->LabelTotalGeralSaidas->text(),
                 form->LabelSubTotalGeralTransferencias->text() };
    }
    TMovimentacaoFinanceiraFrameAdapter *rowOf(const QString &ADocumento) const
    {
        return frameOf(&TMovimentacaoFinanceiraFrameAdapter::LabelDocumento, ADocumento);
    }
    // Runs AStep once a hosted dialog of that class shows (the container's loop is running).
    template<class TDialog>
    void whenShown(std::function<void(TDialog &)> AStep)
    {
        m_watch.disconnect();
        QObject::connect(&m_watch, &QTimer::timeout, [this, AStep] {
            for (QWidget *widget : QApplication::allWidgets())
                if (auto *dialog = dynamic_cast<TDialog *>(widget);
                    dialog && dialog->LayoutBackground && dialog->LayoutBackground->isVisible()) {
                    m_watch.stop();
                    AStep(*dialog);
                    return;
                }
        });
        m_watch.start(10);
    }
    static void waitThreads()
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        waitIdle();
    }

    QTimer m_watch;
};

// The seed's page: receivables of 100 and 50, a payable of 30 and a transfer pair of 200.
TEST_F(FormViewMovimentacaoFinanceiraTest, RowsAndBothTotalsFollowTheSearch)
{
    searchAll();

    ASSERT_EQ(frames().size(), 5);
    EXPECT_EQ(totaisPagina(),
              (QStringList { "R$ 120,00", "R$ 200,00", "R$ 200,00", kZero }));
    // The stand-in sums the same movements for the selection.
    EXPECT_EQ(totaisGerais(),
              (QStringList { "R$ 120,00", "R$ 200,00", "R$ 200,00", kZero }));
    EXPECT_EQ(form->LabelTotalGeralBaixados->fontColor(), TAlphaColor(0xFF0000FF));

    const TColorFinanceiroApp &cores = TThemeApp::Instance().ColorFinanceiro();
    TMovimentacaoFinanceiraFrameAdapter *receita = rowOf(QStringLiteral("BOL 1001"));
    ASSERT_NE(receita, nullptr);
    EXPECT_EQ(receita->LabelValorBaixado->text(), QStringLiteral("100,00"));
    EXPECT_EQ(receita->LabelValorBaixado->fontColor(), cores.TipoReceita);
    EXPECT_EQ(receita->LabelDescricaoTitulo->text(),
              QStringLiteral("MENSALIDADE CONTRATO - PARCELA 0000000003"));
    EXPECT_EQ(receita->LabelParcela->text(), QStringLiteral("0000000003/012"));
    EXPECT_FALSE(receita->LabelNumeroContrato->isHidden());
    EXPECT_EQ(receita->LabelInformacaoConta->text(), QStringLiteral("ENTRADA NA CONTA: CAIXA GERAL"));

    TMovimentacaoFinanceiraFrameAdapter *despesa = rowOf(QStringLiteral("NF 778"));
    ASSERT_NE(despesa, nullptr);
    EXPECT_EQ(despesa->LabelValorBaixado->text(), QStringLiteral("-30,00"));
    EXPECT_EQ(despesa->LabelValorBaixado->fontColor(), cores.TipoDespesa);
    EXPECT_EQ(despesa->RectangleColorStatus->fillColor(), cores.TipoDespesa);
    EXPECT_EQ(despesa->LabelDescricaoTitulo->text(), QStringLiteral("COROAS DE FLORES"));
    EXPECT_EQ(despesa->LabelParcela->text(), QString());
    EXPECT_TRUE(despesa->LabelNumeroContrato->isHidden());
    EXPECT_TRUE(despesa->LabelTitleNumeroContrato->isHidden());
    EXPECT_EQ(despesa->LabelInformacaoConta->text(), QStringLiteral("SAÍDA DA CONTA: CAIXA GERAL"));

    const auto request = demo.backend().last("GET", kRotaTotais);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "false");
}

TEST_F(FormViewMovimentacaoFinanceiraTest, FailedSelectionTotalsShowInTheLabelsWithoutADialog)
{
    demo.backend().on("GET", kRotaTotais, FakeReply::text("ERROR:Falha interna.", 500));
    searchAll();

    EXPECT_EQ(totaisGerais(), QStringList(4, kNaoCarregado));
    EXPECT_EQ(totaisPagina().value(0), QStringLiteral("R$ 120,00"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(u'|').toStdString();
}

TEST_F(FormViewMovimentacaoFinanceiraTest, ClosingBeforeTheTotalsReplyIsHarmless)
{
    FakeReply lenta = FakeReply::json(R"({"totalBaixados":1})");
    lenta.delay = std::chrono::milliseconds(300);
    demo.backend().on("GET", kRotaTotais, lenta);
    search();
    form->CloseForm();
    form = nullptr;
    waitThreads();
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// Typed characters (key 0) and other keys blank all eight totals; Enter, Backspace, Shift,
// Control, Alt, Caps Lock and the arrows leave them.
TEST_F(FormViewMovimentacaoFinanceiraTest, KeyRuleBlanksTheTotalsOnlyForKeysThatChangeText)
{
    searchAll();
    for (int key : { 13, 8, 16, 17, 18, 20, 37, 38, 39, 40 }) {
        form->KeyRule(key);
        EXPECT_EQ(totaisPagina().value(0), QStringLiteral("R$ 120,00")) << key;
        EXPECT_EQ(totaisGerais().value(0), QStringLiteral("R$ 120,00")) << key;
    }
    for (int key : { 0, 46, 65 }) {
        searchAll();
        form->KeyRule(key);
        EXPECT_EQ(totaisPagina() + totaisGerais(), QStringList(8, kZero)) << key;
    }
}

TEST_F(FormViewMovimentacaoFinanceiraTest, TypingInAFilterOrTheSearchBlanksTheTotals)
{
    for (QWidget *widget : std::initializer_list<QWidget *> {
             form->EditFilterConta, form->DateEditFilterDataInicial, form->EditPesquisar }) {
        searchAll();
        ASSERT_EQ(totaisPagina().value(0), QStringLiteral("R$ 120,00"));
        pressKey(widget, Qt::Key_Left);
        EXPECT_EQ(totaisPagina().value(0), QStringLiteral("R$ 120,00")) << widget->objectName().toStdString();
        typeText(widget, QStringLiteral("a"));
        EXPECT_EQ(totaisPagina() + totaisGerais(), QStringList(8, kZero))
            << widget->objectName().toStdString();
    }
}

// A movement past 2^31 is reversed with its whole id; the question carries the payment-line
// sentence as its third line when other settlements share them.
class FormViewMovimentacaoEstornoTest : public FormViewMovimentacaoFinanceiraTest
{
protected:
    void SetUp() override
    {
        demo.backend().on(
            "GET",
            "/movimentacao-financeira",
            FakeReply::json(
                R"({"total":1,"pages":1,"listHelper":[{"id":3000000000,"siglaTipoDocumento":"BOL",)"
                R"("numeroDocumento":"9","favorecido":"ANA","codigoTipoTitulo":"R","valorBaixa":10}]})"));
        demo.backend().on("GET",
                          "/movimentacao-financeira/movimentacao-forma-baixa/3000000000",
                          FakeReply::text("1"));
        FormViewMovimentacaoFinanceiraTest::SetUp();
    }
    // Fills the reversal dialog and confirms it.
    void estornar(TFormSubViewEstornoMovimentacaoFinanceira &ADialog)
    {
        ADialog.Presenter()->FindItemControl(QStringLiteral("EditMotivo"))->SetValueControl(QStringLiteral("2"));
        typeText(ADialog.MemoObservacao, QStringLiteral("lançado em dobro"));
        ADialog.RectangleEstornar->OnClick(ADialog.RectangleEstornar);
    }
};

const QString kPerguntaEstorno = QStringLiteral(
    "QUESTION:Ao estornar o lançamento, sua(s) forma(s) de baixa também será(ão) "
    "removidas.\r\nDeseja estornar o lançamento?\r\nWARNING:Existe(m) mais baixa(s) "
    "vinculada(s) para a(s) forma(s) de baixa dessa movimentação. Se confirmar, esse(s) "
    "lançamento(s) também será(ão) estornados.");
const QString kConfirmaEstorno
    = QStringLiteral("QUESTION:Confirma gerar o(s) estorno(s) da(s) movimentação(ões)?");

TEST_F(FormViewMovimentacaoEstornoTest, ConfirmedReversalPostsTheWholeIdAndSearchesAgain)
{
    search();
    ASSERT_EQ(frames().size(), 1);
    const size_t buscas = demo.backend().count("GET", "/movimentacao-financeira");
    dialogs.answerQuestions({ kYes, kYes });
    QString vazio;
    whenShown<TFormSubViewEstornoMovimentacaoFinanceira>(
        [&](TFormSubViewEstornoMovimentacaoFinanceira &dialog) {
            // An empty reason stops before the question.
            dialog.RectangleEstornar->OnClick(dialog.RectangleEstornar);
            vazio = dialogs.messageTexts().value(1);
            estornar(dialog);
        });

    frames().first()->SpeedButtonEstornar->click();
    waitThreads();

    EXPECT_EQ(vazio, QStringLiteral("WARNING:Campo Motivo do Estorno não preenchido."));
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kPerguntaEstorno, vazio, kConfirmaEstorno, kSuccess }));
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("id").toInteger(), 0);
    EXPECT_EQ(body.value("idMovimentacaoFinanceira").toInteger(), 3000000000LL);
    EXPECT_EQ(body.value("idMotivo").toInteger(), 2);
    EXPECT_EQ(body.value("observacao").toString(), QStringLiteral("LANÇADO EM DOBRO"));
    EXPECT_EQ(demo.backend().count("GET", "/movimentacao-financeira"), buscas + 1);
    EXPECT_EQ(demo.backend().last("GET", "/movimentacao-financeira")->param("page"), "1");
}

TEST_F(FormViewMovimentacaoEstornoTest, RefusedReversalShowsItsTextAndKeepsTheList)
{
    demo.backend().on("POST", kEstorno, FakeReply::text("WARNING:Movimentação já conciliada.", 400));
    search();
    const size_t buscas = demo.backend().count("GET", "/movimentacao-financeira");
    dialogs.answerQuestions({ kYes, kYes });
    whenShown<TFormSubViewEstornoMovimentacaoFinanceira>(
        [&](TFormSubViewEstornoMovimentacaoFinanceira &dialog) { estornar(dialog); });

    frames().first()->SpeedButtonEstornar->click();
    waitThreads();

    EXPECT_EQ(dialogs.messageTexts().value(2), QStringLiteral("WARNING:Movimentação já conciliada."));
    EXPECT_EQ(dialogs.messageTexts().size(), 3);
    EXPECT_EQ(demo.backend().count("GET", "/movimentacao-financeira"), buscas);
}

TEST_F(FormViewMovimentacaoEstornoTest, AnsweringNoOpensNoDialog)
{
    search();
    dialogs.answerQuestion(kNo);
    frames().first()->SpeedButtonEstornar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kPerguntaEstorno });
    EXPECT_FALSE(demo.backend().last("POST", kEstorno));
}

// A clerk without the first extra permission reverses with today's date, which he cannot change;
// without Movimentar there is no reversal at all.
class FormViewMovimentacaoSemPermissaoTest : public FormViewMovimentacaoEstornoTest
{
protected:
    void SetUp() override
    {
        m_login = QStringLiteral("atendente");
        m_senha = QStringLiteral("atendente1234");
        demo.backend().on("GET",
                          "/form-permission",
                          FakeReply::json(R"({"inserir":true,"editar":true,"remover":true,)"
                                          R"("visualizar":true,"movimentar":true,)"
                                          R"("permissaoExtra1":false})"));
        FormViewMovimentacaoEstornoTest::SetUp();
    }
};

TEST_F(FormViewMovimentacaoSemPermissaoTest, ReversalDateIsTodayAndLocked)
{
    search();
    dialogs.answerQuestions({ kYes, kYes });
    bool habilitada = true;
    whenShown<TFormSubViewEstornoMovimentacaoFinanceira>(
        [&](TFormSubViewEstornoMovimentacaoFinanceira &dialog) {
            habilitada = dialog.DateEditData->isEnabled();
            estornar(dialog);
        });
    frames().first()->SpeedButtonEstornar->click();
    waitThreads();

    EXPECT_FALSE(habilitada);
    EXPECT_EQ(lastPost().value("data").toString().left(10),
              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

TEST_F(FormViewMovimentacaoSemPermissaoTest, WithoutMovimentarTheRowRefuses)
{
    form->FPermissionMovimentar = false;
    search();
    frames().first()->SpeedButtonEstornar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Seu usuário não possui permissão neste recurso.") });
    EXPECT_FALSE(demo.backend().last("GET", "/movimentacao-financeira/movimentacao-forma-baixa/3000000000"));
}

// --- The transfer --------------------------------------------------------------------------

const QString kSaldoNegativo = QStringLiteral(
    "QUESTION:Verificamos que o saldo da conta de origem está menor do que o valor informado "
    "para transferência.\r\nAo prosseguir o saldo da conta ficará negativo. Deseja prosseguir?");
const QString kConfirmaTransferencia = QStringLiteral("QUESTION:Confirma gerar a transferência?");
const std::string kRotaTransferencia = "/movimentacao-financeira/transferencia-saldo";

class TransferenciaSaldoTest : public FormViewMovimentacaoFinanceiraTest
{
protected:
    void SetUp() override
    {
        demo.store().seed(QStringLiteral("/conta"),
                          QJsonArray { QJsonObject { { "id", 12 },
                                                     { "descricao", "CAIXA LOJA" },
                                                     { "saldo", 100.0 } },
                                       QJsonObject { { "id", 13 },
                                                     { "descricao", "COFRE" },
                                                     { "saldo", 0.0 } } });
        FormViewMovimentacaoFinanceiraTest::SetUp();
    }
    static void escolher(TFormSubViewTransferenciaSaldo &ADialog, const char *AControl, const QString &AValue)
    {
        ADialog.Presenter().FindItemControl(QLatin1String(AControl))->SetValueControl(AValue);
    }
    // The dialog as the person fills it: origin 12 (balance 100), destination 13.
    static void preencher(TFormSubViewTransferenciaSaldo &ADialog, const QString &AValor)
    {
        escolher(ADialog, "EditContaOrigem", QStringLiteral("12"));
        escolher(ADialog, "EditContaDestino", QStringLiteral("13"));
        ADialog.EditValor->setText(AValor);
    }
    static void gravar(TFormSubViewTransferenciaSaldo &ADialog)
    {
        ADialog.RectangleGravar->OnClick(ADialog.RectangleGravar);
        waitThreads();
    }
    static void fechar(TFormSubViewTransferenciaSaldo &ADialog)
    {
        ADialog.SpeedButtonClose->OnClick(ADialog.SpeedButtonClose);
    }
    void abrir(std::function<void(TFormSubViewTransferenciaSaldo &)> AStep)
    {
        whenShown<TFormSubViewTransferenciaSaldo>(std::move(AStep));
        form->RectangleTransferencia->OnClick(form->RectangleTransferencia);
        waitThreads();
    }
};

TEST_F(TransferenciaSaldoTest, ProposesTheTypedValueAndTheFilteredAccount)
{
    form->Presenter()->FindItemFilterControl(QStringLiteral("EditFilterConta"))->SetValueControl(QStringLiteral("12"));
    form->EditPesquisar->setText(QStringLiteral("150,50"));
    QString valor;
    std::int64_t origem = 0;
    double saldo = -1;
    abrir([&](TFormSubViewTransferenciaSaldo &dialog) {
        valor = dialog.EditValor->text();
        origem = dialog.Presenter().FindItemControl(QStringLiteral("EditContaOrigem"))->Id;
        saldo = dialog.Saldo();
        dialog.Presenter().ManagerControls().Clear();
        dialog.MemoObservacao->clear();
        dialog.DateEditData->clear();
        fechar(dialog);
    });
    EXPECT_EQ(valor, QStringLiteral("150,50"));
    EXPECT_EQ(origem, 12);
    EXPECT_DOUBLE_EQ(saldo, 100);
    // Cleared, the dialog closed without asking; the list was searched again, for "150,50",
    // which no movement matches.
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("WARNING:Informações não localizadas.") });
    EXPECT_EQ(demo.backend().last("GET", "/movimentacao-financeira")->param("search"), "150,50");
}

// Above the balance asks first; the token is renewed before the post; the back end's 200 text is
// shown as it stands and the dialog closes.
TEST_F(TransferenciaSaldoTest, AboveTheBalanceAsksThenPostsAndClosesOnTheBackEndsWord)
{
    demo.backend().on("POST", kRotaTransferencia, FakeReply::text("WARNING:Saldo negativo"));
    dialogs.answerQuestions({ kYes, kYes });
    bool fechou = false;
    abrir([&](TFormSubViewTransferenciaSaldo &dialog) {
        preencher(dialog, QStringLiteral("150,00"));
        dialog.MemoObservacao->setText(QStringLiteral("L1\nL2"));
        demo.backend().clearRequests();
        gravar(dialog);
        fechou = dialog.Salvo();
    });

    EXPECT_TRUE(fechou);
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kSaldoNegativo, kConfirmaTransferencia, QStringLiteral("WARNING:Saldo negativo") }));
    const auto requests = demo.backend().requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[0].path, "/auth");
    EXPECT_EQ(requests[1].path, kRotaTransferencia);
    const QJsonObject body = QJsonDocument::fromJson(QByteArray::fromStdString(requests[1].body)).object();
    EXPECT_DOUBLE_EQ(body.value("valor").toDouble(), 150.0);
    EXPECT_EQ(body.value("observacao").toString(), QStringLiteral("L1\r\nL2\r\n"));
    EXPECT_EQ(body.value("contaOrigem").toInteger(), 12);
    EXPECT_EQ(body.value("contaDestino").toInteger(), 13);
}

TEST_F(TransferenciaSaldoTest, RefusalKeepsTheDialogOpenWithItsValues)
{
    demo.backend().on("POST", kRotaTransferencia, FakeReply::text("WARNING:Conta bloqueada.", 400));
    dialogs.answerQuestions({ kYes, kYes });
    QString valor;
    bool salvo = true;
    abrir([&](TFormSubViewTransferenciaSaldo &dialog) {
        preencher(dialog, QStringLiteral("100,00"));
        gravar(dialog);
        valor = dialog.EditValor->text();
        salvo = dialog.Salvo();
        // Closing now asks, for the values typed.
        fechar(dialog);
    });

    EXPECT_FALSE(salvo);
    EXPECT_EQ(valor, QStringLiteral("100,00"));
    // Equal to the balance: no negative-balance question.
    EXPECT_EQ(dialogs.messageTexts(),
              (QStringList { kConfirmaTransferencia,
                             QStringLiteral("WARNING:Conta bloqueada."),
                             QStringLiteral("QUESTION:Você não salvou a transferência. Confirma sair?") }));
}

// Checked before any question; nothing is sent.
struct ChecagemCase
{
    const char *name;
    const char *valor;
    const char *destino;
    const char *esperado;
};

std::ostream &operator<<(std::ostream &out, const ChecagemCase &row)
{
    return out << row.name;
}

class TransferenciaSaldoChecagemTest : public TransferenciaSaldoTest,
                                       public ::testing::WithParamInterface<ChecagemCase>
{ };

TEST_P(TransferenciaSaldoChecagemTest, RefusesBeforeAnyQuestion)
{
    const ChecagemCase &row = GetParam();
    dialogs.answerAllQuestions(kYes);
    abrir([&](TFormSubViewTransferenciaSaldo &dialog) {
        preencher(dialog, QString::fromUtf8(row.valor));
        TItemControl *destino
            = dialog.Presenter().FindItemControl(QStringLiteral("EditContaDestino"));
        destino->Clear();
        destino->SetValueControl(QString::fromLatin1(row.destino));
        gravar(dialog);
        dialog.Presenter().ManagerControls().Clear();
        dialog.MemoObservacao->clear();
        dialog.DateEditData->clear();
        fechar(dialog);
    });
    EXPECT_EQ(dialogs.messageTexts().value(0).trimmed(), QString::fromUtf8(row.esperado));
    EXPECT_FALSE(demo.backend().last("POST", kRotaTransferencia));
}

INSTANTIATE_TEST_SUITE_P(
    Checagens,
    TransferenciaSaldoChecagemTest,
    ::testing::Values(
        ChecagemCase { "ZeroValue", "0,00", "13",
                       "WARNING:Não é permitido valor negativo ou zerado no campo valor." },
        ChecagemCase { "SameAccount", "10,00", "12",
                       "WARNING:A conta de destino deve ser diferente da conta de origem." },
        ChecagemCase { "NoDestination", "10,00", "0",
                       "WARNING:O campo Conta de Destino não possui um valor válido." }));

TEST_F(TransferenciaSaldoTest, UntouchedDialogAsksBeforeClosing)
{
    dialogs.answerQuestion(kNo);
    bool aberto = false;
    abrir([&](TFormSubViewTransferenciaSaldo &dialog) {
        fechar(dialog);
        aberto = dialog.LayoutBackground && dialog.LayoutBackground->isVisible();
        dialogs.answerQuestion(kYes);
        fechar(dialog);
    });
    EXPECT_TRUE(aberto);
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList(2, QStringLiteral("QUESTION:Você não salvou a transferência. Confirma sair?")));
}

} // namespace

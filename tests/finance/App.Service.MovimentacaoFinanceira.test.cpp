#include "App.Presenter.EstornoMovimentacaoFinanceira.h"
#include "App.Presenter.EstornoSemFinanceiro.h"
#include "App.Presenter.MovimentacaoFinanceira.h"
#include "App.Presenter.TransferenciaSaldo.h"
#include "App.Service.MovimentacaoFinanceira.h"
#include "Common.Dto.TransferenciaSaldo.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(EstornoMovimentacaoFinanceira,
                               PresenterContract,
                               TEstornoMovimentacaoFinanceiraPresenter);

const std::string kLinhas = "/movimentacao-financeira/movimentacao-forma-baixa/3000000000";
const std::string kTotais = "/movimentacao-financeira/totalizadores";
const std::string kTransferencia = "/movimentacao-financeira/transferencia-saldo";

QString raisedBy(const std::function<void()> &AWork)
{
    try {
        AWork();
    } catch (const Exception &error) {
        return error.Message();
    }
    return QStringLiteral("(nothing raised)");
}

QJsonObject bodyOf(const RecordedRequest &ARequest)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(ARequest.body)).object();
}

class MovimentacaoFinanceiraServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
};

// The payment-line check: the reply's first line decides, read as a Boolean; a 64-bit id
// travels whole.
struct LinhaCase
{
    const char *name;
    FakeReply reply;
    bool expected;
    const char *raised; // null when the call answers
};

std::ostream &operator<<(std::ostream &out, const LinhaCase &row)
{
    return out << row.name;
}

class MovimentacaoFinanceiraLinhaTest : public MovimentacaoFinanceiraServiceTest,
                                        public ::testing::WithParamInterface<LinhaCase>
{ };

TEST_P(MovimentacaoFinanceiraLinhaTest, ReadsTheFirstLineOfTheReply)
{
    const LinhaCase &row = GetParam();
    backend.on("GET", kLinhas, row.reply);
    auto presenter = TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>();

    bool answer = !row.expected;
    const QString raised
        = raisedBy([&] { answer = presenter->getExistsMessageCompl(3000000000LL); });

    if (row.raised) {
        EXPECT_EQ(raised, QString::fromUtf8(row.raised));
    } else {
        EXPECT_EQ(raised, QStringLiteral("(nothing raised)"));
        EXPECT_EQ(answer, row.expected);
    }
    const auto request = backend.last("GET", kLinhas);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_FALSE(request->hasParam("search"));
    EXPECT_TRUE(request->body.empty());
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 600000);
}

INSTANTIATE_TEST_SUITE_P(
    Respostas,
    MovimentacaoFinanceiraLinhaTest,
    ::testing::Values(
        LinhaCase { "FalseThenMore", FakeReply::text("false\nx"), false, nullptr },
        LinhaCase { "One", FakeReply::text("1"), true, nullptr },
        LinhaCase { "TrueAnyCase", FakeReply::text("TRUE\r\n"), true, nullptr },
        LinhaCase { "Zero", FakeReply::text("0"), false, nullptr },
        LinhaCase { "Empty",
                    FakeReply::text(""),
                    false,
                    "ERROR:Houve um problema e não foi possível retornar a requisição solicitada." },
        // An error page's first line must not answer the question.
        LinhaCase { "ErrorStatus",
                    FakeReply::text("1\nWARNING:Movimentação não encontrada.", 500),
                    false,
                    "1\nWARNING:Movimentação não encontrada." },
        LinhaCase { "ErrorWarning",
                    FakeReply::text("WARNING:Movimentação não encontrada.", 500),
                    false,
                    "WARNING:Movimentação não encontrada." }));

TEST_F(MovimentacaoFinanceiraServiceTest, TotalsSendTheSelectionUnpagedAndReadTheReply)
{
    backend.on("GET",
               kTotais,
               FakeReply::json(R"({"totalSaidas":20.5,"totalBaixados":120,"totalEntradas":30})"));
    auto presenter = TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>();
    presenter->TextSearch = QStringLiteral("JOAO");
    presenter->filter()->IdConta = QStringLiteral("12#12#CAIXA");

    double baixados = -1, entradas = -1, saidas = -1;
    presenter->setTotalizadores(baixados, entradas, saidas);

    EXPECT_DOUBLE_EQ(baixados, 120);
    EXPECT_DOUBLE_EQ(entradas, 30);
    EXPECT_DOUBLE_EQ(saidas, 20.5);
    const auto request = backend.last("GET", kTotais);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "false");
    EXPECT_FALSE(request->hasParam("page"));
    EXPECT_FALSE(request->hasParam("limit"));
    EXPECT_EQ(request->param("search"), "JOAO");
    EXPECT_FALSE(request->hasParam("fix-filter"));
    EXPECT_EQ(bodyOf(*request).value(QStringLiteral("idConta")).toString(),
              QStringLiteral("12#12#CAIXA"));
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 300000);
}

// A copied selection is counted as it was copied, whatever the presenter holds afterwards.
TEST_F(MovimentacaoFinanceiraServiceTest, TotalsOfACopiedSelectionIgnoreLaterSearches)
{
    backend.on("GET", kTotais, FakeReply::json(R"({"totalBaixados":5})"));
    auto presenter = TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>();
    presenter->ValueFixFilter = QStringLiteral("A");
    presenter->filter()->IdPessoa = QStringLiteral("7#7#ANA");
    const TSelecaoMovimentacaoFinanceira selecao = presenter->selecaoAtual();
    presenter->ValueFixFilter = QStringLiteral("B");
    presenter->filter()->IdPessoa = QStringLiteral("8#8#BIA");

    const TTotaisMovimentacaoFinanceira totais = TMovimentacaoFinanceiraPresenter::totalizar(selecao);

    EXPECT_DOUBLE_EQ(totais.Baixados, 5);
    const auto request = backend.last("GET", kTotais);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("fix-filter"), "A");
    EXPECT_EQ(bodyOf(*request).value(QStringLiteral("idPessoa")).toString(), QStringLiteral("7#7#ANA"));
}

TEST_F(MovimentacaoFinanceiraServiceTest, TotalsFailuresRaiseAndLeaveTheValuesAtZero)
{
    auto presenter = TBasePresenter::Create<TMovimentacaoFinanceiraPresenter>();
    for (const auto &[reply, expected] :
         { std::pair { FakeReply::text("ok"),
                       QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos.") },
           std::pair { FakeReply::text("WARNING:Período inválido.", 400),
                       QStringLiteral("WARNING:Período inválido.") } }) {
        backend.on("GET", kTotais, reply);
        double baixados = 9, entradas = 9, saidas = 9;
        EXPECT_EQ(raisedBy([&] { presenter->setTotalizadores(baixados, entradas, saidas); }),
                  expected);
        EXPECT_EQ(baixados + entradas + saidas, 0.0);
    }
}

// The token is renewed before the transfer; the body is the record, and the back end's 200
// text is shown as it stands, whatever its prefix.
TEST_F(MovimentacaoFinanceiraServiceTest, TransferRenewsTheTokenPostsTheRecordAndShowsTheReply)
{
    backend.on("POST", kTransferencia, FakeReply::text("WARNING:Saldo negativo"));
    auto presenter = TBasePresenter::Create<TTransferenciaSaldoPresenter>();
    TTransferenciaSaldoDto &dto = presenter->TransferenciaSaldoDto();
    dto.ContaOrigem = 12;
    dto.ContaDestino = 13;
    dto.Valor = 150;
    dto.Observacao = QStringLiteral("L1\r\nL2\r\n");
    backend.clearRequests();

    presenter->postTransferenciaSaldo();

    const auto requests = backend.requests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[requests.size() - 2].path, "/auth");
    EXPECT_EQ(requests.back().path, kTransferencia);
    const QJsonObject body = bodyOf(requests.back());
    EXPECT_DOUBLE_EQ(body.value(QStringLiteral("valor")).toDouble(), 150.0);
    EXPECT_EQ(body.value(QStringLiteral("observacao")).toString(), QStringLiteral("L1\r\nL2\r\n"));
    EXPECT_EQ(body.value(QStringLiteral("contaOrigem")).toInteger(), 12);
    EXPECT_EQ(body.value(QStringLiteral("contaDestino")).toInteger(), 13);
    EXPECT_EQ(body.value(QStringLiteral("id")).toInteger(), 0);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { QStringLiteral("WARNING:Saldo negativo") });
}

TEST_F(MovimentacaoFinanceiraServiceTest, TransferRefusedRaisesItsTextAndShowsNothing)
{
    backend.on("POST", kTransferencia, FakeReply::text("WARNING:Conta bloqueada.", 400));
    auto presenter = TBasePresenter::Create<TTransferenciaSaldoPresenter>();

    EXPECT_EQ(raisedBy([&] { presenter->postTransferenciaSaldo(); }),
              QStringLiteral("WARNING:Conta bloqueada."));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// The record checks made before any question.
TEST(TransferenciaSaldoValidacao, RefusesAValueOfZeroOrLessAndOneAccountTwice)
{
    const auto check = [](double AValor, std::int64_t AOrigem, std::int64_t ADestino) {
        TTransferenciaSaldoDto dto;
        dto.Valor = AValor;
        dto.ContaOrigem = AOrigem;
        dto.ContaDestino = ADestino;
        return raisedBy([&] { TTransferenciaSaldoPresenter::ValidarTransferencia(dto); });
    };
    const QString negativo
        = QStringLiteral("WARNING:Não é permitido valor negativo ou zerado no campo valor.");
    EXPECT_EQ(check(0, 1, 2), negativo);
    EXPECT_EQ(check(-5, 1, 2), negativo);
    EXPECT_EQ(check(10, 4, 4),
              QStringLiteral("WARNING:A conta de destino deve ser diferente da conta de origem."));
    EXPECT_EQ(check(0.01, 4, 5), QStringLiteral("(nothing raised)"));
}

// The reversal goes to "/complex" with Id 0 and the 64-bit movement id; a refusal raises.
TEST_F(MovimentacaoFinanceiraServiceTest, ReversalPostsToComplexWithIdZero)
{
    const std::string path = "/estorno-movimentacao-financeira/complex";
    backend.on("POST", path, FakeReply::json(R"({"id":91})"));
    auto presenter = TBasePresenter::Create<TEstornoMovimentacaoFinanceiraPresenter>();
    presenter->entity()->Id = 44;
    presenter->entity()->IdMovimentacaoFinanceira = 3000000000LL;
    presenter->entity()->IdMotivo = 3;

    presenter->PostEstorno();

    const auto request = backend.last("POST", path);
    ASSERT_TRUE(request);
    EXPECT_NE(request->body.find(R"("id":0)"), std::string::npos) << request->body;
    EXPECT_NE(request->body.find(R"("idMovimentacaoFinanceira":3000000000)"), std::string::npos)
        << request->body;

    backend.on("POST", path, FakeReply::text("WARNING:Movimentação já estornada.", 400));
    EXPECT_EQ(raisedBy([&] { presenter->PostEstorno(); }),
              QStringLiteral("WARNING:Movimentação já estornada."));
}

} // namespace

#include "App.Presenter.CancelamentoFinanceiro.h"

#include "MemTable.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

INSTANTIATE_TYPED_TEST_SUITE_P(CancelamentoFinanceiro,
                               PresenterContract,
                               TCancelamentoFinanceiroPresenter);

namespace {

class CancelamentoFinanceiroPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TCancelamentoFinanceiroPresenter> presenter
        = TBasePresenter::Create<TCancelamentoFinanceiroPresenter>();
};

TEST_F(CancelamentoFinanceiroPresenterTest, ListHoldsTheTitleAndItsDescription)
{
    EXPECT_EQ(describeColumns(presenter->DataSetInfo()).mid(3),
              (QStringList { "ID_TITULO LargeInt 0", "DESCRICAO String 500" }));
}

TEST_F(CancelamentoFinanceiroPresenterTest, BatchPostsTheWholeBodyAndRaisesARefusal)
{
    TCancelamentoFinanceiroComplexPost body;
    body.Titulos->push_back(41);
    body.Observacao = QStringLiteral("Título removido");
    backend.on("POST", "/cancelamento-financeiro/complex", FakeReply::text("ignored"));

    presenter->postCancelamentoFinanceiroEmLote(&body);

    const auto request = backend.last("POST", "/cancelamento-financeiro/complex");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("Content-Type"), "application/json");
    EXPECT_EQ(presenter->service().Request().AppliedTimeout(), 30000000);
    const QJsonObject sent
        = QJsonDocument::fromJson(QByteArray::fromStdString(request->body)).object();
    EXPECT_EQ(listOf(sent, "titulos"), QJsonArray { 41 });
    EXPECT_EQ(sent.value("idTitulo").toInt(), 0);
    EXPECT_FALSE(sent.value("naoVerificarRegraParcelas").toBool(true));
    EXPECT_EQ(sent.value("observacao").toString(), QStringLiteral("Título removido"));
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());

    backend.on("POST",
               "/cancelamento-financeiro/complex",
               FakeReply::text("WARNING:Título já cancelado.", 400));
    try {
        presenter->postCancelamentoFinanceiroEmLote(&body);
        FAIL() << "a refused batch passed for done";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(), QStringLiteral("WARNING:Título já cancelado."));
    }
}

TEST_F(CancelamentoFinanceiroPresenterTest, MissingBodyIsRefusedAndNothingIsSent)
{
    try {
        presenter->postCancelamentoFinanceiroEmLote(nullptr);
        FAIL() << "a missing body was accepted";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  QStringLiteral("WARNING:Não foi possível gerar o cancelamento do financeiro."));
    }
    EXPECT_TRUE(backend.requests().empty());
}

struct PeriodoCase
{
    const char *name;
    const char *inicial;
    const char *final;
    QStringList meses;
};

void PrintTo(const PeriodoCase &row, std::ostream *out)
{
    *out << row.name;
}

class PeriodoCompetenciaTest : public ::testing::TestWithParam<PeriodoCase>
{
};

TEST_P(PeriodoCompetenciaTest, ListsEveryMonthInclusiveAndInOrder)
{
    EXPECT_EQ(TCancelamentoFinanceiroPresenter::PeriodoCompetencia(
                  QLatin1String(GetParam().inicial), QLatin1String(GetParam().final)),
              GetParam().meses);
}

const PeriodoCase periodoCases[] = {
    { "OneMonth", "032025", "032025", { "032025" } },
    { "AcrossTheYear", "122024", "012025", { "122024", "012025" } },
    { "NovemberToFebruary", "112024", "022025", { "112024", "122024", "012025", "022025" } },
};

INSTANTIATE_TEST_SUITE_P(Periods,
                         PeriodoCompetenciaTest,
                         ::testing::ValuesIn(periodoCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

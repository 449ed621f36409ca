#include "App.Connector.Titulo.h"
#include "App.Presenter.EmpresaTitulo.h"
#include "App.Presenter.ParcelaTitulo.h"
#include "App.Presenter.PlanoContasTitulo.h"
#include "App.Presenter.Titulo.h"

#include "App.Lib.ManagerControls.h"

#include "DateTime.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/ScriptedDialogs.h"
#include "support/TestTexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

INSTANTIATE_TYPED_TEST_SUITE_P(Titulo, PresenterContract, TTituloPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ParcelaTitulo, PresenterContract, TParcelaTituloPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(EmpresaTitulo, PresenterContract, TEmpresaTituloPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(PlanoContasTitulo, PresenterContract, TPlanoContasTituloPresenter);

namespace {

QJsonObject bodyOf(const std::optional<RecordedRequest> &ARequest)
{
    return ARequest ? QJsonDocument::fromJson(QByteArray::fromStdString(ARequest->body)).object()
                    : QJsonObject();
}

QString exceptionOf(const std::function<void()> &AStep)
{
    try {
        AStep();
    } catch (const Exception &failure) {
        return failure.Message();
    }
    return {};
}

// The title presenter wired, as the window wires it, to the three child presenters.
class TituloPresenterTest : public ::testing::Test
{
protected:
    TituloPresenterTest()
    {
        for (TBasePresenter *child : { static_cast<TBasePresenter *>(parcelas.get()),
                                       static_cast<TBasePresenter *>(empresas.get()),
                                       static_cast<TBasePresenter *>(planos.get()) })
            child->Clear(true, false);
        TTituloConnector::New(empresas.get(), parcelas.get(), planos.get())
            .SetPresenterTitulo(presenter.get())
            .SetDataSetEmpresaTitulo(&empresas->DataSetInfo())
            .SetDataSetParcelaTitulo(&parcelas->DataSetInfo())
            .SetDataSetPlanoContasTitulo(&planos->DataSetInfo());
        backend.on("POST", "/titulo/complex", FakeReply::json(R"({"id":7})"));
        auto *descricao = new TEdit(&host, QStringLiteral("EditDescricao"));
        presenter->ManagerControls().Bind(descricao, QStringLiteral("Descrição"));
    }

    // Appends an instalment row and answers its ID_REGISTRO.
    std::int64_t addParcela(std::int64_t AId, TDateTime AVencimento, double AValor)
    {
        TMemTable &table = parcelas->DataSetInfo();
        table.Append();
        table.FieldByName("ID")->SetAsLargeInt(AId);
        table.FieldByName("VENCIMENTO")->SetAsDateTime(AVencimento);
        table.FieldByName("VALOR")->SetAsFloat(AValor);
        table.Post();
        return table.FieldByName("ID_REGISTRO")->AsLargeInt();
    }

    QJsonObject postAndBody()
    {
        backend.clearRequests();
        presenter->PostComplex();
        return bodyOf(backend.last("POST", "/titulo/complex"));
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    QWidget host;
    std::unique_ptr<TTituloPresenter> presenter = TBasePresenter::Create<TTituloPresenter>();
    std::unique_ptr<TParcelaTituloPresenter> parcelas
        = TBasePresenter::Create<TParcelaTituloPresenter>();
    std::unique_ptr<TEmpresaTituloPresenter> empresas
        = TBasePresenter::Create<TEmpresaTituloPresenter>();
    std::unique_ptr<TPlanoContasTituloPresenter> planos
        = TBasePresenter::Create<TPlanoContasTituloPresenter>();
};

TEST_F(TituloPresenterTest, AggregateSendsInstalmentsByDueDateAndOnlyStoredRemovals)
{
    addParcela(0, EncodeDate(2025, 3, 10), 30);
    addParcela(0, EncodeDate(2025, 1, 10), 10);
    const std::int64_t stored = addParcela(44, EncodeDate(2025, 2, 1), 99);
    addParcela(0, EncodeDate(2025, 2, 10), 20);
    const std::int64_t unsaved = addParcela(0, EncodeDate(2025, 4, 10), 50);
    ASSERT_TRUE(parcelas->Delete(stored));
    ASSERT_TRUE(parcelas->Delete(unsaved));
    presenter->SetGerarBoletos(true);

    const QJsonObject sent = postAndBody();

    QList<double> valores;
    for (const auto &parcela : listOf(sent, "parcelaTitulos"))
        valores.append(parcela.toObject().value("valor").toDouble());
    EXPECT_EQ(valores, (QList<double> { 10, 20, 30 }));
    EXPECT_EQ(listOf(sent, "removeParcelaTitulos"), QJsonArray { 44 });
    EXPECT_TRUE(listOf(sent, "removeEmpresaTitulos").isEmpty());
    EXPECT_TRUE(sent.value("gerarBoletos").toBool());
    EXPECT_EQ(presenter->entity()->Id, 7);
}

TEST_F(TituloPresenterTest, EditedTitleKeepsTheLinksNoControlShows)
{
    backend.on("GET",
               "/titulo/12",
               FakeReply::json(R"({"id":12,"idContrato":9,"idCarteira":3,"idOrdemServico":5,)"
                               R"("idPlanoPeriodoContrato":6,"valor":80.0})"));
    auto *editId = new TEdit(&host, QStringLiteral("EditID"));
    presenter->ManagerControls().Bind(editId, QStringLiteral("ID"));
    presenter->findById(12);
    editId->setText("12");

    const QJsonObject sent = postAndBody();

    EXPECT_EQ(sent.value("idContrato").toInt(), 9);
    EXPECT_EQ(sent.value("idCarteira").toInt(), 3);
    EXPECT_EQ(sent.value("idOrdemServico").toInt(), 5);
    EXPECT_EQ(sent.value("idPlanoPeriodoContrato").toInt(), 6);

    // A new title does not inherit the last opened one's links.
    presenter->Clear(true, false);
    editId->clear();
    EXPECT_EQ(postAndBody().value("idContrato").toInt(), 0);
}

TEST_F(TituloPresenterTest, FullySettledTitleIsRefusedWithTheRequiredFieldMessages)
{
    auto *edit = new TEdit(&host, QStringLiteral("EditNumeroDocumento"));
    presenter->ManagerControls().Bind(edit, QStringLiteral("Número Documento")).Required();
    presenter->SetIsBaixadoTotal(true);

    const QString failure = exceptionOf([this] { presenter->ValidControls(); });

    EXPECT_TRUE(failure.contains("WARNING:O campo Número Documento não possui um valor válido."))
        << failure.toStdString();
    EXPECT_TRUE(failure.contains("WARNING:O título possui baixa total e não pode ser alterado."))
        << failure.toStdString();

    presenter->SetIsBaixadoTotal(false);
    edit->setText("DOC-1");
    EXPECT_TRUE(exceptionOf([this] { presenter->ValidControls(); }).isEmpty());
}

TEST_F(TituloPresenterTest, SimplifiedFillSplitsInCentsMonthlyFromTheFirstDueDate)
{
    for (int vez = 0; vez < 2; ++vez)
        presenter->AddInformationTituloSimplificado(
            3, 8, EncodeDate(2025, 1, 31), 100.0, QStringLiteral("BOL-1"), 3);

    TMemTable &table = parcelas->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 3);
    QStringList linhas;
    for (table.First(); !table.Eof(); table.Next())
        linhas << table.FieldByName("PARCELA")->AsString() + " "
                + table.FieldByName("VENCIMENTO")->DisplayText() + " "
                + table.FieldByName("VALOR")->DisplayText() + " "
                + table.FieldByName("NUMERO_DOCUMENTO")->AsString();
    EXPECT_EQ(linhas,
              (QStringList { "1 31/01/2025 33,33 BOL-1",
                             "2 28/02/2025 33,33 BOL-1",
                             "3 31/03/2025 33,34 BOL-1" }));
    TMemTable &empresa = empresas->DataSetInfo();
    ASSERT_EQ(empresa.RecordCount(), 1);
    EXPECT_EQ(empresa.FieldByName("ID_EMPRESA")->AsLargeInt(), 3);
    EXPECT_DOUBLE_EQ(empresa.FieldByName("VALOR")->AsFloat(), 100.0);
    TMemTable &plano = planos->DataSetInfo();
    ASSERT_EQ(plano.RecordCount(), 1);
    EXPECT_EQ(plano.FieldByName("ID_PLANO_CONTAS")->AsLargeInt(), 8);
    EXPECT_DOUBLE_EQ(plano.FieldByName("VALOR")->AsFloat(), 100.0);
    // The remainder the sub-form proposes compares in cents: the rows fill the title.
    EXPECT_EQ(parcelas->findValorInDataSet(), 100.0);
}

struct DivisaoCase
{
    const char *Name;
    double Valor;
    int Quantidade;
    std::vector<double> Esperado;
};

std::ostream &operator<<(std::ostream &AOut, const DivisaoCase &ACase)
{
    return AOut << ACase.Name;
}

class DividirValorTest : public ::testing::TestWithParam<DivisaoCase>
{
};

TEST_P(DividirValorTest, SharesAddUpToTheTotal)
{
    EXPECT_EQ(TTituloPresenter::DividirValor(GetParam().Valor, GetParam().Quantidade),
              GetParam().Esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Titulo,
    DividirValorTest,
    ::testing::Values(DivisaoCase { "ThirdsOfAHundred", 100.0, 3, { 33.33, 33.33, 33.34 } },
                      DivisaoCase {
                          "RoundedUpShareLastTakesLess", 200.0, 3, { 66.67, 66.67, 66.66 } },
                      DivisaoCase { "Exact", 150.0, 3, { 50.0, 50.0, 50.0 } },
                      DivisaoCase { "One", 0.1 + 0.2, 1, { 0.3 } },
                      DivisaoCase { "None", 100.0, 0, {} }),
    [](const auto &AInfo) { return std::string(AInfo.param.Name); });

struct LinkCase
{
    const char *Name;
    const char *Reply;
    int Status;
    bool Opened;
};

std::ostream &operator<<(std::ostream &AOut, const LinkCase &ACase)
{
    return AOut << ACase.Name;
}

class OpenLinkBoletoTest : public ::testing::TestWithParam<LinkCase>
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TTituloPresenter> presenter = TBasePresenter::Create<TTituloPresenter>();
};

TEST_P(OpenLinkBoletoTest, OpensOnlyAWebAddressElseWarns)
{
    backend.on(
        "GET", "/titulo/link-boleto/31", FakeReply::text(GetParam().Reply, GetParam().Status));

    EXPECT_EQ(presenter->OpenLinkBoleto(31), GetParam().Opened);

    if (GetParam().Opened) {
        EXPECT_EQ(dialogs.openedUrls(), QList<QUrl> { QUrl(GetParam().Reply) });
        EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    } else {
        EXPECT_TRUE(dialogs.openedUrls().isEmpty());
        EXPECT_EQ(dialogs.messageTexts(),
                  QStringList { "WARNING:Não foi possível gerar o boleto impresso." });
    }
}

INSTANTIATE_TEST_SUITE_P(
    Titulo,
    OpenLinkBoletoTest,
    ::testing::Values(LinkCase { "Https", "https://boletos.example/b/31", 200, true },
                      LinkCase { "Http", "http://boletos.example/b/31", 200, true },
                      LinkCase { "Empty", "", 200, false },
                      LinkCase { "ErrorText", "ERROR:x", 200, false },
                      LinkCase { "LocalFile", "file:///etc/passwd", 200, false },
                      LinkCase { "Refused", "https://boletos.example/b/31", 404, false }),
    [](const auto &AInfo) { return std::string(AInfo.param.Name); });

TEST_F(TituloPresenterTest, RemovalIsABatchCancellationWithTheReason)
{
    backend.on("POST", "/cancelamento-financeiro/complex", FakeReply::text("ok"));

    presenter->RemoveTitulo(55, QStringLiteral("DUPLICADO"));

    const QJsonObject sent = bodyOf(backend.last("POST", "/cancelamento-financeiro/complex"));
    EXPECT_EQ(listOf(sent, "titulos"), QJsonArray { 55 });
    EXPECT_EQ(sent.value("observacao").toString(), QStringLiteral("DUPLICADO"));

    backend.clearRequests();
    EXPECT_EQ(exceptionOf([this] { presenter->RemoveTitulo(55, QStringLiteral("  ")); }),
              "WARNING:É necessário preencher o campo justificativa para prosseguir.");
    EXPECT_EQ(exceptionOf([this] { presenter->RemoveTitulo(0, QStringLiteral("DUPLICADO")); }),
              "WARNING:Campo ID não está preenchido corretamente.");
    EXPECT_EQ(backend.count("POST", "/cancelamento-financeiro/complex"), 0u);
}

TEST_F(TituloPresenterTest, SettledInstalmentIsRefusedInItsSubForm)
{
    QWidget parcelaHost;
    auto *editId = new TEdit(&parcelaHost, QStringLiteral("EditID"));
    parcelas->ManagerControls().Bind(editId, QStringLiteral("ID"));
    TMemTable &table = parcelas->DataSetInfo();
    addParcela(81, EncodeDate(2025, 1, 10), 10);
    table.Edit();
    table.FieldByName("POSSUI_BAIXA")->SetAsInteger(1);
    table.Post();
    addParcela(82, EncodeDate(2025, 2, 10), 10);

    editId->setText("81");
    EXPECT_EQ(exceptionOf([this] { parcelas->ValidControls(); }).trimmed(),
              "WARNING:A parcela possui baixa(s) e não pode ser alterada.");
    editId->setText("82");
    EXPECT_TRUE(exceptionOf([this] { parcelas->ValidControls(); }).isEmpty());
}

} // namespace

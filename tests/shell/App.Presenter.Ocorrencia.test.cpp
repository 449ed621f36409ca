#include "App.Presenter.Ocorrencia.h"

#include "App.Service.Ocorrencia.h"
#include "Common.Base.ClassInfo.h"
#include "Common.Entity.Ocorrencia.h"
#include "Common.FilterClass.Ocorrencia.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"
#include "support/FailureOf.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <ostream>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Ocorrencia, PresenterContract, TOcorrenciaPresenter);

const QString NotFound = QStringLiteral("WARNING:Informações não localizadas.");

QJsonObject presenterOcorrenciaJsonOf(const std::string &body)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(body)).object();
}

class OcorrenciaPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TOcorrenciaPresenter> presenter
        = TBasePresenter::Create<TOcorrenciaPresenter>();
};

TEST_F(OcorrenciaPresenterTest, TableListsTheOccurrenceColumnsWithTheirFormats)
{
    EXPECT_EQ(describeColumns(presenter->DataSetInfo()),
              (QStringList { "ID LargeInt 0 0000000000",
                             "ID_REGISTRO AutoInc 0 0000000000",
                             "ID_REGISTRO_FK LargeInt 0 0000000000",
                             "ID_OBJETO LargeInt 0",
                             "ID_OWNER LargeInt 0 0000000000",
                             "STATUS_CODE Integer 0",
                             "DATA_CADASTRO DateTime 0 dd/mm/yyyy hh:nn:ss",
                             "OPERACAO String 100",
                             "NOME_CLASSE String 100",
                             "USUARIO String 200",
                             "DESCRICAO_CLASSE String 200",
                             "BODY_REQUISICAO Memo 0",
                             "CONTENT_RESPOSTA Memo 0",
                             "OCORRENCIA Memo 0",
                             "OCORRENCIA_MANUAL Memo 0",
                             "IS_OCORRENCIA_MANUAL Boolean 0",
                             "IS_NOVO_REGISTRO Boolean 0",
                             "IS_REGISTRO_ALTERADO Boolean 0",
                             "IS_REGISTRO_REMOVIDO Boolean 0" }));
    EXPECT_TRUE(
        presenter->DataSetInfo().FieldByName(QStringLiteral("DATA_CADASTRO"))->ZeroDateAsEmpty());
    EXPECT_NE(presenter->filter(), nullptr);
}

TEST_F(OcorrenciaPresenterTest, EveryCallOfTheServiceWaitsTenMinutes)
{
    backend.on("GET", "/ocorrencia/3", FakeReply::json(R"({"id":3,"idObjeto":5000000000})"));
    backend.on("POST", "/ocorrencia", FakeReply::json(R"({"id":4})"));
    backend.on("GET", "/ocorrencia", FakeReply::json(R"({"listHelper":[]})"));
    TBaseService &service = *presenter->Service();
    EXPECT_EQ(service.ResourceName(), QStringLiteral("/ocorrencia"));

    EXPECT_EQ(service.findById<TOcorrenciaEntity>(3)->IdObjeto, 5000000000);
    EXPECT_EQ(service.Request().AppliedTimeout(), 600000);
    presenter->gravarOcorrenciaManual(1, QStringLiteral("x"), QStringLiteral("TPessoaEntity"));
    EXPECT_EQ(service.Request().AppliedTimeout(), 600000);
    presenter->pesquisarOcorrencias(1, QStringLiteral("TPessoaEntity"));
    EXPECT_EQ(service.Request().AppliedTimeout(), 600000);

    auto byName = TBaseService::CreateService(QStringLiteral("TOcorrenciaService"));
    ASSERT_NE(byName, nullptr);
    byName->ClearRequest();
    EXPECT_EQ(byName->Request().Timeout(), 600000);
    EXPECT_NE(TClassRegistry::FindClass(QStringLiteral("TOcorrenciaEntity")), nullptr);
}

TEST_F(OcorrenciaPresenterTest, ManualOccurrenceIsPostedAsAPostWithStatus200)
{
    backend.on("POST", "/ocorrencia", FakeReply::json(R"({"id":88,"idObjeto":5000000001})"));
    presenter->gravarOcorrenciaManual(5000000001,
                                      QStringLiteral("Cliente pediu a exclusão.\r\nSegunda linha"),
                                      QStringLiteral("TContratoComplexPost"));

    const QJsonObject body = presenterOcorrenciaJsonOf(backend.last("POST", "/ocorrencia")->body);
    EXPECT_EQ(body.value("idObjeto").toInteger(), 5000000001);
    EXPECT_EQ(body.value("nomeClasse").toString(), QStringLiteral("TContratoComplexPost"));
    EXPECT_EQ(body.value("operacao").toString(), QStringLiteral("POST"));
    EXPECT_EQ(body.value("statusCode").toInt(), 200);
    EXPECT_EQ(body.value("isOcorrenciaManual").toBool(false), true);
    EXPECT_EQ(body.value("ocorrenciaManual").toString(),
              QStringLiteral("Cliente pediu a exclusão.\r\nSegunda linha"));
    EXPECT_EQ(body.value("bodyRequisicao").toString(), QString());
    EXPECT_EQ(body.value("nameClass").toString(), QStringLiteral("TOcorrenciaEntity"));
}

TEST_F(OcorrenciaPresenterTest, RefusedManualOccurrenceRaisesTheReply)
{
    backend.on("POST", "/ocorrencia", FakeReply::text("ERROR:Objeto inexistente.", 400));
    EXPECT_EQ(FailureOf([&] {
                  presenter->gravarOcorrenciaManual(1, QStringLiteral("x"), QStringLiteral("T"));
              }),
              QStringLiteral("ERROR:Objeto inexistente."));
}

TEST_F(OcorrenciaPresenterTest, OccurrencesOfARecordAreAskedByIdAndClassAndRenderedAsOneText)
{
    backend.on(
        "GET",
        "/ocorrencia",
        FakeReply::json(R"({"total":3,"pages":1,"listHelper":[)"
                        R"({"id":1,"dataCadastro":"2024-03-15T09:05:07.000Z","usuario":"ANA",)"
                        R"("ocorrencia":"Registro criado","ocorrenciaManual":"nunca mostrado"},)"
                        R"({"id":2,"dataCadastro":"2024-03-16T18:30:00.000Z","usuario":"BIA",)"
                        R"("ocorrencia":"Motivo: pedido\r\ndo cliente","isOcorrenciaManual":true},)"
                        R"({"id":3,"dataCadastro":"2024-12-01T00:00:59.000Z","usuario":"CAIO",)"
                        R"("ocorrencia":"Removido"}]})"));

    const QString text = presenter->pesquisarOcorrencias(42, QStringLiteral("TPessoaEntity"));

    const RecordedRequest get = *backend.last("GET", "/ocorrencia");
    EXPECT_EQ(get.param("page"), "1");
    EXPECT_EQ(get.param("limit"), "100");
    EXPECT_FALSE(get.hasParam("search"));
    EXPECT_FALSE(get.hasParam("fix-filter"));
    const QJsonObject filter = presenterOcorrenciaJsonOf(get.body);
    EXPECT_EQ(filter.value("idObjeto").toString(), QStringLiteral("42#42"));
    EXPECT_EQ(filter.value("idNomeClasse").toString(),
              QStringLiteral("TPessoaEntity#TPessoaEntity"));

    const QString dashes(52, u'-');
    EXPECT_EQ(text,
              QStringLiteral("Data e horário da ocorrência: 15/03/2024 09:05:07\r\n"
                             "Usuário: ANA\r\n"
                             "Manual? Não\r\n"
                             "********OCORRÊNCIA********\r\n"
                             "Registro criado\r\n")
                  + dashes
                  + QStringLiteral("\r\n"
                                   "Data e horário da ocorrência: 16/03/2024 18:30:00\r\n"
                                   "Usuário: BIA\r\n"
                                   "Manual? Sim\r\n"
                                   "********OCORRÊNCIA********\r\n"
                                   "Motivo: pedido\r\ndo cliente\r\n")
                  + dashes
                  + QStringLiteral("\r\n"
                                   "Data e horário da ocorrência: 01/12/2024 00:00:59\r\n"
                                   "Usuário: CAIO\r\n"
                                   "Manual? Não\r\n"
                                   "********OCORRÊNCIA********\r\n"
                                   "Removido"));
    EXPECT_EQ(text.count(QStringLiteral("\r\n") + dashes + QStringLiteral("\r\n")), 2);
}

TEST_F(OcorrenciaPresenterTest, OneOccurrenceHasNoSeparatorAndAnEmptyListGivesAnEmptyText)
{
    backend.on("GET",
               "/ocorrencia",
               FakeReply::json(R"({"listHelper":[{"id":1,"usuario":"ANA","ocorrencia":"Um"}]})"));
    const QString one = presenter->pesquisarOcorrencias(1, QStringLiteral("T"));
    EXPECT_FALSE(one.contains(u'-')) << one.toStdString();
    EXPECT_TRUE(one.endsWith(QStringLiteral("********OCORRÊNCIA********\r\nUm")));

    backend.on("GET", "/ocorrencia", FakeReply::json(R"({"total":0,"listHelper":[]})"));
    EXPECT_EQ(presenter->pesquisarOcorrencias(1, QStringLiteral("T")), QString());
}

struct SearchFailureCase
{
    const char *name;
    int status;
    const char *body;
};

void PrintTo(const SearchFailureCase &row, std::ostream *os)
{
    *os << row.name;
}

class OcorrenciaSearchFailureTest : public OcorrenciaPresenterTest,
                                    public ::testing::WithParamInterface<SearchFailureCase>
{
};

TEST_P(OcorrenciaSearchFailureTest, EveryFailureBecomesInformationNotFound)
{
    const SearchFailureCase &row = GetParam();
    backend.on("GET", "/ocorrencia", FakeReply::json(row.body, row.status));
    EXPECT_EQ(FailureOf([&] { presenter->pesquisarOcorrencias(1, QStringLiteral("T")); }),
              NotFound);
}

const SearchFailureCase searchFailureCases[] = {
    { "NotModified", 304, "" },
    { "ErrorStatus", 500, "ERROR:Falha interna." },
    { "ReplyNotJson", 200, "<html>proxy</html>" },
    { "NoListHelper", 200, R"({"total":0})" },
    { "WrongMemberType", 200, R"({"listHelper":[{"dataCadastro":{"x":1}}]})" },
};

INSTANTIATE_TEST_SUITE_P(Replies,
                         OcorrenciaSearchFailureTest,
                         ::testing::ValuesIn(searchFailureCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(OcorrenciaSearchTransportTest, UnreachableServerBecomesInformationNotFound)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeConnection fake(*backend);
    auto presenter = TBasePresenter::Create<TOcorrenciaPresenter>();
    // A token first, so that the search itself is what meets the closed port.
    TServiceConnection::GetInstance().ForceNewTokenAuthentication();
    backend.reset();
    EXPECT_EQ(FailureOf([&] { presenter->pesquisarOcorrencias(1, QStringLiteral("T")); }),
              NotFound);
}

TEST_F(OcorrenciaPresenterTest, ListRowsLandInTheTableWithTheirBigIdsAndTheFilterAsBody)
{
    backend.on(
        "GET",
        "/ocorrencia",
        FakeReply::json(
            R"({"total":1,"pages":1,"listHelper":[{"id":9,"idObjeto":5000000000,)"
            R"("idOwner":3000000000,"statusCode":204,"dataCadastro":"2024-03-15T09:05:07.000Z",)"
            R"("operacao":"DELETE","nomeClasse":"TPessoaEntity","usuario":"ANA",)"
            R"("descricaoClasse":"Pessoas","ocorrencia":"Removido","isRegistroRemovido":true}]})"));
    static_cast<TOcorrenciaFilterClass *>(presenter->FilterClass())->SomenteDelete
        = QStringLiteral("-1#SIM");
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    presenter->findByFilterToDataSet();

    EXPECT_EQ(presenterOcorrenciaJsonOf(backend.last("GET", "/ocorrencia")->body)
                  .value("somenteDelete")
                  .toString(),
              QStringLiteral("-1#SIM"));
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 1);
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_OBJETO"))->AsLargeInt(), 5000000000);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_OWNER"))->AsLargeInt(), 3000000000);
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_OWNER"))->DisplayText(),
              QStringLiteral("3000000000"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("STATUS_CODE"))->AsLargeInt(), 204);
    EXPECT_EQ(table.FieldByName(QStringLiteral("DATA_CADASTRO"))->DisplayText(),
              QStringLiteral("15/03/2024 09:05:07"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("DESCRICAO_CLASSE"))->AsString(),
              QStringLiteral("Pessoas"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("OCORRENCIA"))->AsString(),
              QStringLiteral("Removido"));
    EXPECT_TRUE(table.FieldByName(QStringLiteral("IS_REGISTRO_REMOVIDO"))->AsBoolean());
    EXPECT_FALSE(table.FieldByName(QStringLiteral("IS_NOVO_REGISTRO"))->AsBoolean());
}

struct ReasonCase
{
    const char *name;
    const char *text;
    bool accepted;
};

void PrintTo(const ReasonCase &row, std::ostream *os)
{
    *os << row.name;
}

class ManualReasonTest : public ::testing::TestWithParam<ReasonCase>
{
};

TEST_P(ManualReasonTest, AReasonMustSaySomething)
{
    const ReasonCase &row = GetParam();
    const QString message = FailureOf(
        [&] { TOcorrenciaPresenter::validarOcorrenciaManual(QString::fromUtf8(row.text)); });
    if (row.accepted)
        EXPECT_EQ(message, QString());
    else
        EXPECT_EQ(message,
                  QStringLiteral("WARNING:É necessário preencher o campo ocorrência manual para "
                                 "prosseguir."));
}

const ReasonCase reasonCases[] = {
    { "Empty", "", false },
    { "Blanks", "    ", false },
    { "EmptyLines", "\r\n\r\n", false },
    { "TabsAndBlankLines", " \t\r\n \r\n", false },
    { "Text", "Cliente desistiu", true },
    { "TextAmongBlanks", "\r\n  ok  \r\n", true },
};

INSTANTIATE_TEST_SUITE_P(Texts,
                         ManualReasonTest,
                         ::testing::ValuesIn(reasonCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

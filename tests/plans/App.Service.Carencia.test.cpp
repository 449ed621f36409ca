#include "App.Service.Carencia.h"
#include "App.Service.ItemCarencia.h"
#include "Common.Dto.ItemCarencia.h"
#include "Common.Dto.TextoCarencia.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

class CarenciaServiceTest : public ::testing::Test
{
protected:
    // The message the text request raised; empty when it raised nothing.
    QString failureOf(std::int64_t AIdPessoa, std::int64_t AIdContrato)
    {
        try {
            service.GetTextoCarencia(AIdPessoa, AIdContrato);
        } catch (const Exception &failure) {
            return failure.Message();
        }
        return QString();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    TCarenciaService service;
};

// The person's id wins whenever it is above 0; "is-by-pessoa" says which one the path carries.
struct TextoCase
{
    const char *name;
    std::int64_t idPessoa;
    std::int64_t idContrato;
    const char *path;
    const char *isByPessoa;
};

void PrintTo(const TextoCase &row, std::ostream *out)
{
    *out << row.name;
}

class TextoCarenciaPathTest : public CarenciaServiceTest,
                              public ::testing::WithParamInterface<TextoCase>
{
};

TEST_P(TextoCarenciaPathTest, AsksForThePersonOrTheContract)
{
    const TextoCase &row = GetParam();
    backend.on("GET",
               row.path,
               FakeReply::json(R"({"id":0,"texto":"Carência de 90 dias","porcentagem":50.5,)"
                               R"("idItemCarencia":12345678901,"nomeCarenciaAplicada":"PADRÃO"})"));
    service.SetTimeOut(5);
    const std::unique_ptr<TTextoCarenciaDto> texto
        = service.GetTextoCarencia(row.idPessoa, row.idContrato);

    const auto request = backend.last("GET", row.path);
    ASSERT_TRUE(request) << "nothing asked at " << row.path;
    EXPECT_EQ(request->param("is-by-pessoa"), row.isByPessoa);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_TRUE(request->body.empty());
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    ASSERT_TRUE(texto);
    EXPECT_EQ(texto->Texto, QStringLiteral("Carência de 90 dias"));
    EXPECT_DOUBLE_EQ(texto->Porcentagem, 50.5);
    EXPECT_EQ(texto->IdItemCarencia, 12345678901);
    EXPECT_EQ(texto->NomeCarenciaAplicada, QStringLiteral("PADRÃO"));
}

INSTANTIATE_TEST_SUITE_P(
    Ids,
    TextoCarenciaPathTest,
    ::testing::Values(
        TextoCase { "PersonAndContract", 5, 9, "/carencia/texto-carencia/5", "-1" },
        TextoCase { "ContractOnly", 0, 9, "/carencia/texto-carencia/9", "0" },
        TextoCase { "Neither", 0, 0, "/carencia/texto-carencia/0", "0" },
        TextoCase { "NegativePerson", -3, 9, "/carencia/texto-carencia/9", "0" },
        TextoCase { "LargePerson", 12345678901, 0, "/carencia/texto-carencia/12345678901", "-1" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CarenciaServiceTest, TheTextRequestKeepsItsTimeOutToItself)
{
    backend.on("GET", "/carencia/texto-carencia/9", FakeReply::json(R"({"texto":""})"));
    backend.on("GET", "/carencia/1", FakeReply::json(R"({"id":1})"));
    service.GetTextoCarencia(0, 9);
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    service.findById<TTextoCarenciaDto>(1);
    EXPECT_EQ(service.Request().AppliedTimeout(), TBaseService::DefaultTimeOut);
}

// Only a 200 reply is an answer: an error body must never reach a label as the text.
TEST_F(CarenciaServiceTest, AnyOtherStatusRaisesTheReplyText)
{
    const char *path = "/carencia/texto-carencia/9";
    backend.on(
        "GET",
        path,
        FakeReply::json(R"({"texto":"falha interna","message":"ERROR:Falha ao calcular."})", 500));
    EXPECT_EQ(failureOf(0, 9), QStringLiteral("ERROR:Falha ao calcular."));
    backend.on("GET", path, FakeReply::text("WARNING:Contrato não localizado.", 404));
    EXPECT_EQ(failureOf(0, 9), QStringLiteral("WARNING:Contrato não localizado."));
    backend.on("GET", path, FakeReply::json(R"({"texto":"parcial"})", 206));
    EXPECT_FALSE(failureOf(0, 9).isEmpty()) << "a partial reply is no answer either";
}

TEST_F(CarenciaServiceTest, ReplyWithoutAnObjectIsTheStructureError)
{
    const char *path = "/carencia/texto-carencia/9";
    for (const FakeReply &reply : { FakeReply::json("", 200),
                                    FakeReply::text("sem json", 200),
                                    FakeReply::json("[]", 200) }) {
        backend.on("GET", path, reply);
        EXPECT_EQ(failureOf(0, 9), TDravikJson::StructureErrorText()) << reply.body;
    }
}

TEST_F(CarenciaServiceTest, ItemsOfARuleAreReadByTheRuleId)
{
    TItemCarenciaService items;
    const char *path = "/item-carencia/carencia/12345678901";
    backend.on("GET",
               path,
               FakeReply::json(R"x({"total":1,"pages":1,"listHelper":[{"id":7,)x"
                               R"x("listaParentesco":2,"idCarencia":12345678901,)x"
                               R"x("faixaEtaria":18,"diasCarencia":180,"percentual":50,)x"
                               R"x("descricao":"FILHO(A)"}]})x"));
    std::optional<TObjectList<TItemCarenciaDto>> rows = items.fillItemCarencia(12345678901);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front()->DiasCarencia, 180);
    EXPECT_EQ(rows->front()->Descricao, QStringLiteral("FILHO(A)"));
    EXPECT_EQ(backend.last("GET", path)->param("limit"), "100");

    backend.on("GET", path, FakeReply::empty(304));
    EXPECT_FALSE(items.fillItemCarencia(12345678901)) << "304: no list";
    backend.on("GET", path, FakeReply::text("ERROR:Falha.", 500));
    EXPECT_THROW(items.fillItemCarencia(12345678901), Exception)
        << "a failed read must not look like a rule without items";
}

} // namespace

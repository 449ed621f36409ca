#include "App.Service.Pessoa.h"
#include "Common.ComplexPost.Pessoa.h"
#include "Common.Dto.Pessoa.h"
#include "Common.Lib.JSON.h"

#include "JsonValue.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class PessoaServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    TPessoaService service;
};

TEST_F(PessoaServiceTest, EveryCallWaitsTenMinutesAndTheHolderSearchHalfAMinute)
{
    backend.on("GET", "/pessoa/5", FakeReply::json(R"({"id":5})"));
    backend.on("GET", "/pessoa", FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
    backend.on("POST", "/pessoa", FakeReply::json(R"({"id":6})"));
    backend.on("POST", "/pessoa/complex", FakeReply::json(R"({"id":7})"));
    backend.on("DELETE", "/pessoa", FakeReply::empty(204));
    backend.on("GET", "/pessoa/titular-atual/9", FakeReply::json("{}", 404));

    const std::vector<std::pair<const char *, std::function<void()>>> calls {
        { "findById", [&] { service.findById<TPessoaEntity>(5); } },
        { "findByFilter", [&] { service.findByFilter<TPessoaDto>({}, {}, 1, 10); } },
        { "post", [&] { service.post(TPessoaEntity()); } },
        { "postComplex", [&] { service.postComplex(TPessoaComplexPost()); } },
        { "deleteItems",
          [&] { service.deleteItems({ 5 }, QStringLiteral("TPessoaComplexPost")); } },
    };
    for (const auto &[name, call] : calls) {
        service.SetTimeOut(5);
        call();
        EXPECT_EQ(service.Request().AppliedTimeout(), 600000) << name;
    }
    service.findTitularAtualByDependente(9);
    EXPECT_EQ(service.Request().AppliedTimeout(), 30000);
    service.findById<TPessoaEntity>(5);
    EXPECT_EQ(service.Request().AppliedTimeout(), 600000)
        << "the holder's time-out was this call's";
}

TEST_F(PessoaServiceTest, CurrentHolderComesWithItsFlagAndAnyOtherStatusGivesNothing)
{
    const char *path = "/pessoa/titular-atual/12345678901";
    backend.on("GET", path, FakeReply::json(R"({"true":{"id":44,"nome":"ANA","cpfCnpj":"1"}})"));
    std::optional<TTitularAtual> titular = service.findTitularAtualByDependente(12345678901);
    ASSERT_TRUE(titular);
    EXPECT_TRUE(titular->AtualizarParentesco);
    ASSERT_TRUE(titular->Pessoa);
    EXPECT_EQ(titular->Pessoa->Id, 44);
    EXPECT_EQ(titular->Pessoa->Nome, QStringLiteral("ANA"));
    const auto request = backend.last("GET", path);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");

    backend.on("GET", path, FakeReply::json(R"({"false":{"id":45}})"));
    titular = service.findTitularAtualByDependente(12345678901);
    ASSERT_TRUE(titular);
    EXPECT_FALSE(titular->AtualizarParentesco);
    EXPECT_EQ(titular->Pessoa->Id, 45);

    for (const FakeReply &reply :
         { FakeReply::json(R"({"message":"WARNING:Contrato não localizado."})", 404),
           FakeReply::text("ERROR:falha", 500),
           FakeReply::empty(204) }) {
        backend.on("GET", path, reply);
        EXPECT_NO_THROW(EXPECT_FALSE(service.findTitularAtualByDependente(12345678901)))
            << reply.status;
    }
}

TEST_F(PessoaServiceTest, CurrentHolderOfAnotherShapeIsAStructureError)
{
    const char *path = "/pessoa/titular-atual/3";
    for (const char *body : { "sem json",
                              "{}",
                              R"({"talvez":{"id":1}})",
                              R"({"true":null})",
                              R"({"true":{"id":1},"false":{"id":2}})" }) {
        backend.on("GET", path, FakeReply::json(body));
        try {
            service.findTitularAtualByDependente(3);
            ADD_FAILURE() << body;
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), TDravikJson::StructureErrorText()) << body;
        }
    }
}

// The aggregate as the back end receives it: the person, then every child list in its wrapper,
// the lists of removed ids, and the photo removal mark.
TEST_F(PessoaServiceTest, AggregateBodyCarriesTheChildListsAndTheRemovedIds)
{
    backend.on("POST",
               "/pessoa/complex",
               FakeReply::json(R"({"id":90,"nome":"ANA","enderecos":{"listHelper":[)"
                               R"({"id":91,"idLogradouro":12345678901,"numero":"10"}]}})"));
    TPessoaComplexPost pessoa;
    pessoa.Nome = QStringLiteral("ANA");
    pessoa.ListaTipoPessoa = 12345678901;
    auto endereco = std::make_unique<TEnderecoEntity>();
    endereco->IdLogradouro = 12345678901;
    endereco->Numero = QStringLiteral("10");
    pessoa.Enderecos->push_back(std::move(endereco));
    pessoa.Contatos->push_back(std::make_unique<TContatoEntity>());
    *pessoa.RemoveEnderecos = { 41, 0 };
    pessoa.RemoverFoto = true;

    const std::unique_ptr<TPessoaComplexPost> saved = service.postComplex(pessoa);
    EXPECT_EQ(saved->Id, 90);
    ASSERT_EQ(saved->Enderecos->size(), 1u);
    EXPECT_EQ((*saved->Enderecos)[0]->IdLogradouro, 12345678901);

    const TJsonValue body = TJsonValue::Parse(backend.last("POST", "/pessoa/complex")->body);
    EXPECT_EQ(body.Names().mid(0, 8),
              QStringList({ "enderecos",
                            "removeEnderecos",
                            "contatos",
                            "removeContatos",
                            "removePessoaIntegracaoApis",
                            "pessoaIntegracaoApis",
                            "removerFoto",
                            "nome" }));
    EXPECT_EQ(body["listaTipoPessoa"].AsInt64(), 12345678901);
    EXPECT_EQ(body["removeEnderecos"].ToJson(), QStringLiteral(R"({"listHelper":[41,0]})"));
    EXPECT_EQ(body["removeContatos"].ToJson(), QStringLiteral(R"({"listHelper":[]})"));
    EXPECT_EQ(body["pessoaIntegracaoApis"].ToJson(), QStringLiteral(R"({"listHelper":[]})"));
    EXPECT_EQ(body["contatos"]["listHelper"].Count(), 1u);
    const TJsonValue sent = body["enderecos"]["listHelper"].Elements().at(0);
    EXPECT_EQ(sent["idLogradouro"].AsInt64(), 12345678901);
    EXPECT_EQ(sent["nameClass"].AsString(), QStringLiteral("TEnderecoEntity"));
    EXPECT_TRUE(body["removerFoto"].AsBoolean());
    EXPECT_EQ(body["nameClass"].AsString(), QStringLiteral("TPessoaComplexPost"));
}

TEST_F(PessoaServiceTest, ClearEmptiesEveryListAndKeepsThePhoto)
{
    TPessoaComplexPost pessoa;
    TDravikJson::JsonStringToObject(
        QStringLiteral(R"({"id":3,"nome":"ANA","foto":"iVBO","removerFoto":true,)"
                       R"("enderecos":{"listHelper":[{"id":1}]},"contatos":null,)"
                       R"("removeEnderecos":{"listHelper":[4]}})"),
        pessoa);
    ASSERT_EQ(pessoa.Enderecos->size(), 1u);
    ASSERT_FALSE(pessoa.Contatos) << "null empties the list";

    pessoa.Clear();
    EXPECT_EQ(pessoa.Id, 0);
    EXPECT_TRUE(pessoa.Nome.isEmpty());
    EXPECT_EQ(pessoa.Foto, QStringLiteral("iVBO"));
    EXPECT_FALSE(pessoa.RemoverFoto);
    const TJsonValue body = TJsonValue::Parse(pessoa.AsJson());
    for (const char *list : { "enderecos",
                              "removeEnderecos",
                              "contatos",
                              "removeContatos",
                              "removePessoaIntegracaoApis",
                              "pessoaIntegracaoApis" })
        EXPECT_EQ(body[list].ToJson(), QStringLiteral(R"({"listHelper":[]})")) << list;
}

} // namespace

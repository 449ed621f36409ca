#include "App.Lib.CEP.h"
#include "App.Lib.ForcaSenha.h"
#include "App.Lib.Service.Login.h"
#include "Common.Dto.Empresa.h"
#include "App.Service.Bairro.h"
#include "App.Service.Logradouro.h"
#include "App.Service.Municipio.h"
#include "App.Service.UnidadeFederativa.h"
#include "Common.Dto.Bairro.h"
#include "Common.Dto.Logradouro.h"
#include "Common.Dto.Municipio.h"
#include "Common.Dto.UnidadeFederativa.h"
#include "Common.Entity.Bairro.h"
#include "Common.Entity.Municipio.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One search of a geography record as a caller makes it, and the record's class and id.
struct BuscaCase
{
    const char *name;
    std::function<std::unique_ptr<TSerializeObject>()> find;
    const char *path;
    const char *search; // null: no "search" at all
    const char *recordClass;
};
void PrintTo(const BuscaCase &row, std::ostream *os)
{
    *os << row.name;
}

class GeografiaTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
};

class BuscaTest : public GeografiaTest, public ::testing::WithParamInterface<BuscaCase>
{
};

TEST_P(BuscaTest, AsksTheKeyInTheQueryAndGivesTheRecord)
{
    const BuscaCase &c = GetParam();
    backend.on("GET", c.path, FakeReply::json(R"({"id":12,"nome":"X"})"));

    const std::unique_ptr<TSerializeObject> record = c.find();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ClassInfo().Name(), QLatin1String(c.recordClass));
    EXPECT_EQ(record->ClassInfo().FindProperty(u"Id")->GetValue(*record), TValue(std::int64_t(12)));

    const auto request = backend.last("GET", c.path);
    ASSERT_TRUE(request);
    if (c.search)
        EXPECT_EQ(request->param("search"), c.search);
    else
        EXPECT_FALSE(request->hasParam("search"));
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_FALSE(request->hasParam("fix-filter"));
    EXPECT_TRUE(request->body.empty());
}

TEST_P(BuscaTest, PlainTextReplyRaisesItsTextAndIdZeroComesBackAsItIs)
{
    const BuscaCase &c = GetParam();
    backend.on("GET", c.path, FakeReply::text("WARNING:Registro não localizado.", 404));
    try {
        c.find();
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Registro não localizado."));
    }

    backend.on("GET", c.path, FakeReply::json(R"({"id":0})"));
    const std::unique_ptr<TSerializeObject> record = c.find();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->ClassInfo().FindProperty(u"Id")->GetValue(*record), TValue(std::int64_t(0)));
}

const BuscaCase buscaCases[] = {
    { "Sigla",
      [] { return TUnidadeFederativaService().FindBySigla(QStringLiteral("sp")); },
      "/unidade-federativa/pesquisa-sigla/",
      "SP",
      "TUnidadeFederativaDto" },
    { "MunicipioUFAccented",
      [] {
          return TMunicipioService().FindByMunicipioUF(QStringLiteral("são paulo"),
                                                       QStringLiteral("sp"));
      },
      "/municipio/pesquisa-municipio/",
      "SÃO PAULO,SP",
      "TMunicipioDto" },
    { "BairroMunicipioUF",
      [] {
          return TBairroService().FindByBairroMunicipioUF(
              QStringLiteral("Jardim Ângela"), QStringLiteral("São Paulo"), QStringLiteral("sp"));
      },
      "/bairro/pesquisa-bairro/",
      "JARDIM ÂNGELA,SÃO PAULO,SP",
      "TBairroDto" },
    { "CepUnchanged",
      [] { return TLogradouroService().FindByCep(QStringLiteral("13010-abc")); },
      "/logradouro/pesquisa-logradouro/",
      "13010-abc",
      "TLogradouroDto" },
    { "MunicipioDaEmpresa",
      [] { return TMunicipioService().FindByIdEmpresa(12345678901); },
      "/municipio/empresa/12345678901",
      nullptr,
      "TMunicipioEntity" },
    { "MunicipioDaPessoa",
      [] { return TMunicipioService().FindByIdPessoa(7); },
      "/municipio/pessoa/7",
      nullptr,
      "TMunicipioEntity" },
};
INSTANTIATE_TEST_SUITE_P(Buscas, BuscaTest, ::testing::ValuesIn(buscaCases), [](const auto &info) {
    return std::string(info.param.name);
});

TEST_F(GeografiaTest, SearchesRunWithTheDefaultTimeOut)
{
    backend.on("GET", "/logradouro/pesquisa-logradouro/", FakeReply::json(R"({"id":1})"));
    TLogradouroService service;
    service.SetTimeOut(5);
    service.FindByCep(QStringLiteral("01310100"));
    EXPECT_EQ(service.Request().AppliedTimeout(), TBaseService::DefaultTimeOut);
}

// The stand-in back end with the repository's seed: the geography records are found by their
// natural keys, carry the names their lists show, and the postal-code service answers there too.
class GeografiaDemoTest : public ::testing::Test
{
protected:
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };

    void SetUp() override
    {
        demo.writeConfig(fake.folder());
        TServiceConnection::ResetInstance();
        TLoginService().Logar(QStringLiteral("demo"), DigestSenha(QStringLiteral("demo1234")));
    }
};

TEST_F(GeografiaDemoTest, FindsTheSeededStreetDownToItsStateByNaturalKeys)
{
    auto uf = TUnidadeFederativaService().FindBySigla(QStringLiteral("sp"));
    EXPECT_EQ(static_cast<TUnidadeFederativaDto &>(*uf).Nome, QStringLiteral("SÃO PAULO"));

    auto cidade
        = TMunicipioService().FindByMunicipioUF(QStringLiteral("são paulo"), QStringLiteral("sp"));
    EXPECT_EQ(static_cast<TMunicipioDto &>(*cidade).Uf, QStringLiteral("SP"));

    auto bairro = TBairroService().FindByBairroMunicipioUF(
        QStringLiteral("Bela Vista"), QStringLiteral("São Paulo"), QStringLiteral("SP"));
    EXPECT_EQ(static_cast<TBairroDto &>(*bairro).Municipio, QStringLiteral("SÃO PAULO"));

    auto rua = TLogradouroService().FindByCep(QStringLiteral("01310100"));
    const auto &logradouro = static_cast<TLogradouroDto &>(*rua);
    EXPECT_EQ(logradouro.Logradouro, QStringLiteral("AVENIDA PAULISTA"));
    EXPECT_EQ(logradouro.Bairro, QStringLiteral("BELA VISTA"));
    EXPECT_EQ(logradouro.Uf, QStringLiteral("SP"));
    EXPECT_GT(logradouro.Id, 0);

    // The company's city, through the company's person and its billing address.
    EXPECT_EQ(TMunicipioService().FindByIdEmpresa(1)->Nome, QStringLiteral("SÃO PAULO"));
    EXPECT_EQ(TMunicipioService().FindByIdPessoa(2)->Id, cidade->Id);

    try {
        TLogradouroService().FindByCep(QStringLiteral("30130010"));
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Informações não localizadas."));
    }
}

TEST_F(GeografiaDemoTest, ListsShowTheNamesOfEachLevelAlsoForASavedRecord)
{
    TBairroService service;
    // A neighbourhood saved as its window saves it: the city's id and the name only.
    TBairroEntity bairro;
    bairro.IdMunicipio = 1;
    bairro.Descricao = QStringLiteral("CONSOLAÇÃO");
    service.post(bairro);

    const auto rows = service.findByFilter<TBairroDto>(QStringLiteral("CONSOLAÇÃO"), {}, 1, 10);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0]->Bairro, QStringLiteral("CONSOLAÇÃO"));
    EXPECT_EQ((*rows)[0]->Municipio, QStringLiteral("SÃO PAULO"));
    EXPECT_EQ((*rows)[0]->Uf, QStringLiteral("SP"));
    EXPECT_EQ(service.findPesquisaById<TBairroDto>((*rows)[0]->Id, QString())->Uf,
              QStringLiteral("SP"));
}

TEST_F(GeografiaDemoTest, PostalCodeServiceAnswersTheSeededCodeOnly)
{
    const std::unique_ptr<TCEP> cep = TCEP::Search(QStringLiteral("30130010"));
    EXPECT_EQ(cep->Localidade, QStringLiteral("Belo Horizonte"));
    EXPECT_EQ(cep->Uf, QStringLiteral("MG"));
    try {
        TCEP::Search(QStringLiteral("01310100"));
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:A informação de CEP não foi localizada."));
    }
}

} // namespace

#include "App.Base.Service.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.ListaSistema.h"
#include "Common.Entity.ListaSistema.h"

#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class TUnidadeFederativaService final : public TBaseService
{
public:
    TUnidadeFederativaService()
        : TBaseService(QStringLiteral("TUnidadeFederativaService"))
    { }
};

// A service whose calls all take long, as the report and import services do.
class TLongService final : public TBaseService
{
public:
    TLongService()
        : TBaseService(QStringLiteral("TLongService"))
    { }
    int beforeRequestCalls = 0;

protected:
    void BeforeRequest() override
    {
        ++beforeRequestCalls;
        SetTimeOut(600000);
    }
};

class TFiltroUf final : public TBaseFilterClass
{
    ZUNTA_CLASS(TFiltroUf)

    QString Uf;
};
BOOST_DESCRIBE_STRUCT(TFiltroUf, (TBaseFilterClass), (Uf))
ZUNTA_DEFINE_CLASS(TFiltroUf)

struct ResourceCase
{
    const char *name;
    const char *className;
    const char *resource;
};

void PrintTo(const ResourceCase &row, std::ostream *os)
{
    *os << row.name;
}

class ServiceResourceNameTest : public ::testing::TestWithParam<ResourceCase>
{
};

TEST_P(ServiceResourceNameTest, DerivesThePathFromTheClassName)
{
    const TBaseService service(QString::fromUtf8(GetParam().className));
    EXPECT_EQ(service.ResourceName(), QString::fromUtf8(GetParam().resource));
}

const ResourceCase resourceCases[] = {
    { "TwoWords", "TUnidadeFederativaService", "/unidade-federativa" },
    { "ListaSistema", "TListaSistemaService", "/lista-sistema" },
    { "OneWord", "TBancoService", "/banco" },
    { "ServicoIsNotService", "TOrdemServicoService", "/ordem-servico" },
    { "OnlyTheFirstServiceGoes", "TServiceTaxaService", "/taxa-service" },
    { "NoServiceInTheName", "TLogin", "/login" },
};
INSTANTIATE_TEST_SUITE_P(BaseService,
                         ServiceResourceNameTest,
                         ::testing::ValuesIn(resourceCases),
                         [](const auto &info) { return std::string(info.param.name); });

class BaseServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend, "/", "/api/" };
    TUnidadeFederativaService service;

    static QString text(const char *utf8) { return QString::fromUtf8(utf8); }

    // The message of the exception the call raises; fails the test when none.
    template<class F>
    QString messageOf(F &&call)
    {
        try {
            call();
        } catch (const Exception &e) {
            return e.Message();
        }
        ADD_FAILURE() << "no exception";
        return {};
    }
};

TEST_F(BaseServiceTest, FindByIdSendsAPagedGetAndReadsTheReply)
{
    backend.on("GET",
               "/api/unidade-federativa/15",
               FakeReply::json(R"({"id":15,"codigo":"SP","descricao":"São Paulo","outro":1})"));
    const std::unique_ptr<TListaSistemaDto> row = service.findById<TListaSistemaDto>(15);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Id, 15);
    EXPECT_EQ(row->Descricao, text("São Paulo"));
    EXPECT_EQ(service.StatusCode(), 200);

    const RecordedRequest get = *backend.last("GET", "/api/unidade-federativa/15");
    EXPECT_EQ(get.header("X-Paginate"), "true");
    EXPECT_EQ(
        get.query,
        (std::vector<std::pair<std::string, std::string>> { { "page", "1" }, { "limit", "100" } }));
    EXPECT_EQ(get.body, "");
    EXPECT_EQ(get.header("Accept-Encoding"), "gzip");
    EXPECT_EQ(get.header("Authorization")->rfind("Bearer ", 0), 0u);
}

TEST_F(BaseServiceTest, FindByIdRaisesTheMessageOfAFailedReadAndKeepsItsStatus)
{
    backend.on("GET",
               "/api/unidade-federativa/9",
               FakeReply::json(R"({"message":"ERROR:Não encontrado.","id":0,"codigo":"X"})", 404));
    EXPECT_EQ(messageOf([&] { service.findById<TListaSistemaDto>(9); }),
              text("ERROR:Não encontrado."));
    EXPECT_EQ(service.StatusCode(), 404);

    backend.on("GET", "/api/unidade-federativa/9", FakeReply::text("ERROR:Falha interna.", 500));
    EXPECT_EQ(messageOf([&] { service.findById<TListaSistemaDto>(9); }),
              text("ERROR:Falha interna."));
    EXPECT_EQ(service.StatusCode(), 500);
}

TEST_F(BaseServiceTest, ARecordWithMembersNamedLikeThePageTotalsIsReadAsItStands)
{
    backend.on("GET",
               "/api/unidade-federativa",
               FakeReply::json(R"({"total":7,"pages":1,"listHelper":[]})"));
    service.findByFilter<TListaSistemaDto>(QString(), QString(), 1, 20);
    backend.on("GET",
               "/api/unidade-federativa/4",
               FakeReply::json(R"({"id":4,"total":"12,50","pages":2.5,"codigo":"T"})"));
    const auto row = service.findById<TListaSistemaDto>(4);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->Codigo, text("T"));
    EXPECT_EQ(service.TotalRecords(), 7);
    EXPECT_EQ(service.TotalPages(), 1);
}

TEST_F(BaseServiceTest, FindPesquisaByIdSendsSearchAndFixFilterOnlyWhenGiven)
{
    backend.on("GET", "/api/unidade-federativa/pesquisa/3", FakeReply::json(R"({"id":3})"));
    service.findPesquisaById<TListaSistemaDto>(3, text("UF"));
    auto get = *backend.last("GET", "/api/unidade-federativa/pesquisa/3");
    EXPECT_EQ(get.param("fix-filter"), "UF");
    EXPECT_FALSE(get.hasParam("search"));
    EXPECT_EQ(get.param("limit"), "100");

    service.findPesquisaById<TListaSistemaDto>(3, text("São & Paulo"), QString());
    get = *backend.last("GET", "/api/unidade-federativa/pesquisa/3");
    EXPECT_EQ(get.param("search"), "São & Paulo");
    EXPECT_FALSE(get.hasParam("fix-filter"));
}

TEST_F(BaseServiceTest, FindByFilterSendsPagingAndReadsRowsAndTotals)
{
    backend.on("GET",
               "/api/unidade-federativa",
               FakeReply::json(R"({"total":51,"pages":2,"listHelper":[{"id":1,"codigo":"AC"},)"
                               R"({"id":2,"codigo":"AL"}]})"));
    const auto rows = service.findByFilter<TListaSistemaDto>(QString(), QString(), 2, 50);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_EQ((*rows)[1]->Codigo, text("AL"));
    EXPECT_EQ(service.TotalRecords(), 51);
    EXPECT_EQ(service.TotalPages(), 2);

    const RecordedRequest get = *backend.last("GET", "/api/unidade-federativa");
    EXPECT_EQ(get.header("X-Paginate"), "true");
    EXPECT_EQ(
        get.query,
        (std::vector<std::pair<std::string, std::string>> { { "page", "2" }, { "limit", "50" } }));
    EXPECT_EQ(get.body, "");
    EXPECT_FALSE(get.hasHeader("Content-Type"));
}

TEST_F(BaseServiceTest, FindByFilterCarriesTheFilterAsAGetBody)
{
    backend.on("GET",
               "/api/unidade-federativa",
               FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
    TFiltroUf filtro;
    filtro.Uf = text("SP/RJ");
    const auto rows
        = service.findByFilter<TListaSistemaDto>(text("ana"), text("ATIVO"), 1, 20, &filtro);
    ASSERT_TRUE(rows);
    EXPECT_TRUE(rows->empty());

    const RecordedRequest get = *backend.last("GET", "/api/unidade-federativa");
    EXPECT_EQ(get.body, R"({"uf":"SP\/RJ","nameClass":"TFiltroUf"})");
    EXPECT_EQ(get.header("Content-Type"), "application/json");
    EXPECT_EQ(get.param("search"), "ana");
    EXPECT_EQ(get.param("fix-filter"), "ATIVO");
}

TEST_F(BaseServiceTest, NotModifiedGivesNoListAndKeepsTheTotals)
{
    backend.on("GET",
               "/api/unidade-federativa",
               FakeReply::json(R"({"total":7,"pages":1,"listHelper":[]})"));
    service.findByFilter<TListaSistemaDto>(QString(), QString(), 1, 20);
    backend.on("GET", "/api/unidade-federativa", FakeReply::empty(304));
    const auto rows = service.findByFilter<TListaSistemaDto>(text("x"), QString(), 1, 20);
    EXPECT_FALSE(rows.has_value());
    EXPECT_EQ(service.StatusCode(), 304);
    EXPECT_EQ(service.TotalRecords(), 7);
    EXPECT_EQ(service.TotalPages(), 1);
}

struct BadListCase
{
    const char *name;
    const char *body;
    int status;
    const char *message;
};

void PrintTo(const BadListCase &row, std::ostream *os)
{
    *os << row.name;
}

class BadListReplyTest : public BaseServiceTest, public ::testing::WithParamInterface<BadListCase>
{
};

TEST_P(BadListReplyTest, Raises)
{
    backend.on(
        "GET", "/api/unidade-federativa", FakeReply::text(GetParam().body, GetParam().status));
    EXPECT_EQ(messageOf([&] { service.findByFilter<TListaSistemaDto>({}, {}, 1, 20); }),
              text(GetParam().message));
}

const BadListCase badListCases[] = {
    { "NotJson", "WARNING:Filtro inválido.", 400, "WARNING:Filtro inválido." },
    { "NoListHelper", R"({"total":1})", 200, "ERROR:Estrutura do JSON não obedece os requisitos." },
    { "ListHelperNotAnArray",
      R"({"total":1,"listHelper":{"id":1}})",
      200,
      "ERROR:Estrutura do JSON não obedece os requisitos." },
};
INSTANTIATE_TEST_SUITE_P(BaseService,
                         BadListReplyTest,
                         ::testing::ValuesIn(badListCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Replies a flaky or misconfigured back end gives, read as a record and as a page: each raises
// a text a person can act on, never a raw page or an empty message.
struct HostileCase
{
    const char *name;
    FakeReply reply;
    const char *message;
    bool timeOut = false;
};

void PrintTo(const HostileCase &row, std::ostream *os)
{
    *os << row.name;
}

FakeReply html(int status)
{
    FakeReply reply = FakeReply::text(
        "<!DOCTYPE html><html><head><title>Erro</title></head><body><h1>Proxy Error</h1>"
        "</body></html>",
        status);
    reply.contentType = "text/html;charset=UTF-8";
    return reply;
}

FakeReply slow()
{
    FakeReply reply = FakeReply::json(R"({"id":1,"total":1,"pages":1,"listHelper":[{"id":1}]})");
    reply.delay = std::chrono::milliseconds(3000);
    return reply;
}

const char PageJson[] = R"({"total":1,"pages":1,"listHelper":[{"id":1,"codigo":"AC"}]})";

// A service whose every call gives up after the time-out the test sets.
class THostileService final : public TBaseService
{
public:
    THostileService()
        : TBaseService(QStringLiteral("TUnidadeFederativaService"))
    { }
    int timeOut = DefaultTimeOut;

protected:
    void BeforeRequest() override { SetTimeOut(timeOut); }
};

class HostileReplyTest : public BaseServiceTest, public ::testing::WithParamInterface<HostileCase>
{
protected:
    THostileService hostile;
};

TEST_P(HostileReplyTest, RecordAndPageReadsRaiseAMessageAndKeepThePageTotals)
{
    const HostileCase &row = GetParam();
    backend.on("GET", "/api/unidade-federativa", FakeReply::json(PageJson));
    hostile.findByFilter<TListaSistemaDto>(QString(), QString(), 1, 20);
    ASSERT_EQ(hostile.TotalRecords(), 1);

    backend.on("GET", "/api/unidade-federativa/1", row.reply);
    backend.on("GET", "/api/unidade-federativa", row.reply);
    if (row.timeOut)
        hostile.timeOut = 200;
    const auto check = [&](const QString &message) {
        if (row.timeOut)
            EXPECT_TRUE(message.startsWith(text(row.message))) << message.toStdString();
        else
            EXPECT_EQ(message, text(row.message));
    };
    check(messageOf([&] { hostile.findById<TListaSistemaDto>(1); }));
    check(messageOf([&] { hostile.findByFilter<TListaSistemaDto>(QString(), QString(), 1, 20); }));
    EXPECT_EQ(hostile.TotalRecords(), 1);
    EXPECT_EQ(hostile.TotalPages(), 1);

    // The service stays usable.
    hostile.timeOut = TBaseService::DefaultTimeOut;
    backend.on("GET", "/api/unidade-federativa/2", FakeReply::json(R"({"id":2})"));
    EXPECT_EQ(hostile.findById<TListaSistemaDto>(2)->Id, 2);
}

const HostileCase hostileCases[] = {
    { "HtmlPageWith200", html(200), "ERROR:Resposta inválida do servidor (status 200)." },
    { "PlainTextWith200",
      FakeReply::text("WARNING:Serviço em manutenção."),
      "WARNING:Serviço em manutenção." },
    { "TruncatedJson",
      FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":1,"codigo":"A)"),
      "ERROR:Resposta inválida do servidor (status 200)." },
    { "HtmlPageWith500", html(500), "ERROR:Resposta inválida do servidor (status 500)." },
    { "JsonMessageWith500",
      FakeReply::json(R"({"message":"ERROR:Falha ao consultar o banco de dados."})", 500),
      "ERROR:Falha ao consultar o banco de dados." },
    { "PageWith401",
      FakeReply::json(PageJson, 401),
      "ERROR:Resposta inválida do servidor (status 401)." },
    { "EmptyBodyWith200", FakeReply::empty(200), "ERROR:Sem resposta do servidor." },
    { "NoContent204", FakeReply::empty(204), "ERROR:Sem resposta do servidor." },
    { "JsonMessageWith404",
      FakeReply::json(R"({"message":"WARNING:Informações não localizadas."})", 404),
      "WARNING:Informações não localizadas." },
    { "EmptyBodyWith502",
      FakeReply::empty(502),
      "ERROR:Resposta inválida do servidor (status 502)." },
    { "TimeOut", slow(), "ERROR:Servidor indisponível no momento.IDU:", true },
};
INSTANTIATE_TEST_SUITE_P(BaseService,
                         HostileReplyTest,
                         ::testing::ValuesIn(hostileCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(BaseServiceTest, TotalThatIsNotAnIntegerIsAConversionError)
{
    backend.on(
        "GET", "/api/unidade-federativa", FakeReply::json(R"({"total":"12","listHelper":[]})"));
    EXPECT_THROW(service.findByFilter<TListaSistemaDto>({}, {}, 1, 20), EConvertError);
}

TEST_F(BaseServiceTest, PostSendsTheBodyAndAcceptsOnly200)
{
    backend.on("POST",
               "/api/unidade-federativa",
               FakeReply::json(R"({"id":88,"codigo":"01","descricao":"Quitado"})"));
    TListaSistemaEntity entity;
    entity.Codigo = text("01");
    entity.Descricao = text("Quitado");
    entity.Tipo = text("BAIXA_CONTRATO");
    const auto saved = service.post(entity);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->Id, 88);
    const RecordedRequest post = *backend.last("POST", "/api/unidade-federativa");
    EXPECT_EQ(post.body,
              R"({"codigo":"01","descricao":"Quitado","tipo":"BAIXA_CONTRATO","isGeral":false,)"
              R"("id":0,"idOwner":0,"dataCadastro":"1899-12-30T00:00:00.000Z",)"
              R"("nameClass":"TListaSistemaEntity"})");
    EXPECT_EQ(post.header("Content-Type"), "application/json");
    EXPECT_FALSE(post.hasHeader("X-Paginate"));
    EXPECT_TRUE(post.query.empty());

    backend.on("POST", "/api/unidade-federativa", FakeReply::json(R"({"id":88})", 201));
    EXPECT_EQ(messageOf([&] { service.post(entity); }),
              text("ERROR:Resposta inválida do servidor (status 201)."));
    EXPECT_EQ(service.StatusCode(), 201);

    backend.on("POST", "/api/unidade-federativa", FakeReply::text("ERROR:Registro bloqueado."));
    EXPECT_EQ(messageOf([&] { service.post(entity); }), text("ERROR:Registro bloqueado."));
    backend.on("POST", "/api/unidade-federativa", FakeReply::empty(200));
    EXPECT_EQ(messageOf([&] { service.post(entity); }), text("ERROR:Sem resposta do servidor."));
    backend.on("POST", "/api/unidade-federativa", FakeReply::json("[1,2]"));
    EXPECT_EQ(messageOf([&] { service.post(entity); }),
              text("ERROR:Estrutura do JSON não obedece os requisitos."));
}

TEST_F(BaseServiceTest, PostComplexGoesToTheComplexPath)
{
    backend.on("POST", "/api/unidade-federativa/complex", FakeReply::json(R"({"id":5})"));
    TListaSistemaEntity entity;
    EXPECT_EQ(service.postComplex(entity)->Id, 5);
    EXPECT_EQ(backend.count("POST", "/api/unidade-federativa/complex"), 1u);

    backend.on("POST",
               "/api/unidade-federativa/complex",
               FakeReply::text("WARNING:A informação não pode ser duplicada.", 400));
    EXPECT_EQ(messageOf([&] { service.postComplex(entity); }),
              text("WARNING:A informação não pode ser duplicada."));
    backend.on("POST", "/api/unidade-federativa/complex", html(500));
    EXPECT_EQ(messageOf([&] { service.postComplex(entity); }),
              text("ERROR:Resposta inválida do servidor (status 500)."));
}

TEST_F(BaseServiceTest, DeleteItemsSendsTheIdsAndClassAndAcceptsOnly204)
{
    backend.on("DELETE", "/api/unidade-federativa", FakeReply::empty(204));
    EXPECT_TRUE(service.deleteItems({ 3, 8 }, text("TUnidadeFederativaEntity")));
    const RecordedRequest del = *backend.last("DELETE", "/api/unidade-federativa");
    EXPECT_EQ(del.body, R"({"listHelper":[3,8]})");
    EXPECT_EQ(del.header("name_class"), "TUnidadeFederativaEntity");
    EXPECT_EQ(del.header("Content-Type"), "application/json");

    backend.on(
        "DELETE", "/api/unidade-federativa", FakeReply::text("WARNING:Registro em uso.", 200));
    EXPECT_EQ(messageOf([&] { service.deleteItems({ 3 }, text("X")); }),
              text("WARNING:Registro em uso."));
    backend.on("DELETE",
               "/api/unidade-federativa",
               FakeReply::json(R"({"message":"WARNING:Registro vinculado a um contrato."})", 409));
    EXPECT_EQ(messageOf([&] { service.deleteItems({ 3 }, text("X")); }),
              text("WARNING:Registro vinculado a um contrato."));

    backend.clearRequests();
    EXPECT_THROW(service.deleteItems({}, text("X")), EInvalidArgument);
    EXPECT_EQ(backend.count("DELETE", "/api/unidade-federativa"), 0u);
}

TEST_F(BaseServiceTest, EveryCallStartsFromAClearRequest)
{
    backend.on("GET",
               "/api/unidade-federativa",
               FakeReply::json(R"({"total":0,"pages":0,"listHelper":[]})"));
    backend.on("GET", "/api/unidade-federativa/1", FakeReply::json(R"({"id":1})"));
    backend.on("DELETE", "/api/unidade-federativa", FakeReply::empty(204));
    const TFiltroUf filtro;
    service.findByFilter<TListaSistemaDto>(text("a"), text("b"), 1, 10, &filtro);
    service.deleteItems({ 1 }, text("X"));
    service.findById<TListaSistemaDto>(1);

    const RecordedRequest del = *backend.last("DELETE", "/api/unidade-federativa");
    EXPECT_FALSE(del.hasHeader("X-Paginate"));
    EXPECT_TRUE(del.query.empty());
    EXPECT_EQ(del.body, R"({"listHelper":[1]})");
    const RecordedRequest get = *backend.last("GET", "/api/unidade-federativa/1");
    EXPECT_FALSE(get.hasHeader("name_class"));
    EXPECT_FALSE(get.hasParam("search"));
    EXPECT_EQ(get.body, "");
    EXPECT_EQ(std::count_if(get.headers.begin(),
                            get.headers.end(),
                            [](const auto &h) { return h.first == "Authorization"; }),
              1);
}

TEST_F(BaseServiceTest, ClearRequestResetsTheTimeOutOrAppliesTheServiceOwn)
{
    backend.on("GET", "/api/unidade-federativa/1", FakeReply::json(R"({"id":1})"));
    service.SetTimeOut(5);
    EXPECT_EQ(service.Request().Timeout(), 5);
    service.findById<TListaSistemaDto>(1);
    EXPECT_EQ(service.Request().AppliedTimeout(), 45000);

    // A named action's own time-out, set after the reset, is the one applied.
    service.ClearRequest();
    service.SetTimeOut(999999999);
    service.ExecuteGet(service.ResourceName() + QStringLiteral("/1"), {}, {}, false, 0, 0, {});
    EXPECT_EQ(service.Request().AppliedTimeout(), 999999999);
    EXPECT_EQ(backend.last("GET", "/api/unidade-federativa/1")->header("X-Paginate"), "false");
    EXPECT_TRUE(backend.last("GET", "/api/unidade-federativa/1")->query.empty());

    TLongService longService;
    EXPECT_EQ(longService.Request().Timeout(), 45000);
    backend.on("GET", "/api/long/2", FakeReply::json(R"({"id":2})"));
    longService.SetTimeOut(10);
    longService.findById<TListaSistemaDto>(2);
    EXPECT_EQ(longService.Request().AppliedTimeout(), 600000);
    EXPECT_EQ(longService.beforeRequestCalls, 1);
}

TEST_F(BaseServiceTest, TimeOutExpiryRaisesTheTransportErrorAndTheServiceStaysUsable)
{
    FakeReply slow = FakeReply::json(R"({"id":1})");
    slow.delay = std::chrono::milliseconds(1000);
    backend.on("GET", "/api/unidade-federativa/1", slow);
    service.ClearRequest();
    service.SetTimeOut(100);
    try {
        service.ExecuteGet(service.ResourceName() + QStringLiteral("/1"), {}, {}, true, 1, 100, {});
        FAIL() << "no exception";
    } catch (const ENetHTTPClientException &e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("ERROR:Servidor indisponível no momento.IDU:")));
    }
    EXPECT_EQ(service.Response(), nullptr);

    backend.on("GET", "/api/unidade-federativa/2", FakeReply::json(R"({"id":2})"));
    EXPECT_EQ(service.findById<TListaSistemaDto>(2)->Id, 2);
}

TEST_F(BaseServiceTest, RegisteredServicesAreCreatedByName)
{
    const std::unique_ptr<TBaseService> created
        = TBaseService::CreateService(QStringLiteral("TListaSistemaService"));
    ASSERT_TRUE(created);
    EXPECT_EQ(created->ResourceName(), QStringLiteral("/lista-sistema"));
    EXPECT_EQ(created->ClassName(), QStringLiteral("TListaSistemaService"));
    EXPECT_FALSE(TBaseService::CreateService(QStringLiteral("TNadaService")));
}

TEST_F(BaseServiceTest, RenewTokenAuthenticatesAtOnce)
{
    backend.on("GET", "/api/unidade-federativa/1", FakeReply::json(R"({"id":1})"));
    service.findById<TListaSistemaDto>(1);
    ASSERT_EQ(backend.count("POST", "/auth"), 1u);
    TBaseService::RenewToken();
    EXPECT_EQ(backend.count("POST", "/auth"), 2u);
}

} // namespace

#include "App.Base.Service.h"
#include "App.Lib.Service.Connection.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.Crypt.h"

#include "DateTime.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <barrier>
#include <chrono>
#include <thread>

namespace {

std::int64_t unixNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

QByteArray base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

std::string tokenWithPayload(const QByteArray &payload)
{
    return (base64Url(R"({"alg":"HS256","typ":"JWT"})") + '.' + base64Url(payload) + ".c2ln")
        .toStdString();
}

// The local date-time of a token's "exp".
TDateTime localExpiry(std::int64_t exp)
{
    return QDateTimeToDateTime(QDateTime::fromSecsSinceEpoch(exp, Qt::UTC).toLocalTime());
}

class TPlainService final : public TBaseService
{
public:
    TPlainService()
        : TBaseService(QStringLiteral("TUnidadeFederativaService"))
    { }
};

// A web-service request prepared by the connection and sent, as every service does.
std::shared_ptr<TRestResponse> sendPrepared(const QString &resource = QStringLiteral("/ping"))
{
    TRestRequest request;
    request.SetResource(resource);
    TServiceConnection::GetInstance().SetInfoRequest(request);
    return request.Get();
}

// --- Configuration -------------------------------------------------------------------------------

struct ConfigCase
{
    const char *name;
    const char *ini;
    const char *auth;
    const char *web;
    const char *report;
};

void PrintTo(const ConfigCase &row, std::ostream *os)
{
    *os << row.name;
}

class ConnectionConfigTest : public ::testing::TestWithParam<ConfigCase>
{
protected:
    QTemporaryDir folder;
    QByteArray previousHome = qgetenv("ZUNTA_HOME");

    void SetUp() override
    {
        qputenv("ZUNTA_HOME", folder.path().toUtf8());
        TServiceConnection::ResetInstance();
    }
    void TearDown() override
    {
        TServiceConnection::ResetInstance();
        qputenv("ZUNTA_HOME", previousHome);
    }
    void write(const char *text)
    {
        QFile file(QDir(folder.path()).filePath(QStringLiteral("zunta_conf.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

TEST_P(ConnectionConfigTest, BuildsTheBaseAddressesFromHostPortAndBaseUri)
{
    write(GetParam().ini);
    const TServiceConnection &connection = TServiceConnection::GetInstance();
    EXPECT_EQ(connection.BaseUrlApiAuth(), QString::fromUtf8(GetParam().auth));
    EXPECT_EQ(connection.BaseUrlWebService(), QString::fromUtf8(GetParam().web));
    EXPECT_EQ(connection.BaseUrlApiReport(), QString::fromUtf8(GetParam().report));
}

const ConfigCase configCases[] = {
    { "BaseUriWithoutSlash",
      "[API-AUTH]\nHost=http://a\nPort=1\nBase_URI=auth\n"
      "[WEBSERVICE]\nHost=http://h\nPort=8080\nBase_URI=api\n"
      "[API-REPORT]\nHost=https://r\nPort=443\nBase_URI=rel/v1\n",
      "http://a:1/auth",
      "http://h:8080/api",
      "https://r:443/rel/v1" },
    { "BaseUriWithSlash",
      "[API-AUTH]\nHost=http://a\nPort=1\nBase_URI=/auth\n"
      "[WEBSERVICE]\nHost=http://h\nPort=8080\nBase_URI=/api\n"
      "[API-REPORT]\nHost=https://r\nPort=443\nBase_URI=/\n",
      "http://a:1/auth",
      "http://h:8080/api",
      "https://r:443/" },
    { "EmptyOrMissingBaseUriGivesSlash",
      "[API-AUTH]\nHost=http://a\nPort=1\nBase_URI=\n"
      "[WEBSERVICE]\nHost=http://h\nPort=8080\n"
      "[API-REPORT]\nPort=443\n",
      "http://a:1/",
      "http://h:8080/",
      ":443/" },
    { "SectionsAndKeysInAnyCase",
      "[api-auth]\nhost=http://a\nport=1\nbase_uri=x\n"
      "[WebService]\nHOST=http://h\nPORT=8080\nBASE_URI=api\n"
      "[Api-Report]\nhOsT=http://r\npOrT=2\nbase_URI=/y\n",
      "http://a:1/x",
      "http://h:8080/api",
      "http://r:2/y" },
    { "ValuesKeptAsWritten",
      "[API-AUTH]\nHost=http://a/\nPort=\nBase_URI=/\n"
      "[WEBSERVICE]\nHost=h\nPort=80\nBase_URI=api/\n",
      "http://a/:/",
      "h:80/api/",
      ":/" },
};
INSTANTIATE_TEST_SUITE_P(Connection,
                         ConnectionConfigTest,
                         ::testing::ValuesIn(configCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ConnectionConfigMissingTest, MissingFileNamesThePathAndLeavesNoConnection)
{
    QTemporaryDir folder;
    const QByteArray previousHome = qgetenv("ZUNTA_HOME");
    qputenv("ZUNTA_HOME", folder.path().toUtf8());
    TServiceConnection::ResetInstance();
    const QString expected = QStringLiteral("Arquivo ") + folder.path()
        + QStringLiteral("/zunta_conf.ini não localizado.");
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            TServiceConnection::GetInstance();
            ADD_FAILURE() << "no exception";
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), expected);
        }
    }
    qputenv("ZUNTA_HOME", previousHome);
}

// --- Authentication and login --------------------------------------------------------------------

class ConnectionTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };

    void SetUp() override
    {
        backend.on("GET",
                   "/acesso",
                   FakeReply::json(R"({"id":41,"nome":"Ana Souza","login":"ana",)"
                                   R"("email":"ana@x.com","idConta":3,"idColaborador":9,)"
                                   R"("nameClass":"TUsuarioDto","extra":1})"));
        backend.on("GET",
                   "/acesso/41/empresa",
                   FakeReply::json(R"({"listHelper":[{"id":5,"empresa":"Funerária A",)"
                                   R"("logo":"aGk=","idPessoa":77,"cpfCnpj":"1"},)"
                                   R"({"id":6,"empresa":"Funerária B"}]})"));
        backend.on("GET", "/ping", FakeReply::json("{}"));
    }

    TServiceConnection &connection() { return fake.connection(); }
};

TEST_F(ConnectionTest, LoginSendsTheExactAuthenticationRequestAndReadsTheUser)
{
    const QString digest = HashPassword(QStringLiteral("segredo"));
    backend.setCredentials("ana", digest.toStdString());

    connection().Logar(QStringLiteral("ana"), digest);

    ASSERT_EQ(backend.count("POST", "/auth"), 1u);
    const RecordedRequest auth = *backend.last("POST", "/auth");
    EXPECT_EQ(auth.header("Authorization"),
              "Basic " + QByteArray("ana:" + digest.toUtf8()).toBase64().toStdString());
    EXPECT_EQ(auth.header("id-empresa"), "0");
    EXPECT_FALSE(auth.hasHeader("new-password"));
    EXPECT_FALSE(auth.hasHeader("Accept-Encoding"));
    EXPECT_EQ(auth.header("Accept"), "application/json;charset=UTF-8");
    EXPECT_EQ(auth.header("Accept-Charset"), "utf-8, *;q=0.8");
    EXPECT_EQ(auth.body, "");

    const RecordedRequest acesso = *backend.last("GET", "/acesso");
    const std::string bearer = *acesso.header("Authorization");
    ASSERT_EQ(bearer.rfind("Bearer ", 0), 0u);
    EXPECT_EQ(std::count(bearer.begin(), bearer.end(), '.'), 2);
    EXPECT_EQ(acesso.header("Accept-Encoding"), "gzip");
    EXPECT_EQ(acesso.header("Accept"), "application/json;charset=UTF-8");

    ASSERT_NE(connection().UsuarioLogado(), nullptr);
    EXPECT_EQ(connection().UsuarioLogado()->Id, 41);
    EXPECT_EQ(connection().UsuarioLogado()->Nome, QStringLiteral("Ana Souza"));
    EXPECT_EQ(connection().UsuarioLogado()->IdColaborador, 9);
    EXPECT_EQ(connection().StatusCode(), 200);

    const TObjectList<TEmpresaDto> empresas = connection().getListEmpresa();
    ASSERT_EQ(empresas.size(), 2u);
    EXPECT_EQ(empresas[0]->Empresa, QStringLiteral("Funerária A"));
    EXPECT_EQ(empresas[0]->IdPessoa, 77);
    EXPECT_EQ(empresas[1]->Id, 6);
}

TEST_F(ConnectionTest, CompanyAndPasswordChangeTravelOnTheAuthenticationAtOnce)
{
    connection().Logar(QStringLiteral("ana"), QStringLiteral("d"));
    backend.clearRequests();

    connection().SetIdEmpresa(0);
    EXPECT_EQ(backend.count("POST", "/auth"), 0u);

    connection().SetUserModifyPassword(true).SetIdEmpresa(7);
    ASSERT_EQ(backend.count("POST", "/auth"), 1u);
    EXPECT_EQ(backend.last("POST", "/auth")->header("id-empresa"), "7");
    EXPECT_EQ(backend.last("POST", "/auth")->header("new-password"), "True");

    connection().SetUserModifyPassword(false);
    connection().ForceNewTokenAuthentication();
    ASSERT_EQ(backend.count("POST", "/auth"), 2u);
    EXPECT_EQ(backend.last("POST", "/auth")->header("id-empresa"), "7");
    EXPECT_FALSE(backend.last("POST", "/auth")->hasHeader("new-password"));

    // The renewed token serves the next request without another authentication.
    sendPrepared();
    EXPECT_EQ(backend.count("POST", "/auth"), 2u);
}

TEST_F(ConnectionTest, RefusedLoginKeepsTheAuthenticationStatusAndNoUser)
{
    backend.setCredentials("ana", "certa");
    connection().Logar(QStringLiteral("ana"), QStringLiteral("certa"));
    ASSERT_NE(connection().UsuarioLogado(), nullptr);

    try {
        connection().Logar(QStringLiteral("ana"), QStringLiteral("errada"));
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("WARNING:Usuário ou senha inválidos."));
    }
    EXPECT_EQ(connection().StatusCode(), 401);
    EXPECT_EQ(connection().UsuarioLogado(), nullptr);
    EXPECT_EQ(backend.count("GET", "/acesso"), 1u);
    try {
        connection().getListEmpresa();
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("WARNING:O usuário ainda não está logado ao sistema."));
    }
}

TEST_F(ConnectionTest, AccessAndCompanyReplyFailuresRaiseTheirTexts)
{
    backend.on("GET", "/acesso", FakeReply::text("ERROR:Usuário bloqueado.", 403));
    EXPECT_THROW(
        {
            try {
                connection().Logar(QStringLiteral("ana"), QStringLiteral("d"));
            } catch (const Exception &e) {
                EXPECT_EQ(e.Message(), QStringLiteral("ERROR:Usuário bloqueado."));
                throw;
            }
        },
        Exception);
    EXPECT_EQ(connection().StatusCode(), 403);
    EXPECT_EQ(connection().UsuarioLogado(), nullptr);

    backend.on("GET", "/acesso", FakeReply::empty(200));
    try {
        connection().Logar(QStringLiteral("ana"), QStringLiteral("d"));
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ERROR:Sem resposta do servidor."));
    }

    backend.on("GET", "/acesso", FakeReply::json(R"({"id":41})"));
    connection().Logar(QStringLiteral("ana"), QStringLiteral("d"));
    backend.on("GET", "/acesso/41/empresa", FakeReply::text("<html>erro</html>", 200));
    try {
        connection().getListEmpresa();
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ERROR:Sem resposta do servidor."));
    }
    backend.on("GET", "/acesso/41/empresa", FakeReply::text("ERROR:Sem empresas.", 500));
    try {
        connection().getListEmpresa();
        FAIL() << "no exception";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ERROR:Sem empresas."));
    }
    EXPECT_EQ(connection().StatusCode(), 200);
}

TEST(ConnectionAddressTest, EachKindOfRequestGoesToItsOwnBaseAddress)
{
    FakeBackend backend;
    FakeConnection fake(backend, "auth-base", "/api/", "rel");
    backend.on("GET", "/api/ping", FakeReply::json("{}"));
    backend.on("GET", "/rel/ping", FakeReply::json("{}"));

    sendPrepared();
    TRestRequest report;
    report.SetResource(QStringLiteral("ping"));
    fake.connection().SetInfoRequestReport(report);
    EXPECT_EQ(report.Get()->StatusCode, 200);

    EXPECT_EQ(backend.count("POST", "/auth-base/auth"), 1u);
    EXPECT_EQ(backend.count("GET", "/api/ping"), 1u);
    const RecordedRequest reportGet = *backend.last("GET", "/rel/ping");
    EXPECT_EQ(reportGet.header("Authorization"),
              backend.last("GET", "/api/ping")->header("Authorization"));
    EXPECT_EQ(reportGet.header("Accept-Encoding"), "gzip");
}

// --- Token renewal -------------------------------------------------------------------------------

struct RenewalCase
{
    const char *name;
    int secondsBeforeExpiry;
    bool renews;
};

void PrintTo(const RenewalCase &row, std::ostream *os)
{
    *os << row.name;
}

class TokenRenewalTest : public ConnectionTest, public ::testing::WithParamInterface<RenewalCase>
{
};

TEST_P(TokenRenewalTest, RenewsWhenTwentySecondsOrLessRemain)
{
    const std::int64_t exp = unixNow() + 3600;
    backend.setTokenExp([exp] { return exp; });
    sendPrepared();
    ASSERT_EQ(backend.count("POST", "/auth"), 1u);
    const TDateTime expiry = connection().TokenValidTime();
    EXPECT_NEAR(expiry.Value(), localExpiry(exp).Value(), 0.5 / MSecsPerDay);

    const TDateTime now = expiry - GetParam().secondsBeforeExpiry / 86400.0;
    connection().SetClock([now] { return now; });
    sendPrepared();
    EXPECT_EQ(backend.count("POST", "/auth"), GetParam().renews ? 2u : 1u);
}

const RenewalCase renewalCases[] = {
    { "NineteenSecondsLeft", 19, true },
    { "ExactlyTwentySecondsLeft", 20, true },
    { "TwentyOneSecondsLeft", 21, false },
    { "AlreadyExpired", -5, true },
};
INSTANTIATE_TEST_SUITE_P(Connection,
                         TokenRenewalTest,
                         ::testing::ValuesIn(renewalCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ConnectionTest, LogoutExpiryMakesTheNextRequestAuthenticate)
{
    sendPrepared();
    connection().SetTokenValidTime(Now() - 10.0);
    EXPECT_EQ(backend.count("POST", "/auth"), 1u);
    sendPrepared();
    EXPECT_EQ(backend.count("POST", "/auth"), 2u);
}

TEST_F(ConnectionTest, ReadsUrlSafePayloadsWithoutPadding)
{
    const std::int64_t exp = unixNow() + 7200;
    // "?>>" and "~~" put "_" and "-" into the base64url text; the length needs no padding only
    // by chance, so the subject is padded until it would.
    QByteArray payload = R"({"sub":"?>>~~","exp":)" + QByteArray::number(exp) + "}";
    while (payload.size() % 3 == 0)
        payload.insert(1, ' ');
    const QByteArray encoded = base64Url(payload);
    ASSERT_TRUE(encoded.contains('-') || encoded.contains('_'));
    ASSERT_FALSE(encoded.contains('='));

    backend.setAuthReply(FakeReply::text(tokenWithPayload(payload)));
    sendPrepared();
    EXPECT_NEAR(connection().TokenValidTime().Value(), localExpiry(exp).Value(), 0.5 / MSecsPerDay);
    EXPECT_EQ(backend.last("GET", "/ping")->header("Authorization"),
              "Bearer " + tokenWithPayload(payload));
}

struct AuthFailureCase
{
    const char *name;
    FakeReply reply;
    const char *message; // null: EListError
    int status;
};

void PrintTo(const AuthFailureCase &row, std::ostream *os)
{
    *os << row.name;
}

class AuthFailureTest : public ConnectionTest, public ::testing::WithParamInterface<AuthFailureCase>
{
};

TEST_P(AuthFailureTest, RaisesAndAuthenticatesAgainOnTheNextRequest)
{
    backend.setAuthReply(GetParam().reply);
    try {
        sendPrepared();
        FAIL() << "no exception";
    } catch (const EListError &) {
        EXPECT_EQ(GetParam().message, nullptr);
    } catch (const Exception &e) {
        ASSERT_NE(GetParam().message, nullptr) << e.Message().toStdString();
        EXPECT_EQ(e.Message(), QString::fromUtf8(GetParam().message));
    }
    EXPECT_EQ(connection().StatusCode(), GetParam().status);
    EXPECT_EQ(connection().TokenValidTime().Value(), 0.0);
    EXPECT_EQ(backend.count("GET", "/ping"), 0u);

    backend.setAuthReply(std::nullopt);
    sendPrepared();
    EXPECT_EQ(backend.count("POST", "/auth"), 2u);
    EXPECT_EQ(backend.count("GET", "/ping"), 1u);
}

const AuthFailureCase authFailureCases[] = {
    { "PasswordMustChange",
      FakeReply::text("WARNING:Sua senha expirou.", 422),
      "WARNING:Sua senha expirou.",
      422 },
    { "ServerError", FakeReply::json(R"({"message":"x"})", 500), R"({"message":"x"})", 500 },
    { "EmptyReply", FakeReply::empty(200), "ERROR:Sem resposta do servidor.", 200 },
    { "PayloadWithoutExp",
      FakeReply::text(tokenWithPayload(R"({"sub":"ana"})")),
      "ERROR:Não foi possível autorizar a requisição.",
      200 },
    { "ExpNotANumber",
      FakeReply::text(tokenWithPayload(R"({"exp":"1700000000"})")),
      "ERROR:Não foi possível autorizar a requisição.",
      200 },
    { "PayloadNotJson",
      FakeReply::text(tokenWithPayload("not json")),
      "ERROR:Não foi possível autorizar a requisição.",
      200 },
    { "PayloadAnArray",
      FakeReply::text(tokenWithPayload("[1]")),
      "ERROR:Não foi possível autorizar a requisição.",
      200 },
    { "TokenWithoutDots", FakeReply::text("abcdef"), nullptr, 200 },
};
INSTANTIATE_TEST_SUITE_P(Connection,
                         AuthFailureTest,
                         ::testing::ValuesIn(authFailureCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ConnectionTransportTest, UnreachableAuthenticationRaisesTheTransportErrorWith404)
{
    std::unique_ptr<FakeConnection> fake;
    {
        FakeBackend gone;
        fake = std::make_unique<FakeConnection>(gone);
    }
    try {
        sendPrepared();
        FAIL() << "no exception";
    } catch (const ENetHTTPClientException &e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("ERROR:Servidor indisponível no momento.IDU:")))
            << e.Message().toStdString();
        EXPECT_FALSE(e.Detail().isEmpty());
    }
    EXPECT_EQ(fake->connection().StatusCode(), 404);
    EXPECT_EQ(fake->connection().TokenValidTime().Value(), 0.0);
}

// --- Concurrency ---------------------------------------------------------------------------------

TEST_F(ConnectionTest, EightThreadsWithADueTokenShareOneRenewal)
{
    std::mutex issuedMutex;
    std::vector<std::string> issued;
    backend.on("POST", "/auth", [&](const RecordedRequest &) {
        FakeReply reply = FakeReply::text(FakeBackend::makeToken(unixNow() + 3600));
        reply.delay = std::chrono::milliseconds(50); // keeps the renewal open while others arrive
        std::lock_guard lock(issuedMutex);
        issued.push_back(reply.body);
        return reply;
    });
    backend.on("GET", "/unidade-federativa/1", FakeReply::json(R"({"id":1})"));

    sendPrepared();
    // Ten seconds of validity left: due.
    connection().SetTokenValidTime(Now() + 10.0 / 86400.0);
    backend.clearRequests();

    constexpr int threadCount = 8;
    constexpr int callsPerThread = 3;
    std::barrier start(threadCount);
    std::atomic<int> failures { 0 };
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back([&] {
            TPlainService service;
            start.arrive_and_wait();
            for (int call = 0; call < callsPerThread; ++call) {
                try {
                    service.findById<TEmpresaDto>(1);
                } catch (...) {
                    ++failures;
                }
            }
        });
    }
    for (auto &thread : threads)
        thread.join();

    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(backend.count("POST", "/auth"), 1u);
    ASSERT_EQ(issued.size(), 2u);
    const auto gets = backend.requests("GET", "/unidade-federativa/1");
    ASSERT_EQ(gets.size(), std::size_t(threadCount * callsPerThread));
    for (const auto &get : gets)
        EXPECT_EQ(get.header("Authorization"), "Bearer " + issued.back());
}

} // namespace

#include "FakeBackend.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class RestRequestTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    TRestRequest request;

    void SetUp() override
    {
        request.SetBaseURL(QString::fromStdString(backend.origin() + "/api/"));
    }
};

TEST_F(RestRequestTest, GetCarriesBodyHeadersAndEncodedParameters)
{
    backend.on("GET", "/api/lista-sistema", FakeReply::json(R"({"total":1})"));
    request.SetResource(QStringLiteral("/lista-sistema"))
        .AddHeader(QStringLiteral("X-Paginate"), QStringLiteral("true"))
        .AddHeader(QStringLiteral("Authorization"), QStringLiteral("Bearer a.b.c"))
        .AddParameter(QStringLiteral("search"), QStringLiteral("JOÃO & MARIA"))
        .AddParameter(QStringLiteral("page"), QStringLiteral("1"))
        .AddBody(QStringLiteral(R"({"nome":"José"})"));
    const auto response = request.Get();
    EXPECT_EQ(response->StatusCode, 200);
    EXPECT_EQ(response->Content(), QStringLiteral(R"({"total":1})"));

    const auto recorded = backend.last("GET", "/api/lista-sistema");
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded->body, R"({"nome":"José"})");
    EXPECT_EQ(recorded->param("search"), "JOÃO & MARIA");
    EXPECT_EQ(recorded->param("page"), "1");
    EXPECT_EQ(recorded->header("X-Paginate"), "true");
    EXPECT_EQ(recorded->header("Authorization"), "Bearer a.b.c");
    EXPECT_EQ(recorded->header("Accept-Charset"), "utf-8, *;q=0.8");
    EXPECT_EQ(recorded->header("Content-Type"), "application/json");
}

TEST_F(RestRequestTest, DeleteAndPostCarryBodiesAndErrorStatusesComeBack)
{
    backend.on("DELETE", "/api/banco", FakeReply::text("WARNING:Registro em uso.", 400));
    request.SetResource(QStringLiteral("banco")).AddBody(QStringLiteral(R"({"listHelper":[3,8]})"));
    const auto response = request.Delete();
    EXPECT_EQ(response->StatusCode, 400);
    EXPECT_EQ(response->Content(), QStringLiteral("WARNING:Registro em uso."));
    EXPECT_EQ(backend.last("DELETE", "/api/banco")->body, R"({"listHelper":[3,8]})");

    request.ClearBody();
    const auto empty = request.Post();
    EXPECT_EQ(empty->StatusCode, 404);
    EXPECT_EQ(backend.last("POST", "/api/banco")->body, "");
}

TEST_F(RestRequestTest, InflatesGzipRepliesAndKeepsHeaderOrder)
{
    FakeReply reply = FakeReply::json(std::string(5000, 'x'));
    reply.gzip = true;
    reply.headers = { { "X-First", "1" }, { "X-Second", "2" } };
    backend.on("GET", "/api/big", reply);
    request.SetResource(QStringLiteral("big"))
        .AddHeader(QStringLiteral("Accept-Encoding"), QStringLiteral("gzip"));
    const auto response = request.Get();
    EXPECT_EQ(response->RawBytes, QByteArray(5000, 'x'));
    EXPECT_EQ(backend.last("GET", "/api/big")->header("Accept-Encoding"), "gzip");
    EXPECT_EQ(response->Header(QStringLiteral("x-first")), QStringLiteral("1"));
    const int first = response->HeaderLines.indexOf(QStringLiteral("X-First: 1"));
    EXPECT_GE(first, 1);
    EXPECT_EQ(response->HeaderLines.indexOf(QStringLiteral("X-Second: 2")), first + 1);
}

TEST_F(RestRequestTest, DelayPastTheTimeOutIsATransportError)
{
    FakeReply slow = FakeReply::json("{}");
    slow.delay = std::chrono::milliseconds(3000);
    backend.on("GET", "/api/slow", slow);
    request.SetResource(QStringLiteral("slow")).SetTimeout(200);
    try {
        request.Get();
        FAIL() << "no transport error";
    } catch (const ENetHTTPClientException &e) {
        EXPECT_TRUE(
            e.Message().startsWith(QStringLiteral("ERROR:Servidor indisponível no momento.IDU:")));
        EXPECT_FALSE(e.Detail().isEmpty());
    }
    EXPECT_EQ(request.AppliedTimeout(), 200);
}

TEST_F(RestRequestTest, RefusedConnectionIsATransportError)
{
    TRestRequest nowhere;
    nowhere.SetBaseURL(QStringLiteral("http://127.0.0.1:1")).SetTimeout(2000);
    EXPECT_THROW(nowhere.Get(), ENetHTTPClientException);
}

TEST_F(RestRequestTest, BasicAuthAndLongTimeOutsAreApplied)
{
    backend.setCredentials("demo", "digest");
    request.SetResource(QStringLiteral("auth"))
        .SetBasicAuth(QStringLiteral("demo"), QStringLiteral("digest"))
        .SetTimeout(999999999);
    const auto response = request.Post();
    EXPECT_EQ(response->StatusCode, 200);
    EXPECT_EQ(response->Content().count(u'.'), 2); // a JSON Web Token
    EXPECT_EQ(request.AppliedTimeout(), 999999999);

    TRestRequest wrong;
    wrong.SetBaseURL(request.BaseURL())
        .SetResource(QStringLiteral("auth"))
        .SetBasicAuth(QStringLiteral("demo"), QStringLiteral("other"));
    EXPECT_EQ(wrong.Post()->StatusCode, 401);
}

TEST(FakeBackendTest, WritesAConfigurationPointingAtItself)
{
    FakeBackend backend;
    const QString folder = QDir::tempPath() + QStringLiteral("/zunta-fake-config-")
        + QString::number(backend.port());
    backend.writeConfig(folder, "/auth-api", "api");
    QFile file(folder + QStringLiteral("/zunta_conf.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[WEBSERVICE]\nHost=http://127.0.0.1\nPort=")
                              + QString::number(backend.port())
                              + QStringLiteral("\nBase_URI=api")));
    EXPECT_TRUE(text.contains(QStringLiteral("[API-AUTH]")));
    EXPECT_TRUE(text.contains(QStringLiteral("[API-REPORT]")));
    QDir(folder).removeRecursively();
}

} // namespace

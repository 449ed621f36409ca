#include "App.Lib.CEP.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

// The back end and, beside it, a second fake back end playing the public postal-code service.
class CEPTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeBackend publico;
    FakeConnection fake { backend };

    // Adds the section "API-CEP" pointing at that port (none: no section) and reads the
    // configuration again.
    void configure(std::optional<unsigned short> port)
    {
        if (port) {
            QFile file(fake.folder() + QStringLiteral("/zunta_conf.ini"));
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(QStringLiteral("\n[API-CEP]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/\n")
                           .arg(*port)
                           .toUtf8());
        }
        TServiceConnection::ResetInstance();
    }

    const QString cepNaoLocalizado
        = QStringLiteral("WARNING:A informação de CEP não foi localizada.");

    static QString failure(const QString &ACep, int ATimeOut = TCEP::DefaultTimeOut)
    {
        try {
            TCEP::Search(ACep, ATimeOut);
        } catch (const Exception &e) {
            return e.Message();
        }
        ADD_FAILURE() << "no exception";
        return {};
    }
};

TEST_F(CEPTest, ReadsTheReplyOfTheCodeWithoutTheBackEndsHeaders)
{
    configure(publico.port());
    publico.on("GET",
               "/ws/01001000/json/",
               FakeReply::json(R"({"cep":"01001-000","logradouro":"Praça da Sé","complemento":)"
                               R"("lado ímpar","bairro":"Sé","localidade":"São Paulo","UF":"SP",)"
                               R"("ibge":"3550308","gia":"1004","ddd":"11","siafi":"7107"})"));

    const std::unique_ptr<TCEP> cep = TCEP::Search(QStringLiteral("01001000"));
    ASSERT_TRUE(cep);
    EXPECT_EQ(cep->Logradouro, QStringLiteral("Praça da Sé"));
    EXPECT_EQ(cep->Bairro, QStringLiteral("Sé"));
    EXPECT_EQ(cep->Localidade, QStringLiteral("São Paulo"));
    EXPECT_EQ(cep->Uf, QStringLiteral("SP")) << "members match without regard to case";
    EXPECT_EQ(cep->Ibge, QStringLiteral("3550308"));
    EXPECT_EQ(cep->Ddd, QStringLiteral("11"));
    EXPECT_EQ(cep->Cep, QStringLiteral("01001-000"));

    const auto request = publico.last("GET", "/ws/01001000/json/");
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->hasHeader("Authorization"));
    EXPECT_TRUE(request->query.empty());
    EXPECT_TRUE(backend.requests().empty()) << "the back end is not asked, not even for a token";

    cep->Clear();
    EXPECT_TRUE(cep->Logradouro.isEmpty());
    EXPECT_TRUE(cep->Gia.isEmpty());
}

TEST_F(CEPTest, CodeIsOnePathSegmentWhateverItHolds)
{
    configure(publico.port());
    EXPECT_EQ(failure(QStringLiteral("01001?x=1/..")), cepNaoLocalizado);
    const auto requests = publico.requests();
    ASSERT_EQ(requests.size(), 1u);
    // Sent encoded (the fake records the path decoded): no query began, nothing was collapsed.
    EXPECT_EQ(requests[0].path, "/ws/01001?x=1/../json/");
    EXPECT_TRUE(requests[0].query.empty());
}

struct FalhaCase
{
    const char *name;
    // Sets the public service up and gives the port the configuration names (none: no section).
    std::function<std::optional<unsigned short>(FakeBackend &publico)> setUp;
    const char *message;
    int timeOut = 2000;
};
void PrintTo(const FalhaCase &row, std::ostream *os)
{
    *os << row.name;
}

class CEPFalhaTest : public CEPTest, public ::testing::WithParamInterface<FalhaCase>
{
};

TEST_P(CEPFalhaTest, GivesItsWarning)
{
    const FalhaCase &c = GetParam();
    configure(c.setUp(publico));
    EXPECT_EQ(failure(QStringLiteral("99999999"), c.timeOut), QString::fromUtf8(c.message));
}

const char *const unknown = "/ws/99999999/json/";

const FalhaCase falhaCases[] = {
    { "UnknownCode",
      [](FakeBackend &publico) {
          publico.on("GET", unknown, FakeReply::json(R"({"erro":true})"));
          return std::optional(publico.port());
      },
      "WARNING:A informação de CEP não foi localizada." },
    { "UnknownCodeAsText",
      [](FakeBackend &publico) {
          publico.on("GET", unknown, FakeReply::json(R"({"erro":"true"})"));
          return std::optional(publico.port());
      },
      "WARNING:A informação de CEP não foi localizada." },
    { "NotJson",
      [](FakeBackend &publico) {
          publico.on("GET", unknown, FakeReply::text("<html>Bad Request</html>", 200));
          return std::optional(publico.port());
      },
      "WARNING:A informação de CEP não foi localizada." },
    { "ErrorStatusWithJson",
      [](FakeBackend &publico) {
          publico.on("GET", unknown, FakeReply::json(R"({"message":"falha interna"})", 500));
          return std::optional(publico.port());
      },
      "WARNING:A informação de CEP não foi localizada." },
    { "ConnectionRefused",
      [](FakeBackend &) {
          // A port nobody listens on any more.
          return std::optional(std::make_unique<FakeBackend>()->port());
      },
      "WARNING:Informações não localizadas." },
    { "TimeOut",
      [](FakeBackend &publico) {
          FakeReply slow = FakeReply::json(R"({"logradouro":"RUA TARDIA"})");
          slow.delay = std::chrono::milliseconds(1000);
          publico.on("GET", unknown, slow);
          return std::optional(publico.port());
      },
      "WARNING:Informações não localizadas.",
      100 },
    { "NoBaseAddress",
      [](FakeBackend &) { return std::optional<unsigned short>(); },
      "WARNING:Informações não localizadas." },
};
INSTANTIATE_TEST_SUITE_P(Falhas,
                         CEPFalhaTest,
                         ::testing::ValuesIn(falhaCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

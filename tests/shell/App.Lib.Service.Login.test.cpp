#include "App.Lib.Service.Login.h"
#include "Common.Dto.Empresa.h"
#include "Common.Lib.Crypt.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class LoginServiceTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    std::unique_ptr<FakeConnection> fake = std::make_unique<FakeConnection>(backend);
    TLoginService service;
    const QString senha = HashPassword(QStringLiteral("segredo"));

    void SetUp() override
    {
        backend.setCredentials("ana", senha.toStdString());
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":41,"login":"ana"})"));
        backend.on("GET",
                   "/acesso/41/empresa",
                   FakeReply::json(R"({"listHelper":[{"id":5,"empresa":"Funerária A"}]})"));
    }

    QString failedLogin(const QString &password)
    {
        try {
            service.Logar(QStringLiteral("ana"), password);
        } catch (const Exception &e) {
            return e.Message();
        }
        ADD_FAILURE() << "no exception";
        return {};
    }
};

TEST_F(LoginServiceTest, ReturnsTheCompaniesOfTheUser)
{
    const TObjectList<TEmpresaDto> empresas = service.Logar(QStringLiteral("ana"), senha);
    ASSERT_EQ(empresas.size(), 1u);
    EXPECT_EQ(empresas[0]->Id, 5);
    EXPECT_EQ(empresas[0]->Empresa, QStringLiteral("Funerária A"));
    EXPECT_EQ(service.StatusCode(), 200);
    // Its own path is never called.
    EXPECT_EQ(backend.count("GET", "/login"), 0u);
}

TEST_F(LoginServiceTest, RefusedLoginKeepsTheAuthenticationStatus)
{
    EXPECT_EQ(failedLogin(HashPassword(QStringLiteral("outra"))),
              QStringLiteral("WARNING:Usuário ou senha inválidos."));
    EXPECT_EQ(service.StatusCode(), 401);
}

TEST_F(LoginServiceTest, PasswordThatMustChangeLeaves422Readable)
{
    backend.setAuthReply(FakeReply::text("WARNING:Sua senha expirou, informe uma nova.", 422));
    EXPECT_EQ(failedLogin(senha), QStringLiteral("WARNING:Sua senha expirou, informe uma nova."));
    EXPECT_EQ(service.StatusCode(), 422);
}

TEST_F(LoginServiceTest, UnreachableServerLeaves404)
{
    fake.reset();
    std::unique_ptr<FakeConnection> gone;
    {
        FakeBackend closed;
        gone = std::make_unique<FakeConnection>(closed);
    }
    EXPECT_TRUE(failedLogin(senha).startsWith(
        QStringLiteral("ERROR:Servidor indisponível no momento.IDU:")));
    EXPECT_EQ(service.StatusCode(), 404);
}

} // namespace

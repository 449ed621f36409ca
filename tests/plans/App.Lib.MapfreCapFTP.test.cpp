#include "App.Lib.MapfreCapFTP.h"

#include "App.Lib.Layout.Mapfre.h"
#include "AppPaths.h"
#include "Common.Lib.Crypt.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/SftpTestServer.h"
#include "support/FailureOf.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

class MapfreCapFTPTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = TSftpTestServer::missing();
        if (!missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        const QString failure = server.start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    }

    // A transfer into the test server, its host keys kept beside the server's configuration.
    std::unique_ptr<TMapfreCapFTP> transfer() const
    {
        auto result = TMapfreCapFTP::New();
        result->KnownHostsFile = server.KnownHostsFile();
        return result;
    }

    void execute(TMapfreCapFTP &ATransfer, const QString &APassword = QString())
    {
        ATransfer.Execute(QStringLiteral("127.0.0.1"),
                          server.Port(),
                          QLatin1String(TSftpTestServer::kUser),
                          APassword.isEmpty() ? QLatin1String(TSftpTestServer::kPassword)
                                              : APassword);
    }

    TSftpTestServer server;
};

TEST_F(MapfreCapFTPTest, TheGeneratedFileReplacesOneOfTheSameNameInTheOutbox)
{
    const QString name = QStringLiteral("MCAP_II_NEW_0012_101225_01.TXT");
    ASSERT_TRUE(server.writeRemote(name, QByteArray(4096, 'x')));
    FakeBackend backend;
    FakeConnection connection { backend };
    // The batch's rows carry the insurer's access, the password in the credential encoding; the
    // first row's access is the one used.
    const QString rows
        = QStringLiteral(
              R"({"listHelper":[{"codigoCliente":123,"codigoPlano":12,)"
              R"("dataGeracao":"2025-12-10T00:00:00.000Z","ano":2025,"sequencial":7,)"
              R"("loteEnvioCliente":1,"quantidadeNumeroSorte":500,"reservadoUsoCliente":"XYZ",)"
              R"("ordemDia":0,"hostFtp":"127.0.0.1","portFtp":%1,"loginFtp":"%2",)"
              R"("passwordFtp":"%3"},)"
              R"({"codigoCliente":999,"codigoPlano":77,"dataGeracao":"2030-01-01T00:00:00.000Z",)"
              R"("ano":2030,"sequencial":9,"loteEnvioCliente":2,"quantidadeNumeroSorte":1500,)"
              R"("reservadoUsoCliente":"","ordemDia":5,"hostFtp":"outro","portFtp":2222,)"
              R"("loginFtp":"outro","passwordFtp":"xyz"}]})")
              .arg(server.Port())
              .arg(QLatin1String(TSftpTestServer::kUser),
                   EncodeText(QLatin1String(TSftpTestServer::kPassword)));
    backend.on("GET", "/layout-mapfre/new/41", FakeReply::json(rows.toStdString()));

    auto layout = TNewLayoutMapfre::New();
    layout->SetIdLote(41).SetIsEnviarFTP(true).Execute();
    EXPECT_TRUE(layout->IsSuccess());

    QFile fixture(QStringLiteral(ZUNTA_SOURCE_DIR "/tests/plans/") + name);
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    EXPECT_EQ(server.readRemote(name), fixture.readAll());
    // The server's key is trusted from now on, beside "zunta_conf.ini".
    QFile known(ExecutableFolder() + QStringLiteral("zunta_known_hosts"));
    ASSERT_TRUE(known.open(QIODevice::ReadOnly));
    EXPECT_TRUE(known.readAll().contains(server.Fingerprint().toUtf8()));
}

TEST_F(MapfreCapFTPTest, UploadWritesTheLinesInWindows1252WithCrLf)
{
    const QStringList lines { QStringLiteral("H0001"), QStringLiteral("JOÃO") };
    auto upload = transfer();
    upload->SetUploadFile(lines, QStringLiteral("ARQ.TXT"));
    execute(*upload);
    EXPECT_EQ(upload->GetPathFileName(), QStringLiteral("/SAÍDA/ARQ.TXT"));
    EXPECT_EQ(server.readRemote(QStringLiteral("ARQ.TXT")), QByteArray("H0001\r\nJO\xC3O\r\n"));
}

TEST_F(MapfreCapFTPTest, DownloadTakesTheSingleFileOfTheOutboxOnly)
{
    const QString prefilled = QStringLiteral("antes");
    struct Case
    {
        const char *name;
        QList<QPair<QString, QByteArray>> files;
        QString failure;
        QStringList lines;
    } const cases[] = {
        { "one file in Windows-1252",
          { { QStringLiteral("MCAP_II_TIT_0012.TXT"), QByteArray("H1\r\nS\xC3O\r\nT") } },
          QString(),
          { QStringLiteral("H1"), QStringLiteral("SÃO"), QStringLiteral("T") } },
        { "one file with a UTF-8 mark",
          { { QStringLiteral("TIT.TXT"), QByteArray("\xEF\xBB\xBFS\xC3\x83O\n") } },
          QString(),
          { QStringLiteral("SÃO") } },
        { "two files",
          { { QStringLiteral("A.TXT"), QByteArray("a") },
            { QStringLiteral("B.TXT"), QByteArray("b") } },
          QStringLiteral("WARNING:Só pode existir um arquivos para integração.\r\n"
                         "Solicite a remoção os antigos."),
          { prefilled } },
        { "none",
          {},
          QStringLiteral("WARNING:Nenhum arquivo encontrato para integrar."),
          { prefilled } },
    };
    for (const Case &row : cases) {
        for (const QString &old : QDir(server.Outbox()).entryList(QDir::Files))
            QFile::remove(server.Outbox() + u'/' + old);
        for (const auto &file : row.files)
            ASSERT_TRUE(server.writeRemote(file.first, file.second)) << row.name;
        // A sub-folder is not a file to integrate.
        QDir(server.Outbox()).mkdir(QStringLiteral("antigos"));

        QStringList lines { prefilled };
        auto download = transfer();
        download->SetDownloadFile(lines);
        EXPECT_EQ(FailureOf([&] { execute(*download); }), row.failure) << row.name;
        EXPECT_EQ(lines, row.lines) << row.name;
        if (row.failure.isEmpty()) {
            EXPECT_EQ(download->GetFileName(), row.files.constFirst().first) << row.name;
            download->RemoveFile().Disconnect();
            EXPECT_FALSE(QFile::exists(server.Outbox() + u'/' + row.files.constFirst().first))
                << row.name;
        }
    }
}

TEST_F(MapfreCapFTPTest, AWrongPasswordOrAClosedPortStopsTheTransfer)
{
    const QStringList lines { QStringLiteral("H") };
    auto wrong = transfer();
    wrong->SetUploadFile(lines, QStringLiteral("ARQ.TXT"));
    const QString refused
        = FailureOf([&] { execute(*wrong, QStringLiteral("errada")); });
    EXPECT_TRUE(refused.contains(QStringLiteral("Authentication failed"))) << refused.toStdString();
    EXPECT_TRUE(QDir(server.Outbox()).entryList(QDir::Files).isEmpty());

    auto closed = transfer();
    closed->SetUploadFile(lines, QStringLiteral("ARQ.TXT"));
    EXPECT_EQ(FailureOf([&] {
                  closed->Execute(QStringLiteral("127.0.0.1"),
                                  TSftpTestServer::closedPort(),
                                  QLatin1String(TSftpTestServer::kUser),
                                  QLatin1String(TSftpTestServer::kPassword));
              }),
              QStringLiteral("ERROR:Sem resposta do servidor."));
}

TEST_F(MapfreCapFTPTest, AChangedHostKeyIsRefusedBeforeAnythingMoves)
{
    {
        QFile known(server.KnownHostsFile());
        ASSERT_TRUE(known.open(QIODevice::WriteOnly));
        known.write(QStringLiteral("[127.0.0.1]:%1 SHA256:%2\n")
                        .arg(server.Port())
                        .arg(QString(43, u'B'))
                        .toUtf8());
    }
    const QStringList lines { QStringLiteral("H") };
    auto upload = transfer();
    upload->SetUploadFile(lines, QStringLiteral("ARQ.TXT"));
    const QString refused = FailureOf([&] { execute(*upload); });
    EXPECT_TRUE(refused.startsWith(QStringLiteral("ERROR:A identificação do servidor SFTP")))
        << refused.toStdString();
    EXPECT_TRUE(QDir(server.Outbox()).entryList(QDir::Files).isEmpty());
}

} // namespace

#include "SftpClient.h"

#include "SysUtils.h"

#include "support/SftpTestServer.h"
#include "support/FailureOf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class SftpClientTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString missing = TSftpTestServer::missing();
        if (!missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        const QString failure = server.start();
        ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
        client.HostName = QStringLiteral("127.0.0.1");
        client.Port = server.Port();
        client.UserName = QLatin1String(TSftpTestServer::kUser);
        client.Password = QLatin1String(TSftpTestServer::kPassword);
        client.KnownHostsFile = server.KnownHostsFile();
        client.TimeoutMs = 10000;
    }

    QString knownHosts() const
    {
        QFile file(server.KnownHostsFile());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TSftpTestServer server;
    TSftpClient client;
};

TEST_F(SftpClientTest, TrustsAHostKeyOnFirstUseAndRefusesItOnceChanged)
{
    client.Connect();
    ASSERT_TRUE(client.Connected()) << server.log().toStdString();
    const QString server_ = QStringLiteral("[127.0.0.1]:%1").arg(server.Port());
    // Kept as OpenSSH prints the key's fingerprint.
    EXPECT_EQ(knownHosts(), server_ + u' ' + server.Fingerprint() + u'\n');
    client.Disconnect();
    EXPECT_FALSE(client.Connected());

    client.Connect();
    EXPECT_TRUE(client.Connected());
    client.Disconnect();

    // Another key at the same host and port: refused, and nothing else is learnt.
    const QString otherKey = QStringLiteral("SHA256:") + QString(43, u'A');
    {
        QFile file(server.KnownHostsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((server_ + u' ' + otherKey + u'\n').toUtf8());
    }
    const QString refusal = FailureOf([&] { client.Connect(); });
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("ERROR:A identificação do servidor SFTP ")))
        << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(server.Fingerprint())) << refusal.toStdString();
    EXPECT_FALSE(client.Connected());
    EXPECT_EQ(knownHosts(), server_ + u' ' + otherKey + u'\n');
}

TEST_F(SftpClientTest, UploadReplacesDownloadReadsAndDeleteRemovesAFile)
{
    client.Connect();
    ASSERT_TRUE(client.Connected()) << server.log().toStdString();
    ASSERT_TRUE(server.writeRemote(QStringLiteral("AÇÃO.txt"),
                                   QByteArray("an older and much longer content\r\n")));
    client.ChangeDir(QStringLiteral("/SAÍDA"));
    EXPECT_EQ(client.CurrentDir(), QStringLiteral("/SAÍDA"));

    const QByteArray bytes("new\r\n\xC7\r\n", 7);
    client.UploadStream(QStringLiteral("AÇÃO.txt"), bytes);
    EXPECT_EQ(server.readRemote(QStringLiteral("AÇÃO.txt")), bytes);
    EXPECT_EQ(client.DownloadStream(QStringLiteral("AÇÃO.txt")), bytes);
    EXPECT_EQ(client.DownloadStream(QStringLiteral("/SAÍDA/AÇÃO.txt")), bytes);

    client.DeleteFile(QStringLiteral("AÇÃO.txt"));
    EXPECT_FALSE(QFile::exists(server.Outbox() + QStringLiteral("/AÇÃO.txt")));
    const QString missing
        = FailureOf([&] { client.DownloadStream(QStringLiteral("AÇÃO.txt")); });
    EXPECT_TRUE(missing.contains(QStringLiteral("No such file"))) << missing.toStdString();
}

TEST_F(SftpClientTest, ListingGivesOnlyRegularFiles)
{
    ASSERT_TRUE(server.writeRemote(QStringLiteral("A.TXT"), "a"));
    ASSERT_TRUE(server.writeRemote(QStringLiteral("B.TXT"), "b"));
    ASSERT_TRUE(QDir(server.Outbox()).mkdir(QStringLiteral("antigos")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("A.TXT"), server.Outbox() + QStringLiteral("/LINK.TXT")));
    client.Connect();
    ASSERT_TRUE(client.Connected()) << server.log().toStdString();

    QStringList names = client.ListDir(QStringLiteral("SAÍDA"));
    names.sort();
    EXPECT_EQ(names, QStringList({ QStringLiteral("A.TXT"), QStringLiteral("B.TXT") }));
    client.ChangeDir(QStringLiteral("SAÍDA"));
    EXPECT_EQ(client.ListDir().size(), 2);
}

TEST_F(SftpClientTest, AMissingFolderIsRefusedAndTheCurrentOneKept)
{
    client.Connect();
    ASSERT_TRUE(client.Connected()) << server.log().toStdString();
    client.ChangeDir(QStringLiteral("/SAÍDA"));
    EXPECT_FALSE(FailureOf([&] { client.ChangeDir(QStringLiteral("nada")); }).isEmpty());
    EXPECT_EQ(client.CurrentDir(), QStringLiteral("/SAÍDA"));
    client.ChangeDir(QStringLiteral(".."));
    EXPECT_EQ(client.CurrentDir(), QStringLiteral("/"));
}

TEST_F(SftpClientTest, AWrongPasswordGivesTheLibrarysTextAndAClosedPortNoConnection)
{
    client.Password = QStringLiteral("errada");
    const QString refused = FailureOf([&] { client.Connect(); });
    EXPECT_TRUE(refused.contains(QStringLiteral("Authentication failed"))) << refused.toStdString();
    EXPECT_FALSE(client.Connected());

    client.Password = QLatin1String(TSftpTestServer::kPassword);
    client.Port = TSftpTestServer::closedPort();
    EXPECT_TRUE(FailureOf([&] { client.Connect(); }).isEmpty());
    EXPECT_FALSE(client.Connected());
    EXPECT_FALSE(FailureOf([&] { client.ListDir(); }).isEmpty());
}

TEST(SftpClientLoginTest, KeyboardInteractiveAnswersThePasswordPrompt)
{
    const QString missing = TSftpTestServer::missing();
    if (!missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    TSftpTestServer server(TSftpTestServer::TLogin::KeyboardInteractive);
    const QString failure = server.start();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    TSftpClient client;
    client.HostName = QStringLiteral("127.0.0.1");
    client.Port = server.Port();
    client.UserName = QLatin1String(TSftpTestServer::kUser);
    client.KnownHostsFile = server.KnownHostsFile();

    client.Password = QStringLiteral("errada");
    EXPECT_FALSE(FailureOf([&] { client.Connect(); }).isEmpty());
    EXPECT_FALSE(client.Connected());
    client.Password = QLatin1String(TSftpTestServer::kPassword);
    client.Connect();
    ASSERT_TRUE(client.Connected()) << server.log().toStdString();
    client.UploadStream(QStringLiteral("/SAÍDA/K.TXT"), "k");
    EXPECT_EQ(server.readRemote(QStringLiteral("K.TXT")), "k");
}

TEST(SftpClientLoginTest, APeerThatNeverSpeaksLeavesTheClientUnconnectedAfterTheTimeOut)
{
    // Accepts connections (the kernel completes them) and never says a word.
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(silent, 4), 0);
    ASSERT_EQ(::getsockname(silent, reinterpret_cast<sockaddr *>(&address), &length), 0);
    TSftpClient client;
    client.HostName = QStringLiteral("127.0.0.1");
    client.Port = ntohs(address.sin_port);
    client.KnownHostsFile = QStringLiteral("/nonexistent/known_hosts");
    client.TimeoutMs = 300;
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(FailureOf([&] { client.Connect(); }), QString());
    EXPECT_FALSE(client.Connected());
    // A bound on hanging, not a measure of speed.
    EXPECT_LT(elapsed.elapsed(), 20000);
    ::close(silent);
}

} // namespace

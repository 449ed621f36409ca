#include "App.Lib.UpdateApp.h"

#include "App.Lib.Application.h"
#include "FakeBackend.h"
#include "FileDate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A program installed as "<home>/ZuntaApp" whose configuration names an update server, a shared
// folder or both; the restart is recorded instead of run.
class UpdateAppTest : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QTemporaryDir shared;
    FakeBackend server;
    QStringList restarts;
    QByteArray previousHome = qgetenv("ZUNTA_HOME");
    const TDateTime localDate = EncodeDateTime(2026, 1, 10, 10, 0, 0, 0);
    // The update window creates the application object when none exists.
    const bool hadApplication = TApplicationZunta::FindInstance() != nullptr;

    void SetUp() override
    {
        qputenv("ZUNTA_HOME", home.path().toUtf8());
        TUpdateApp::SetRestartProc([this](const QString &AExecutable) { restarts << AExecutable; });
        writeFile(local(), "local build");
        ASSERT_TRUE(FileSetDate(local(), localDate));
    }
    void TearDown() override
    {
        TUpdateApp::SetRestartProc(nullptr);
        if (!hadApplication)
            TApplicationZunta::ResetInstance();
        if (previousHome.isEmpty())
            qunsetenv("ZUNTA_HOME");
        else
            qputenv("ZUNTA_HOME", previousHome);
    }

    QString local() const { return home.filePath(QStringLiteral("ZuntaApp")); }
    QString published() const { return shared.filePath(QStringLiteral("ZuntaApp")); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeConfig(const QString &host, const QString &port, const QString &path)
    {
        writeFile(home.filePath(QStringLiteral("zunta_conf.ini")),
                  QStringLiteral("[API-UPDATE]\nHost=%1\nPort=%2\nBase_URI=/api\nPath=%3\n")
                      .arg(host, port, path)
                      .toUtf8());
    }
    void useServer()
    {
        writeConfig(QStringLiteral("http://127.0.0.1"), QString::number(server.port()), QString());
    }
    // The build, dated by the fifth header of the reply, unless the program already has it.
    void publishOnServer(const QByteArray &build, const std::string &date)
    {
        server.on("GET", "/api/update-app", [build, date](const RecordedRequest &request) {
            if (request.param("date_file_local") == date)
                return FakeReply::empty(304);
            FakeReply reply = FakeReply::text(build.toStdString());
            reply.contentType = "application/octet-stream";
            reply.headers
                = { { "Cache-Control", "no-store" }, { "X-Build", "ZuntaApp" }, { "Data", date } };
            return reply;
        });
    }
    static QDateTime modified(const QString &path) { return DateTimeToQDateTime(FileAge(path)); }
};

TEST_F(UpdateAppTest, ServerWithoutNewBuildLeavesTheProgram)
{
    useServer();
    server.on("GET", "/api/update-app", FakeReply::empty(304));
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_TRUE(restarts.isEmpty());
    EXPECT_EQ(readFile(local()), "local build");
    const auto request = server.last("GET", "/api/update-app");
    ASSERT_TRUE(request);
    // The local clock time written as if it were UTC.
    EXPECT_EQ(request->param("date_file_local"), "2026-01-10T10:00:00.000Z");
    EXPECT_FALSE(request->hasHeader("Authorization"));
}

TEST_F(UpdateAppTest, ServerBuildReplacesTheProgramOnceAndKeepsItsDate)
{
    useServer();
    // What an earlier update left behind goes before the download.
    writeFile(home.filePath(QStringLiteral("temp/EZC1A2B.tmp")), "old");
    writeFile(home.filePath(QStringLiteral("temp/EZC1A2B.bat")), "old");
    publishOnServer("new build", "2026-03-05T14:30:41.000Z");

    EXPECT_TRUE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_EQ(restarts, QStringList { local() });
    EXPECT_EQ(readFile(local()), "new build");
    EXPECT_TRUE(QFileInfo(local()).isExecutable());
    EXPECT_EQ(modified(local()), QDateTime(QDate(2026, 3, 5), QTime(14, 30, 41), Qt::LocalTime));
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("temp"))).entryList(QDir::Files), QStringList());

    // The next start sends the build's own date, which the server has nothing newer for.
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_EQ(restarts.size(), 1);
    EXPECT_EQ(server.last("GET", "/api/update-app")->param("date_file_local"),
              "2026-03-05T14:30:41.000Z");
}

struct NoUpdateCase
{
    const char *name;
    const char *config; // %1 the server's port
    FakeReply reply;
};

void PrintTo(const NoUpdateCase &c, std::ostream *os)
{
    *os << c.name;
}

class UpdateAppNoUpdateTest : public UpdateAppTest,
                              public ::testing::WithParamInterface<NoUpdateCase>
{
};

TEST_P(UpdateAppNoUpdateTest, LeavesTheProgramAsItIs)
{
    writeFile(home.filePath(QStringLiteral("zunta_conf.ini")),
              QString::fromUtf8(GetParam().config).arg(server.port()).toUtf8());
    server.on("GET", "/api/update-app", GetParam().reply);
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_TRUE(restarts.isEmpty());
    EXPECT_EQ(readFile(local()), "local build");
}

FakeReply buildWithoutDate()
{
    FakeReply reply = FakeReply::text("new build");
    reply.headers = { { "X-Build", "ZuntaApp" } };
    return reply;
}

INSTANTIATE_TEST_SUITE_P(
    Configurations,
    UpdateAppNoUpdateTest,
    ::testing::Values(
        NoUpdateCase { "NoUpdateSection",
                       "[WEBSERVICE]\nHost=http://127.0.0.1\nPort=%1\n",
                       FakeReply::text("new build") },
        NoUpdateCase { "NeitherHostNorPath",
                       "[API-UPDATE]\nPort=%1\nBase_URI=/api\n",
                       FakeReply::text("new build") },
        NoUpdateCase { "HostWithoutPort",
                       "; %1\n[API-UPDATE]\nHost=http://127.0.0.1\nPort=\nBase_URI=/api\n",
                       FakeReply::text("new build") },
        NoUpdateCase { "EmptyBody",
                       "[API-UPDATE]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/api\n",
                       FakeReply::empty(200) },
        NoUpdateCase { "ServerError",
                       "[API-UPDATE]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/api\n",
                       FakeReply::text("ERROR:falha", 500) },
        NoUpdateCase { "TooFewHeadersForTheDate",
                       "[API-UPDATE]\nHost=http://127.0.0.1\nPort=%1\nBase_URI=/api\n",
                       buildWithoutDate() }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(UpdateAppTest, ProgramInstalledUnderAnotherNameIsNotUpdated)
{
    useServer();
    publishOnServer("new build", "2026-03-05T14:30:41.000Z");
    QFile::remove(local());
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_EQ(server.count("GET", "/api/update-app"), 0u);
    EXPECT_FALSE(QFile::exists(local()));
}

TEST_F(UpdateAppTest, SharedFolderBuildReplacesTheProgramEvenWhenOlderAndOnlyOnce)
{
    // Both set: the folder wins and the server is not asked.
    writeConfig(QStringLiteral("http://127.0.0.1"), QString::number(server.port()), shared.path());
    writeFile(published(), "shared build");
    const TDateTime sharedDate = EncodeDateTime(2025, 12, 24, 18, 45, 13, 250);
    ASSERT_TRUE(FileSetDate(published(), sharedDate));
    // A leftover of an interrupted update must not be what gets installed.
    writeFile(home.filePath(QStringLiteral("temp/ZuntaApp")), "stale build");

    EXPECT_TRUE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_EQ(restarts, QStringList { local() });
    EXPECT_EQ(readFile(local()), "shared build");
    EXPECT_EQ(modified(local()), modified(published()));
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("temp/ZuntaApp"))));

    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_EQ(restarts.size(), 1);
    EXPECT_EQ(server.requests().size(), 0u);
}

TEST_F(UpdateAppTest, SharedFolderDatesAreComparedToTheSecond)
{
    writeConfig(QString(), QString(), shared.path());
    writeFile(published(), "shared build");
    ASSERT_TRUE(FileSetDate(published(), EncodeDateTime(2026, 1, 10, 10, 0, 0, 900)));
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());

    // A shared folder without the build: nothing to compare with.
    QFile::remove(published());
    EXPECT_FALSE(TUpdateApp().VerificaAtualizacoes());
    EXPECT_TRUE(restarts.isEmpty());
}

} // namespace

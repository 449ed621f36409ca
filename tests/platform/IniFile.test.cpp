#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(IniFileTest, FindsSectionsAndKeysWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zunta_conf.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; comment\r\n[api-auth]\r\nhost = http://h \r\nPORT=8080\r\nBase_URI=\r\n"
               "[WEBSERVICE]\nHost=\"http://w\"\nHost=ignored\n");
    file.close();

    const TIniFile ini(path);
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadString(QStringLiteral("API-AUTH"), QStringLiteral("Host")),
              QStringLiteral("http://h"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Api-Auth"), QStringLiteral("port")),
              QStringLiteral("8080"));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("API-AUTH"), QStringLiteral("base_uri")));
    EXPECT_EQ(
        ini.ReadString(QStringLiteral("API-AUTH"), QStringLiteral("Base_URI"), QStringLiteral("x")),
        QString());
    EXPECT_EQ(ini.ReadString(QStringLiteral("webservice"), QStringLiteral("HOST")),
              QStringLiteral("http://w"));
    EXPECT_EQ(
        ini.ReadString(QStringLiteral("API-REPORT"), QStringLiteral("Host"), QStringLiteral("d")),
        QStringLiteral("d"));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("API-REPORT")));
    EXPECT_FALSE(TIniFile(dir.filePath(QStringLiteral("missing.ini"))).Exists());
}

} // namespace

#include "Desktop.h"
#include "SysUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Puts a stand-in "lp" first on PATH that records its arguments and what it reads.
class FakeLpTest : public ::testing::Test
{
protected:
    QTemporaryDir folder;
    QByteArray savedPath = qgetenv("PATH");

    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        writeLp(0);
        qputenv("PATH", folder.path().toLocal8Bit() + ":" + savedPath);
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    void writeLp(int exitCode)
    {
        QFile script(folder.filePath(QStringLiteral("lp")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(
            QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\ncat > '%2'\necho 'lp: no default "
                           "destination' >&2\nexit %3\n")
                .arg(folder.filePath(QStringLiteral("args")),
                     folder.filePath(QStringLiteral("input")))
                .arg(exitCode)
                .toLocal8Bit());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QByteArray recorded(const char *name)
    {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(FakeLpTest, RawPrintingSendsTheBytesUntouched)
{
    TPrinting printing;
    const QByteArray bytes("LINHA \xC7\xC3O\r\n\r\n");
    printing.PrintRaw(bytes);
    EXPECT_EQ(recorded("args"), QByteArray("-o raw\n"));
    EXPECT_EQ(recorded("input"), bytes);
}

TEST_F(FakeLpTest, PrintingAFilePassesItsName)
{
    TPrinting printing;
    printing.PrintFile(QStringLiteral("/tmp/-relatorio.pdf"));
    EXPECT_EQ(recorded("args"), QByteArray("-- /tmp/-relatorio.pdf\n"));
}

TEST_F(FakeLpTest, AFailedPrintRaisesWithThePrintingSystemsMessage)
{
    writeLp(1);
    TPrinting printing;
    try {
        printing.PrintRaw("x");
        FAIL() << "no failure";
    } catch (const Exception &error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Printing failed: lp: no default destination"));
    }
}

} // namespace

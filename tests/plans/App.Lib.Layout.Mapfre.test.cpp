#include "App.Lib.Layout.Mapfre.h"
#include "App.Lib.Util.Layout.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/FailureOf.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray fixtureBytes(const QString &AName)
{
    QFile file(QStringLiteral(ZUNTA_SOURCE_DIR "/tests/plans/") + AName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray fileBytes(const QString &APath)
{
    QFile file(APath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The failure text the call raised; empty when it raised nothing.
// Two rows of a NEW batch: plan 12, generated 10/12/2025, first of the day. The second row
// carries other header and access values, which must not reach the file.
const char *const kNewRows = R"({"listHelper":[)"
    R"({"codigoCliente":123,"codigoPlano":12,"dataGeracao":"2025-12-10T00:00:00.000Z",)"
    R"("ano":2025,"sequencial":7,"loteEnvioCliente":1,"quantidadeNumeroSorte":500,)"
    R"("reservadoUsoCliente":"XYZ","ordemDia":0,"hostFtp":"sftp.seguradora","portFtp":22,)"
    R"("loginFtp":"zunta","passwordFtp":"abc"},)"
    R"({"codigoCliente":999,"codigoPlano":77,"dataGeracao":"2030-01-01T00:00:00.000Z",)"
    R"("ano":2030,"sequencial":9,"loteEnvioCliente":2,"quantidadeNumeroSorte":1500,)"
    R"("reservadoUsoCliente":"","ordemDia":5,"hostFtp":"outro","portFtp":2222,)"
    R"("loginFtp":"outro","passwordFtp":"xyz"}]})";

// Two rows of a PAG batch; each detail takes its month from its own row, the second CPF has
// blanks around it; the rows' own title values and the second row's header values are not used.
const char *const kPagRows = R"({"listHelper":[)"
    R"({"codigoCliente":123,"codigoPlano":12,"codigoEstipulante":45,)"
    R"("dataGeracao":"2025-12-10T00:00:00.000Z","ano":2025,"sequencial":8,)"
    R"("numeroSerieDistribuicao":1,"numeroSorte":12345,"valorTitulo":9.99,)"
    R"("dataVigenciaSorteio":"2026-01-15T00:00:00.000Z","cpf":"12345678901","ordemDia":0},)"
    R"({"codigoCliente":999,"codigoPlano":77,"codigoEstipulante":99,)"
    R"("dataGeracao":"2030-01-01T00:00:00.000Z","ano":2030,"sequencial":1,)"
    R"("numeroSerieDistribuicao":2,"numeroSorte":67890,"valorTitulo":1.5,)"
    R"("dataVigenciaSorteio":"2026-01-15T00:00:00.000Z","cpf":" 98765432100 ","ordemDia":3}]})";

class LayoutMapfreTest : public ::testing::Test
{
protected:
    // Runs the layout on batch 41 into the temp folder.
    QString run(TLayoutMapfre &ALayout)
    {
        return FailureOf([&] { ALayout.Clear().SetIdLote(41).SetPath(folder.path()).Execute(); });
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    QTemporaryDir folder;
};

TEST(UtilLayoutTest, FieldsKeepTheirWidths)
{
    EXPECT_EQ(TUtilLayout::resultInteger(12, 4), "0012");
    EXPECT_EQ(TUtilLayout::resultInteger(123456, 4), "123456");
    EXPECT_EQ(TUtilLayout::resultString(QStringLiteral(" \tAB\r\n"), 5), "AB   ");
    EXPECT_EQ(TUtilLayout::resultString(QStringLiteral("ABCDEFG"), 5), "ABCDE");
    EXPECT_EQ(TUtilLayout::resultStringZero(QStringLiteral("123"), 6), "000123");
    // Blanks around a CPF cost no zeros: the field keeps its width.
    EXPECT_EQ(TUtilLayout::resultStringZero(QStringLiteral("  12345678901 "), 25),
              "0000000000000012345678901");
    EXPECT_EQ(TUtilLayout::resultDate(EncodeDate(2025, 12, 10), 8), "20251210");
    EXPECT_EQ(TUtilLayout::resultDate(0.0, 6), "189912");
}

TEST(UtilLayoutTest, ImpliedDecimalsTruncateAtFifteenDigits)
{
    struct Case
    {
        double value;
        int size;
        int decimals;
        const char *expected;
    } const cases[] = {
        { 0.53333333, 17, 8, "00000000053333333" },
        { 0.53333333 + 0.53333333, 17, 8, "00000000106666666" },
        { 0.53333333 + 0.53333333 + 0.53333333, 17, 8, "00000000159999999" },
        { 0.0, 17, 8, "00000000000000000" },
        { 12.349, 6, 2, "001234" },
        { 0.05, 4, 2, "0005" },
        { 1234.5, 4, 0, "1234" },
    };
    for (const Case &row : cases)
        EXPECT_EQ(TUtilLayout::resultFloat(row.value, row.size, row.decimals, false), row.expected)
            << row.value;
    EXPECT_EQ(TUtilLayout::resultFloat(0.125, 5, 2, true), "00012"); // half to even
}

TEST(UtilLayoutTest, ANumberWiderThanItsFieldIsRefusedWithTheFieldsName)
{
    const QString message = FailureOf(
        [] { TUtilLayout::fieldInteger(12345, 4, QStringLiteral("CodigoCliente")); });
    EXPECT_TRUE(message.contains(QStringLiteral("CodigoCliente"))) << message.toStdString();
    EXPECT_FALSE(FailureOf([] { TUtilLayout::fieldFloat(123.0, 4, 2, QStringLiteral("Valor")); })
                     .isEmpty());
    EXPECT_EQ(TUtilLayout::fieldInteger(1234, 4, QStringLiteral("CodigoCliente")), "1234");
}

TEST_F(LayoutMapfreTest, NewAndPagFilesEqualTheirFixturesByteForByte)
{
    backend.on("GET", "/layout-mapfre/new/41", FakeReply::json(kNewRows));
    backend.on("GET", "/layout-mapfre/pag/41", FakeReply::json(kPagRows));
    ASSERT_TRUE(folder.isValid());
    const QString newName = QStringLiteral("MCAP_II_NEW_0012_101225_01.TXT");
    const QString pagName = QStringLiteral("MCAP_II_PAG_0012_101225_01.TXT");
    // A stale file of the same name is replaced, not appended to.
    {
        QFile stale(QDir(folder.path()).filePath(newName));
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.write("old content that is longer than nothing\r\n");
    }

    auto layoutNew = TNewLayoutMapfre::New();
    EXPECT_EQ(run(*layoutNew), QString());
    EXPECT_TRUE(layoutNew->IsSuccess());
    EXPECT_EQ(fileBytes(QDir(folder.path()).filePath(newName)), fixtureBytes(newName));
    // The first row's access and order, whatever the later rows hold.
    EXPECT_EQ(layoutNew->Seguradora.HostFtp, "sftp.seguradora");
    EXPECT_EQ(layoutNew->Seguradora.PortFtp, 22);
    EXPECT_EQ(layoutNew->Seguradora.PasswordFtp, "abc");
    EXPECT_EQ(layoutNew->OrdemDia, 1);

    auto layoutPag = TPagLayoutMapfre::New();
    EXPECT_EQ(run(*layoutPag), QString());
    EXPECT_TRUE(layoutPag->IsSuccess());
    EXPECT_EQ(fileBytes(QDir(folder.path()).filePath(pagName)), fixtureBytes(pagName));

    const auto request = backend.last("GET", "/layout-mapfre/pag/41");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->header("X-Paginate"), "false");
}

TEST_F(LayoutMapfreTest, ABatchWithoutRowsWritesTheClearedHeaderAndTheTrailer)
{
    backend.on("GET", "/layout-mapfre/new/41", FakeReply::json(R"({"listHelper":[]})"));
    backend.on("GET", "/layout-mapfre/pag/41", FakeReply::json(R"({"listHelper":[]})"));

    auto layoutNew = TNewLayoutMapfre::New();
    EXPECT_EQ(run(*layoutNew), QString());
    EXPECT_EQ(fileBytes(QDir(folder.path()).filePath(
                  QStringLiteral("MCAP_II_NEW_0000_301299_00.TXT"))),
              QByteArray("H00000000" "18991230" "          \r\nT\r\n"));

    auto layoutPag = TPagLayoutMapfre::New();
    EXPECT_EQ(run(*layoutPag), QString());
    const QByteArray pag = fileBytes(
        QDir(folder.path()).filePath(QStringLiteral("MCAP_II_PAG_0000_301299_00.TXT")));
    EXPECT_TRUE(pag.endsWith("\r\nT" + QByteArray(26, '0') + "\r\n")) << pag.toStdString();
}

TEST(PagTrailerTest, CountsAndSumsItsDetails)
{
    const char *const expected[] = { "T00000000100000000053333333",
                                     "T00000000200000000106666666",
                                     "T00000000300000000159999999" };
    for (int count = 1; count <= 3; ++count) {
        TObjectList<TLayoutMapfrePagDto> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(std::make_unique<TLayoutMapfrePagDto>());
        TPagLayoutMapfre layout;
        layout.fillRows(rows);
        const QByteArray bytes = layout.BuildFile().Bytes;
        EXPECT_EQ(bytes.split('\n').at(count + 1).trimmed(), expected[count - 1]) << count;
    }
}

TEST_F(LayoutMapfreTest, FailuresGiveNoFileAndTheGenerationText)
{
    const QString prefix = QStringLiteral("WARNING:Não foi possível gerar o arquivo.\r\n");
    struct Case
    {
        const char *name;
        std::function<void(FakeBackend &, QString &)> setUp;
    } const cases[] = {
        { "server error",
          [](FakeBackend &b, QString &) {
              b.on("GET",
                   "/layout-mapfre/pag/41",
                   FakeReply::json(R"({"message":"ERROR:Falha no lote."})", 500));
          } },
        { "reply not JSON",
          [](FakeBackend &b, QString &) {
              b.on("GET", "/layout-mapfre/pag/41", FakeReply::text("<html>oops</html>"));
          } },
        { "folder not writable",
          [](FakeBackend &b, QString &path) {
              b.on("GET", "/layout-mapfre/pag/41", FakeReply::json(kPagRows));
              path += QStringLiteral("/falta/ainda");
          } },
        { "number too wide",
          [](FakeBackend &b, QString &) {
              b.on("GET",
                   "/layout-mapfre/pag/41",
                   FakeReply::json(R"({"listHelper":[{"codigoCliente":12345,"codigoPlano":12}]})"));
          } },
    };
    for (const Case &row : cases) {
        FakeBackend backendOfCase;
        FakeConnection connection { backendOfCase };
        QTemporaryDir dir;
        QString path = dir.path();
        row.setUp(backendOfCase, path);
        auto layout = TPagLayoutMapfre::New();
        const QString message = FailureOf(
            [&] { layout->Clear().SetIdLote(41).SetPath(path).Execute(); });
        EXPECT_TRUE(message.startsWith(prefix)) << row.name << ": " << message.toStdString();
        EXPECT_GT(message.size(), prefix.size()) << row.name;
        EXPECT_FALSE(layout->IsSuccess()) << row.name;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << row.name;
    }
    EXPECT_TRUE(FailureOf([&] {
                    FakeBackend b;
                    FakeConnection c { b };
                    b.on("GET",
                         "/layout-mapfre/pag/41",
                         FakeReply::json(R"({"listHelper":[{"codigoCliente":12345}]})"));
                    TPagLayoutMapfre::New()->SetIdLote(41).SetPath(folder.path()).Execute();
                }).contains(QStringLiteral("CodigoCliente")));
}

} // namespace

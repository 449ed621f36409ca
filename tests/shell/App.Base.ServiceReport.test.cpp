#include "App.Base.ServiceReport.h"

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.FilterClass.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <ostream>

class TRelatorioTesteFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TRelatorioTesteFilterClass)
    QString IdPessoa;
};
BOOST_DESCRIBE_STRUCT(TRelatorioTesteFilterClass, (TBaseFilterClass), (IdPessoa))
ZUNTA_DEFINE_CLASS(TRelatorioTesteFilterClass)

namespace {

// A report service of the kind the business subsystems derive.
class TReportService final : public TBaseServiceReport
{
public:
    explicit TReportService(const QString &AClassName = QStringLiteral("TPessoaServiceReport"))
        : TBaseServiceReport(AClassName)
    { }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ServiceReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(fake.folder()).mkpath(QStringLiteral("temp")));
        login(7);
    }
    void login(std::int64_t AId)
    {
        backend.on("GET", "/acesso", FakeReply::json("{\"id\":" + std::to_string(AId) + "}"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
    }
    QString tempFile(const QString &AName) const
    {
        return fake.folder() + QStringLiteral("/temp/") + AName;
    }

    FakeBackend backend;
    FakeConnection fake { backend, "/", "/", "/report-api" };
};

TEST_F(ServiceReportTest, DownloadsTheReportWithTheFilterAndSavesItsBytesInTemp)
{
    const std::string pdf("%PDF-1.4\0\x01\xff binário", 20);
    FakeReply reply = FakeReply::text(pdf);
    reply.contentType = "application/pdf";
    reply.gzip = true;
    backend.on("GET", "/report-api/dependente-contrato/relatorio-dependentes", reply);
    TRelatorioTesteFilterClass filter;
    filter.IdPessoa = QStringLiteral("42#42");

    TReportService service(QStringLiteral("TDependenteContratoServiceReport"));
    EXPECT_EQ(service.BaseResourceName(), QStringLiteral("/dependente-contrato"));
    EXPECT_TRUE(service.FilePath().isEmpty());
    service.SetTimeOut(1000);
    EXPECT_EQ(&service.ChangeReport(QStringLiteral("relatorio-dependentes"), &filter), &service);

    const RecordedRequest get
        = *backend.last("GET", "/report-api/dependente-contrato/relatorio-dependentes");
    EXPECT_NE(get.body.find(R"("idPessoa":"42#42")"), std::string::npos) << get.body;
    EXPECT_EQ(get.header("Content-Type"), "application/json");
    EXPECT_EQ(get.header("Authorization").value_or("").rfind("Bearer ", 0), 0u);
    EXPECT_EQ(get.header("Accept"), "application/json;charset=UTF-8");
    EXPECT_EQ(get.header("Accept-Encoding"), "gzip");
    EXPECT_TRUE(get.query.empty());
    EXPECT_EQ(service.Request().AppliedTimeout(), TBaseServiceReport::DefaultTimeOut)
        << "every download waits 500000 ms, whatever was set before";
    EXPECT_EQ(service.TimeOut(), 500000);

    EXPECT_EQ(service.FilePath(), tempFile(QStringLiteral("DependenteContrato_7.pdf")));
    EXPECT_EQ(readFile(service.FilePath()), QByteArray::fromStdString(pdf));
}

TEST_F(ServiceReportTest, WithoutFilterNoBodyIsSent)
{
    backend.on("GET", "/report-api/pessoa/aniversariantes", FakeReply::text("texto"));
    TReportService service;
    service.ChangeReport(QStringLiteral("aniversariantes"), nullptr);
    EXPECT_EQ(backend.last("GET", "/report-api/pessoa/aniversariantes")->body, "");
    EXPECT_EQ(readFile(service.FilePath()), QByteArray("texto"));
}

struct FileNameCase
{
    const char *name;
    const char *className;
    bool printTxt;
    bool printHtml;
    std::int64_t user;
    const char *resource;
    const char *fileName;
};

void PrintTo(const FileNameCase &row, std::ostream *os)
{
    *os << row.name;
}

class ServiceReportFileNameTest : public ServiceReportTest,
                                  public ::testing::WithParamInterface<FileNameCase>
{
};

TEST_P(ServiceReportFileNameTest, NamesTheFileAfterTheClassTheUserAndTheKind)
{
    const FileNameCase &row = GetParam();
    login(row.user);
    backend.setFallback([](const RecordedRequest &) { return FakeReply::text("corpo"); });
    TReportService service(QString::fromUtf8(row.className));
    service.PrintTXT = row.printTxt;
    service.PrintHTML = row.printHtml;
    EXPECT_EQ(service.BaseResourceName(), QString::fromUtf8(row.resource));
    service.ChangeReport(QStringLiteral("qualquer"), nullptr);
    EXPECT_EQ(backend.requests().back().path,
              "/report-api" + std::string(row.resource) + "/qualquer");
    EXPECT_EQ(service.FilePath(), tempFile(QString::fromUtf8(row.fileName)));
    EXPECT_TRUE(QFileInfo::exists(service.FilePath()));
}

const FileNameCase fileNameCases[] = {
    { "Pdf", "TPessoaServiceReport", false, false, 7, "/pessoa", "Pessoa_7.pdf" },
    { "Html", "TTituloServiceReport", false, true, 7, "/titulo", "Titulo_7.html" },
    { "Txt", "TCobrancaServiceReport", true, false, 12, "/cobranca", "Cobranca_12.txt" },
    { "TxtWinsOverHtml", "TCobrancaServiceReport", true, true, 7, "/cobranca", "Cobranca_7.txt" },
    { "BigUserId",
      "TPessoaServiceReport",
      false,
      false,
      5000000000,
      "/pessoa",
      "Pessoa_5000000000.pdf" },
    { "SecondServiceReportKept",
      "TOrdemServiceReportServiceReport",
      false,
      false,
      7,
      "/ordem-service-report",
      "OrdemServiceReport_7.pdf" },
};

INSTANTIATE_TEST_SUITE_P(Names,
                         ServiceReportFileNameTest,
                         ::testing::ValuesIn(fileNameCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ServiceReportTest, KeepsOneFileDeletingThePreviousAndTheLastWhenFreed)
{
    backend.on("GET", "/report-api/pessoa/ficha", FakeReply::text("primeiro"));
    backend.on("GET", "/report-api/pessoa/etiqueta", FakeReply::text("segundo"));
    QString last;
    {
        TReportService service;
        service.ChangeReport(QStringLiteral("ficha"), nullptr);
        const QString first = service.FilePath();
        ASSERT_TRUE(QFileInfo::exists(first));

        service.PrintTXT = true;
        service.ChangeReport(QStringLiteral("etiqueta"), nullptr);
        last = service.FilePath();
        EXPECT_FALSE(QFileInfo::exists(first)) << "the previous download is deleted";
        EXPECT_EQ(readFile(last), QByteArray("segundo"));
    }
    EXPECT_FALSE(QFileInfo::exists(last)) << "freeing the service removes its last file";
}

TEST_F(ServiceReportTest, RefusedDownloadRaisesTheReplyAndLeavesNoFile)
{
    backend.on("GET", "/report-api/pessoa/ficha", FakeReply::text("primeiro"));
    TReportService service;
    service.ChangeReport(QStringLiteral("ficha"), nullptr);
    ASSERT_TRUE(QFileInfo::exists(service.FilePath()));

    backend.on("GET",
               "/report-api/pessoa/ficha",
               FakeReply::text("WARNING:Nenhum registro encontrado para o filtro.", 404));
    try {
        service.ChangeReport(QStringLiteral("ficha"), nullptr);
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  QStringLiteral("WARNING:Nenhum registro encontrado para o filtro."));
    }
    EXPECT_EQ(service.FilePath(), tempFile(QStringLiteral("Pessoa_7.pdf")));
    EXPECT_FALSE(QFileInfo::exists(service.FilePath()));
}

TEST_F(ServiceReportTest, UnwritableFileRaisesTheFileError)
{
    backend.on("GET", "/report-api/pessoa/ficha", FakeReply::text("conteúdo"));
    ASSERT_TRUE(QDir(fake.folder() + QStringLiteral("/temp")).removeRecursively());
    TReportService service;
    try {
        service.ChangeReport(QStringLiteral("ficha"), nullptr);
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_TRUE(
            failure.Message().startsWith(QStringLiteral("ERROR:Não foi possível criar o arquivo \"")
                                         + tempFile(QStringLiteral("Pessoa_7.pdf"))))
            << failure.Message().toStdString();
    }
}

TEST(ServiceReportTransportTest, UnreachableReportServerRaisesTheClientError)
{
    auto backend = std::make_unique<FakeBackend>();
    FakeConnection fake(*backend);
    backend->on("GET", "/acesso", FakeReply::json(R"({"id":7})"));
    fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
    backend.reset();
    TReportService service;
    EXPECT_THROW(service.ChangeReport(QStringLiteral("ficha"), nullptr), ENetHTTPClientException);
}

} // namespace

#include "App.Service.EmpresaTitulo.h"
#include "App.Service.ParcelaTitulo.h"
#include "App.Service.PlanoContasTitulo.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Dto.EmpresaTitulo.h"
#include "Common.Dto.ParcelaTitulo.h"
#include "Common.Dto.PlanoContasTitulo.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

// The settlement's open instalment, registered by the tests that need it as the settlement
// subsystem registers its own.
class TParcelaBaixaDto final : public TBaseDto
{
    ZUNTA_CLASS(TParcelaBaixaDto)

    std::int32_t Parcela = 0;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TParcelaBaixaDto, (TBaseDto), (Parcela, Valor))
ZUNTA_DEFINE_CLASS_UNREGISTERED(TParcelaBaixaDto)

namespace {

// How many rows a read gave, or "none" for no list.
using ParcelaRead = std::function<QString()>;

QString rowsOf(const auto &AList)
{
    return AList ? QString::number(AList->size()) + QStringLiteral(" rows")
                 : QStringLiteral("none");
}

struct ParcelaReadCase
{
    const char *name;
    // 0: open instalments by contract, 1: by ids, 2: instalments, 3: company shares,
    // 4: chart-of-accounts shares of a title.
    int read;
    const char *path;
    FakeReply reply;
    QString result;
    const char *limit;
    const char *body = "";
};

void PrintTo(const ParcelaReadCase &row, std::ostream *out)
{
    *out << row.name;
}

class ParcelaTituloServiceTest : public ::testing::TestWithParam<ParcelaReadCase>
{
protected:
    QString read(int AKind)
    {
        switch (AKind) {
        case 0:
            return rowsOf(parcelas.fillParcelasBaixa(std::int64_t(7), false));
        case 1:
            return rowsOf(parcelas.fillParcelasBaixa(TListInt64 { 5, 6 }));
        case 2:
            return rowsOf(parcelas.fillParcelaTitulo(9));
        case 3:
            return rowsOf(empresas.fillEmpresaTitulo(9));
        default:
            return rowsOf(planos.fillPlanoContasTitulo(9));
        }
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    TParcelaTituloService parcelas;
    TEmpresaTituloService empresas;
    TPlanoContasTituloService planos;
    TClassRegistration parcelaBaixa { TParcelaBaixaDto::StaticClassInfo() };
};

TEST_P(ParcelaTituloServiceTest, AsksOnePageAndReadsTheRows)
{
    const ParcelaReadCase &row = GetParam();
    backend.on("GET", row.path, row.reply);

    QString result;
    try {
        result = read(row.read);
    } catch (const Exception &failure) {
        result = QStringLiteral("raises:") + failure.Message();
    }
    EXPECT_EQ(result, row.result);

    const auto request = backend.last("GET", row.path);
    ASSERT_TRUE(request) << "nothing asked at " << row.path;
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), row.limit);
    EXPECT_FALSE(request->hasParam("search"));
    EXPECT_FALSE(request->hasParam("fix-filter"));
    EXPECT_EQ(request->body, row.body);
    // The flag travels even when false.
    EXPECT_EQ(request->param("somente-ate-o-mes-vigente"),
              row.read == 0 ? std::optional<std::string>("0") : std::nullopt);
}

const char *const kTwoRows = R"({"total":2,"pages":1,"listHelper":[{"id":1},{"id":2}]})";

const ParcelaReadCase parcelaReadCases[] = {
    { "OpenByContract",
      0,
      "/parcela-titulo/parcela-baixa/7",
      FakeReply::json(kTwoRows),
      "2 rows",
      "400" },
    { "OpenByIds",
      1,
      "/parcela-titulo/parcela-baixa",
      FakeReply::json(kTwoRows),
      "2 rows",
      "400",
      R"({"listHelper":[5,6]})" },
    { "OpenNotModified",
      0,
      "/parcela-titulo/parcela-baixa/7",
      FakeReply::empty(304),
      "none",
      "400" },
    { "OpenWithoutJson",
      1,
      "/parcela-titulo/parcela-baixa",
      FakeReply::text("sem parcelas"),
      "none",
      "400",
      R"({"listHelper":[5,6]})" },
    { "OpenRefused",
      0,
      "/parcela-titulo/parcela-baixa/7",
      FakeReply::text("WARNING:Contrato inexistente.", 404),
      "raises:WARNING:Contrato inexistente.",
      "400" },
    { "Parcelas", 2, "/parcela-titulo/titulo/9", FakeReply::json(kTwoRows), "2 rows", "100" },
    { "ParcelasNotModified", 2, "/parcela-titulo/titulo/9", FakeReply::empty(304), "none", "100" },
    { "Empresas", 3, "/empresa-titulo/titulo/9", FakeReply::json(kTwoRows), "2 rows", "100" },
    { "EmpresasWithoutJson", 3, "/empresa-titulo/titulo/9", FakeReply::empty(200), "none", "100" },
    { "PlanosContas",
      4,
      "/plano-contas-titulo/titulo/9",
      FakeReply::json(kTwoRows),
      "2 rows",
      "100" },
    { "PlanosContasNotModified",
      4,
      "/plano-contas-titulo/titulo/9",
      FakeReply::empty(304),
      "none",
      "100" },
};

INSTANTIATE_TEST_SUITE_P(Reads,
                         ParcelaTituloServiceTest,
                         ::testing::ValuesIn(parcelaReadCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ParcelaTituloServiceRowClass, OpenInstalmentsAreRowsOfTheRegisteredClass)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET",
               "/parcela-titulo/parcela-baixa/7",
               FakeReply::json(R"({"listHelper":[{"id":31,"parcela":2,"valor":45.5}]})"));
    const TClassRegistration parcelaBaixa(TParcelaBaixaDto::StaticClassInfo());
    TParcelaTituloService service;

    const auto rows = service.fillParcelasBaixa(std::int64_t(7), true);

    ASSERT_TRUE(rows && rows->size() == 1);
    const auto *parcela = dynamic_cast<const TParcelaBaixaDto *>(rows->front().get());
    ASSERT_NE(parcela, nullptr);
    EXPECT_EQ(parcela->Id, 31);
    EXPECT_EQ(parcela->Parcela, 2);
    EXPECT_EQ(parcela->Valor, 45.5);
    EXPECT_EQ(
        backend.last("GET", "/parcela-titulo/parcela-baixa/7")->param("somente-ate-o-mes-vigente"),
        "-1");
}

TEST(ParcelaTituloServiceRowClass, WithoutTheRowClassWarnsNamingItAndSendsNothing)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    TParcelaTituloService service;
    const QString expected = QStringLiteral("WARNING:A leitura das parcelas em aberto não está "
                                            "disponível: a classe TParcelaBaixaDto não está "
                                            "registrada.");

    for (const bool porContrato : { true, false }) {
        try {
            if (porContrato)
                service.fillParcelasBaixa(std::int64_t(7), false);
            else
                service.fillParcelasBaixa(TListInt64 { 5 });
            ADD_FAILURE() << "read without a row class";
        } catch (const Exception &failure) {
            EXPECT_EQ(failure.Message(), expected);
        }
    }
    EXPECT_TRUE(backend.requests().empty());
}

} // namespace

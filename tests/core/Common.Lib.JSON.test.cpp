#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.Entity.h"
#include "Common.Dto.Empresa.h"
#include "Common.Dto.ListaSistema.h"
#include "Common.Dto.Usuario.h"
#include "Common.Entity.ListaSistema.h"
#include "Common.Lib.JSON.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <ostream>
#include <thread>

namespace {

enum class TSituacaoTeste { Ativo, Suspenso, Cancelado };
BOOST_DESCRIBE_ENUM(TSituacaoTeste, Ativo, Suspenso, Cancelado)

class TItemTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TItemTesteDto)

    QString Nome;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TItemTesteDto, (TBaseDto), (Nome, Valor))
ZUNTA_DEFINE_CLASS(TItemTesteDto)

// An aggregate body with every kind of member the wire classes use.
class TAgregadoTesteComplexPost final : public TBaseEntity
{
    ZUNTA_CLASS(TAgregadoTesteComplexPost)

    std::int32_t Numero = 0;
    double Valor = 0;
    bool IsAtivo = false;
    TSString Foto;
    TSituacaoTeste Situacao = TSituacaoTeste::Ativo;
    std::unique_ptr<TItemTesteDto> Principal;
    std::unique_ptr<TObjectList<TItemTesteDto>> ListItem
        = std::make_unique<TObjectList<TItemTesteDto>>();
    std::unique_ptr<TListInt64> ListRemoveItem = std::make_unique<TListInt64>();
    std::unique_ptr<TListString> ListNome;
};
BOOST_DESCRIBE_STRUCT(
    TAgregadoTesteComplexPost,
    (TBaseEntity),
    (Numero, Valor, IsAtivo, Foto, Situacao, Principal, ListItem, ListRemoveItem, ListNome))
ZUNTA_DEFINE_CLASS(TAgregadoTesteComplexPost)

// A class that nests itself, for deeply nested replies.
class TNoTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TNoTesteDto)

    std::unique_ptr<TNoTesteDto> Filho;
};
BOOST_DESCRIBE_STRUCT(TNoTesteDto, (TBaseDto), (Filho))
ZUNTA_DEFINE_CLASS(TNoTesteDto)

const QString StructureError = QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos.");

template<class F>
QString messageOf(F &&call)
{
    try {
        call();
    } catch (const Exception &e) {
        return e.Message();
    }
    return QStringLiteral("(no exception)");
}

class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone)
        : m_had(qEnvironmentVariableIsSet("TZ"))
        , m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

TEST(DravikJsonTest, WritesTheSystemListBodyInFieldOrderWithNameClassLast)
{
    TListaSistemaEntity entity;
    entity.Codigo = QStringLiteral("01");
    entity.Descricao = QStringLiteral("Quitado");
    entity.Tipo = QStringLiteral("BAIXA_CONTRATO");
    EXPECT_EQ(
        entity.AsJson(),
        QStringLiteral("{\"codigo\":\"01\",\"descricao\":\"Quitado\",\"tipo\":\"BAIXA_CONTRATO\","
                       "\"isGeral\":false,\"id\":0,\"idOwner\":0,"
                       "\"dataCadastro\":\"1899-12-30T00:00:00.000Z\","
                       "\"nameClass\":\"TListaSistemaEntity\"}"));
    EXPECT_EQ(entity.ToString(), entity.AsJson());
    EXPECT_EQ(TDravikJson::ObjectToJsonObject(&entity), entity.AsJson());
}

TEST(DravikJsonTest, WritesUserCompanyAndRowMembersInTheirOrder)
{
    const auto members
        = [](const TSerializeObject &object) { return TJsonValue::Parse(object.AsJson()).Names(); };
    EXPECT_EQ(
        members(TUsuarioDto()),
        QStringList({ "nome", "login", "email", "idConta", "idColaborador", "id", "nameClass" }));
    EXPECT_EQ(members(TEmpresaDto()),
              QStringList({ "empresa",
                            "logo",
                            "idPessoa",
                            "cpfCnpj",
                            "corBarra",
                            "layoutCartaoDesconto",
                            "corTelaInicial",
                            "id",
                            "nameClass" }));
    EXPECT_EQ(members(TListaSistemaDto()),
              QStringList({ "codigo", "descricao", "tipo", "id", "nameClass" }));
}

TEST(DravikJsonTest, WritesTheClockTimeWhateverTheMachinesTimeZone)
{
    TListaSistemaEntity entity;
    entity.DataCadastro = EncodeDateTime(2024, 3, 5, 14, 7, 9, 250);
    QString utc, saoPaulo;
    {
        ScopedTimeZone zone("UTC");
        utc = entity.AsJson();
    }
    {
        ScopedTimeZone zone("America/Sao_Paulo");
        saoPaulo = entity.AsJson();
    }
    EXPECT_TRUE(utc.contains(QStringLiteral("\"dataCadastro\":\"2024-03-05T14:07:09.250Z\"")))
        << utc.toStdString();
    EXPECT_EQ(utc, saoPaulo);
}

TEST(DravikJsonTest, WritesValuesByTheirKind)
{
    TAgregadoTesteComplexPost body;
    body.Numero = -7;
    body.Valor = 1234.5;
    body.Foto = QStringLiteral("iVBO/w==");
    body.Situacao = TSituacaoTeste::Suspenso;
    body.IdOwner = 9007199254740993; // beyond a double's exact range
    const QString json = body.AsJson();
    EXPECT_TRUE(json.startsWith(
        QStringLiteral("{\"numero\":-7,\"valor\":1234.5,\"isAtivo\":false,\"foto\":\"iVBO\\/w==\","
                       "\"situacao\":\"Suspenso\",\"principal\":null,")))
        << json.toStdString();
    EXPECT_TRUE(json.contains(QStringLiteral("\"idOwner\":9007199254740993,")));

    struct Case
    {
        double Value;
        const char *Text;
    };
    for (const Case &c : { Case { 0.1 + 0.2, "0.3" },
                           Case { 1.0 / 3.0, "0.333333333333333" },
                           Case { 100.0, "100" },
                           Case { -0.5, "-0.5" },
                           Case { 1e20, "1E20" },
                           Case { 1.5e-7, "1.5E-7" },
                           // Rounded up, these would pass the largest double and not read back.
                           Case { std::numeric_limits<double>::max(), "1.79769313486231E308" },
                           Case { -1.7976931348623155e308, "-1.79769313486231E308" } }) {
        body.Valor = c.Value;
        EXPECT_TRUE(TJsonValue::Parse(body.AsJson()).Names().contains("valor"));
        EXPECT_NO_THROW(TDravikJson::JsonToObject<TAgregadoTesteComplexPost>(body.AsJson()));
        EXPECT_TRUE(body.AsJson().contains(QStringLiteral("\"valor\":%1,").arg(c.Text)))
            << c.Text << " in " << body.AsJson().toStdString();
    }
}

TEST(DravikJsonTest, EscapesTextsWithTheSolidusEscaped)
{
    TListaSistemaDto row;
    row.Descricao = QStringLiteral("a/b \"c\" \\ \t\n\x01 ção €𝄞");
    const std::string json = TDravikJson::ObjectToJsonUtf8(row);
    EXPECT_NE(json.find(R"("descricao":"a\/b \"c\" \\ \t\n\u0001 ção €𝄞")"), std::string::npos)
        << json;
    // Read back, both forms of the solidus are the same text.
    const auto read = TDravikJson::JsonToObject<TListaSistemaDto>(QByteArray::fromStdString(json));
    EXPECT_EQ(read->Descricao, row.Descricao);
}

TEST(DravikJsonTest, WritesMissingEmptyAndFilledLists)
{
    TAgregadoTesteComplexPost body;
    body.ListItem.reset();
    body.ListRemoveItem = std::make_unique<TListInt64>();
    QString json = body.AsJson();
    EXPECT_TRUE(
        json.contains(QStringLiteral("\"listItem\":null,\"listRemoveItem\":{\"listHelper\":[]},"
                                     "\"listNome\":null,")))
        << json.toStdString();

    body.ListRemoveItem = std::make_unique<TListInt64>(TListInt64 { 7, 9 });
    body.ListNome = std::make_unique<TListString>(TListString { "a", "b/c" });
    body.ListItem = std::make_unique<TObjectList<TItemTesteDto>>();
    body.ListItem->push_back(std::make_unique<TItemTesteDto>());
    body.ListItem->back()->Nome = QStringLiteral("x");
    body.Principal = std::make_unique<TItemTesteDto>();
    json = body.AsJson();
    EXPECT_TRUE(json.contains(QStringLiteral(
        "\"principal\":{\"nome\":\"\",\"valor\":0,\"id\":0,\"nameClass\":\"TItemTesteDto\"},"
        "\"listItem\":{\"listHelper\":[{\"nome\":\"x\",\"valor\":0,\"id\":0,"
        "\"nameClass\":\"TItemTesteDto\"}]},"
        "\"listRemoveItem\":{\"listHelper\":[7,9]},"
        "\"listNome\":{\"listHelper\":[\"a\",\"b\\/c\"]},")))
        << json.toStdString();
}

TEST(DravikJsonTest, ListConversionsGiveANullResultForMissingOrEmptyLists)
{
    const TListInt64 empty;
    EXPECT_TRUE(TDravikJson::ListInt64ToJson(nullptr).isNull());
    EXPECT_TRUE(TDravikJson::ListInt64ToJson(empty).isNull());
    EXPECT_EQ(TDravikJson::ListInt64ToJson(TListInt64 { 3, 8 }),
              QStringLiteral("{\"listHelper\":[3,8]}"));

    TObjectList<TListaSistemaDto> rows;
    EXPECT_TRUE(TDravikJson::ListToJson(rows).isNull());
    EXPECT_TRUE(TDravikJson::ListToJson<TListaSistemaDto>(nullptr).isNull());
    rows.push_back(std::make_unique<TListaSistemaDto>());
    rows.back()->Id = 4;
    EXPECT_EQ(TDravikJson::ListToJson(rows),
              QStringLiteral("{\"listHelper\":[{\"codigo\":\"\",\"descricao\":\"\",\"tipo\":\"\","
                             "\"id\":4,\"nameClass\":\"TListaSistemaDto\"}]}"));
    EXPECT_TRUE(TDravikJson::ObjectToJson(nullptr).isNull());
}

TEST(DravikJsonTest, ReadsMembersWithoutRegardToCaseAndIgnoresUnknownOnes)
{
    TListaSistemaEntity entity;
    entity.Descricao = QStringLiteral("kept");
    entity.SetAsJson(QStringLiteral(
        "{\"IDOWNER\":5,\"Codigo\":\"04\",\"tipo\":\"BAIXA_CONTRATO\",\"isgeral\":true,"
        "\"desconhecido\":{\"x\":[1,2]},\"ID\":12}"));
    EXPECT_EQ(entity.IdOwner, 5);
    EXPECT_EQ(entity.Id, 12);
    EXPECT_EQ(entity.Codigo, QStringLiteral("04"));
    EXPECT_EQ(entity.Tipo, QStringLiteral("BAIXA_CONTRATO"));
    EXPECT_TRUE(entity.IsGeral);
    EXPECT_EQ(entity.Descricao, QStringLiteral("kept"));
    EXPECT_EQ(entity.NameClass(), QStringLiteral("TListaSistemaEntity"));
}

TEST(DravikJsonTest, ReadsEveryKindAndBuildsNestedObjectsAndListsAnew)
{
    TAgregadoTesteComplexPost body;
    body.Principal = std::make_unique<TItemTesteDto>();
    body.Principal->Nome = QStringLiteral("old");
    const TItemTesteDto *oldPrincipal = body.Principal.get();
    body.ListItem->push_back(std::make_unique<TItemTesteDto>());
    body.SetAsJson(QStringLiteral(
        "{\"numero\":-3,\"valor\":2,\"foto\":\"AAAA\",\"situacao\":\"cancelado\","
        "\"principal\":{\"valor\":1.25},"
        "\"listItem\":{\"listHelper\":[{\"nome\":\"a\",\"id\":1},{\"nome\":\"b\",\"id\":2}]},"
        "\"listRemoveItem\":{\"listHelper\":[7,9]},\"listNome\":{\"listHelper\":[\"x\",12]},"
        "\"dataCadastro\":\"2024-05-31T13:45:10.5Z\",\"nameClass\":\"TOutraClasse\"}"));
    EXPECT_EQ(body.Numero, -3);
    EXPECT_EQ(body.Valor, 2.0);
    EXPECT_EQ(body.Foto, QStringLiteral("AAAA"));
    EXPECT_EQ(body.Situacao, TSituacaoTeste::Cancelado);
    ASSERT_TRUE(body.Principal);
    EXPECT_NE(body.Principal.get(), oldPrincipal);
    EXPECT_EQ(body.Principal->Nome, QString());
    EXPECT_EQ(body.Principal->Valor, 1.25);
    ASSERT_EQ(body.ListItem->size(), 2u);
    EXPECT_EQ((*body.ListItem)[1]->Nome, QStringLiteral("b"));
    EXPECT_EQ((*body.ListItem)[1]->Id, 2);
    EXPECT_EQ(*body.ListRemoveItem, (TListInt64 { 7, 9 }));
    EXPECT_EQ(*body.ListNome, (TListString { "x", "12" }));
    EXPECT_EQ(double(body.DataCadastro), double(EncodeDateTime(2024, 5, 31, 13, 45, 10, 500)));
    // A reply may name another class; setting the property puts the class's own name back.
    EXPECT_EQ(body.NameClass(), QStringLiteral("TOutraClasse"));
    body.SetNameClass(QStringLiteral("ignored"));
    EXPECT_EQ(body.NameClass(), QStringLiteral("TAgregadoTesteComplexPost"));

    // Written and read back, the body is the same.
    TAgregadoTesteComplexPost copy;
    copy.SetAsJson(body.AsJson());
    EXPECT_EQ(copy.AsJson(), body.AsJson());
}

TEST(DravikJsonTest, NullEmptiesFieldsAndLists)
{
    TAgregadoTesteComplexPost body;
    body.Numero = 4;
    body.Valor = 1;
    body.Foto = QStringLiteral("AAAA");
    body.Principal = std::make_unique<TItemTesteDto>();
    body.DataCadastro = 45000;
    body.SetAsJson(
        QStringLiteral("{\"numero\":null,\"valor\":null,\"foto\":null,\"principal\":null,"
                       "\"listItem\":null,\"listRemoveItem\":null,\"dataCadastro\":null,"
                       "\"isAtivo\":null}"));
    EXPECT_EQ(body.Numero, 0);
    EXPECT_EQ(body.Valor, 0.0);
    EXPECT_TRUE(body.Foto.isEmpty());
    EXPECT_FALSE(body.Principal);
    EXPECT_FALSE(body.ListItem);
    EXPECT_FALSE(body.ListRemoveItem);
    EXPECT_EQ(double(body.DataCadastro), 0.0);
}

struct DateCase
{
    const char *Name;
    const char *Text;
    TDateTime Expected;
};

void PrintTo(const DateCase &c, std::ostream *os)
{
    *os << c.Name;
}

class DravikJsonDateTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(DravikJsonDateTest, ReadsIsoDatesAndTurnsOffsetsIntoUtc)
{
    TListaSistemaEntity entity;
    entity.SetAsJson(QStringLiteral("{\"dataCadastro\":\"%1\"}").arg(GetParam().Text));
    EXPECT_DOUBLE_EQ(double(entity.DataCadastro), double(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Dates,
    DravikJsonDateTest,
    ::testing::Values(
        DateCase { "Zulu", "2024-03-05T14:07:09.250Z", EncodeDateTime(2024, 3, 5, 14, 7, 9, 250) },
        DateCase { "NoZone", "2024-03-05T14:07:09", EncodeDateTime(2024, 3, 5, 14, 7, 9, 0) },
        DateCase { "DateOnly", "2024-03-05", EncodeDate(2024, 3, 5) },
        DateCase { "Zero", "1899-12-30T00:00:00.000Z", TDateTime() },
        DateCase { "NegativeOffset",
                   "2024-03-05T22:30:00-03:00",
                   EncodeDateTime(2024, 3, 6, 1, 30, 0, 0) },
        DateCase { "PositiveOffset",
                   "2024-03-05T01:00:00.123+0200",
                   EncodeDateTime(2024, 3, 4, 23, 0, 0, 123) },
        DateCase { "MicroSeconds",
                   "2024-03-05T14:07:09.250999",
                   EncodeDateTime(2024, 3, 5, 14, 7, 9, 250) },
        DateCase { "OffsetBefore1899",
                   "1899-12-29T22:00:00-03:00",
                   EncodeDateTime(1899, 12, 30, 1, 0, 0, 0) }),
    [](const auto &info) { return std::string(info.param.Name); });

struct BadMemberCase
{
    const char *Name;
    const char *Json;
};

void PrintTo(const BadMemberCase &c, std::ostream *os)
{
    *os << c.Name;
}

class DravikJsonBadMemberTest : public ::testing::TestWithParam<BadMemberCase>
{
};

TEST_P(DravikJsonBadMemberTest, RaisesTheConversionError)
{
    TAgregadoTesteComplexPost body;
    EXPECT_THROW(body.SetAsJson(QString::fromUtf8(GetParam().Json)), EConvertError);
    EXPECT_THROW(TDravikJson::JsonToObject<TAgregadoTesteComplexPost>(QByteArray(GetParam().Json)),
                 EConvertError);
}

INSTANTIATE_TEST_SUITE_P(
    Members,
    DravikJsonBadMemberTest,
    ::testing::Values(
        BadMemberCase { "TextIntoInteger", R"({"id":"abc"})" },
        BadMemberCase { "FractionIntoInteger", R"({"id":1.5})" },
        BadMemberCase { "BeyondInt64", R"({"id":18446744073709551615})" },
        BadMemberCase { "BeyondInt32", R"({"numero":3000000000})" },
        BadMemberCase { "ObjectIntoInteger", R"({"numero":{}})" },
        BadMemberCase { "TextIntoDouble", R"({"valor":"1,5"})" },
        BadMemberCase { "NumberIntoBoolean", R"({"isAtivo":1})" },
        BadMemberCase { "BooleanIntoText", R"({"foto":true})" },
        BadMemberCase { "ArrayIntoText", R"({"foto":["a"]})" },
        BadMemberCase { "RegionalDate", R"({"dataCadastro":"31/12/2024"})" },
        BadMemberCase { "ImpossibleDate", R"({"dataCadastro":"2023-02-29T00:00:00Z"})" },
        BadMemberCase { "NumberIntoDate", R"({"dataCadastro":45000})" },
        BadMemberCase { "UnknownIdentifier", R"({"situacao":"Perdido"})" },
        BadMemberCase { "TextIntoObject", R"({"principal":"x"})" },
        BadMemberCase { "BareArrayIntoList", R"({"listItem":[{"id":1}]})" },
        BadMemberCase { "HelperNotAnArray", R"({"listItem":{"listHelper":{}}})" },
        BadMemberCase { "ScalarInObjectList", R"({"listItem":{"listHelper":[1]}})" },
        BadMemberCase { "NullInObjectList", R"({"listItem":{"listHelper":[null]}})" },
        BadMemberCase { "TextInIdList", R"({"listRemoveItem":{"listHelper":["x"]}})" },
        BadMemberCase { "ObjectInTextList", R"({"listNome":{"listHelper":[{}]}})" }),
    [](const auto &info) { return std::string(info.param.Name); });

// One member read from a JSON value: the member as the object then writes it, or the conversion
// error (Written null).
struct NumberCase
{
    const char *Name;
    const char *Member;
    const char *Value;
    const char *Written;
};

void PrintTo(const NumberCase &c, std::ostream *os)
{
    *os << c.Name;
}

class DravikJsonNumberTest : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(DravikJsonNumberTest, ReadsWholeNumbersIntoIntegersAndRefusesTexts)
{
    const NumberCase &c = GetParam();
    const QByteArray json = QByteArray("{\"") + c.Member + "\":" + c.Value + "}";
    if (!c.Written) {
        EXPECT_THROW(TDravikJson::JsonToObject<TAgregadoTesteComplexPost>(json), EConvertError);
        return;
    }
    const auto body = TDravikJson::JsonToObject<TAgregadoTesteComplexPost>(json);
    EXPECT_EQ(TJsonValue::Parse(body->AsJson())[c.Member].ToJson(), QString::fromUtf8(c.Written));
}

INSTANTIATE_TEST_SUITE_P(
    Members,
    DravikJsonNumberTest,
    ::testing::Values(
        NumberCase { "Int64FromInteger", "id", "12", "12" },
        NumberCase { "Int64FromWholeFraction", "id", "5.0", "5" },
        NumberCase { "Int64FromExponent", "id", "1e3", "1000" },
        NumberCase { "Int64FromNegativeZero", "id", "-0.0", "0" },
        NumberCase { "Int64Largest", "id", "9223372036854775807", "9223372036854775807" },
        NumberCase { "Int64FromFraction", "id", "5.5", nullptr },
        NumberCase { "Int64FromTinyExponent", "id", "1e-3", nullptr },
        NumberCase { "Int64BeyondRange", "id", "9.3e18", nullptr },
        NumberCase { "Int64FromText", "id", "\"5\"", nullptr },
        NumberCase { "Int32FromWholeFraction", "numero", "2147483647.0", "2147483647" },
        NumberCase { "Int32Smallest", "numero", "-2147483648", "-2147483648" },
        NumberCase { "Int32BeyondRange", "numero", "3e9", nullptr },
        NumberCase { "Int32FromText", "numero", "\"7\"", nullptr },
        NumberCase { "DoubleFromInteger", "valor", "7", "7" },
        NumberCase { "DoubleFromExponent", "valor", "2.5e3", "2500" },
        NumberCase { "DoubleFromText", "valor", "\"2.5\"", nullptr },
        NumberCase { "IdListFromWholeNumbers",
                     "listRemoveItem",
                     R"({"listHelper":[5.0,1e2]})",
                     R"({"listHelper":[5,100]})" },
        NumberCase {
            "IdListWithAFraction", "listRemoveItem", R"({"listHelper":[1,2.5]})", nullptr },
        NumberCase { "IdListWithText", "listRemoveItem", R"({"listHelper":["3"]})", nullptr },
        // A number into a text gives its text, and a boolean may come as text.
        NumberCase { "TextFromNumber", "foto", "3.5", R"("3.5")" },
        NumberCase { "BooleanFromText", "isAtivo", R"("TRUE")", "true" }),
    [](const auto &info) { return std::string(info.param.Name); });

TEST(DravikJsonTest, AFailedListKeepsTheListItHad)
{
    TAgregadoTesteComplexPost body;
    body.ListItem->push_back(std::make_unique<TItemTesteDto>());
    EXPECT_THROW(
        body.SetAsJson(QStringLiteral(R"({"listItem":{"listHelper":[{"id":1},{"id":"x"}]}})")),
        EConvertError);
    ASSERT_TRUE(body.ListItem);
    EXPECT_EQ(body.ListItem->size(), 1u);
    // A list object without its array is an empty list.
    body.SetAsJson(QStringLiteral(R"({"listItem":{}})"));
    ASSERT_TRUE(body.ListItem);
    EXPECT_TRUE(body.ListItem->empty());
}

struct MalformedCase
{
    const char *Name;
    QByteArray Text;
};

void PrintTo(const MalformedCase &c, std::ostream *os)
{
    *os << c.Name;
}

class DravikJsonMalformedTest : public ::testing::TestWithParam<MalformedCase>
{
};

TEST_P(DravikJsonMalformedTest, GivesTheStructureErrorAndLeavesObjectsAlone)
{
    const QByteArray &text = GetParam().Text;
    EXPECT_EQ(messageOf([&] { TDravikJson::JsonToObject<TListaSistemaEntity>(text); }),
              StructureError);
    EXPECT_EQ(messageOf([&] { TDravikJson::JsonListObjectToList<TListaSistemaDto>(text); }),
              StructureError);
    EXPECT_EQ(
        messageOf([&] { TDravikJson::JsonToList<TListaSistemaDto>(TJsonValue::Parse(text)); }),
        StructureError);

    // Bytes that are no UTF-8 only reach the byte forms: as text they are valid replacements.
    if (QString::fromUtf8(text).toUtf8() != text)
        return;
    TListaSistemaEntity entity;
    entity.Codigo = QStringLiteral("01");
    EXPECT_NO_THROW(entity.SetAsJson(QString::fromUtf8(text)));
    EXPECT_EQ(entity.Codigo, QStringLiteral("01"));
    EXPECT_TRUE(TDravikJson::PrettyPrintJSON(QString::fromUtf8(text)).isEmpty());
    EXPECT_TRUE(TDravikJson::JsonStringToJson(QString::fromUtf8(text)).IsMissing());
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    DravikJsonMalformedTest,
    ::testing::Values(
        MalformedCase { "Empty", "" },
        MalformedCase { "Blank", "   " },
        MalformedCase { "Truncated", R"({"codigo":"01","descricao":"Qui)" },
        MalformedCase { "TruncatedAfterName", R"({"codigo":)" },
        MalformedCase { "UnclosedArray", "[1,2" },
        MalformedCase { "TrailingComma", R"({"codigo":"01",})" },
        MalformedCase { "SingleQuotes", "{'codigo':'01'}" },
        MalformedCase { "NotJson", "Servidor indisponível" },
        MalformedCase { "InvalidUtf8", QByteArray("{\"codigo\":\"\xff\xfe\"}") },
        MalformedCase { "TwoValues", "{} {}" },
        MalformedCase { "DeepArrays", QByteArray(100000, '[') + QByteArray(100000, ']') },
        MalformedCase { "DeepObjects",
                        QByteArray("{\"a\":").repeated(5000) + "1" + QByteArray(5000, '}') }),
    [](const auto &info) { return std::string(info.param.Name); });

TEST(DravikJsonTest, ValuesThatAreNotObjectsOrArraysGiveTheStructureError)
{
    for (const char *text : { "null", "5", "\"texto\"", "true", "[]", "[{\"id\":1}]" }) {
        EXPECT_EQ(messageOf([&] { TDravikJson::JsonToObject<TListaSistemaDto>(QByteArray(text)); }),
                  StructureError)
            << text;
        EXPECT_EQ(messageOf([&] {
                      TDravikJson::JsonToObject<TListaSistemaDto>(
                          TJsonValue::Parse(QByteArray(text)));
                  }),
                  StructureError)
            << text;
    }
    EXPECT_EQ(messageOf([] { TDravikJson::JsonToObject<TListaSistemaDto>(TJsonValue()); }),
              StructureError);
    EXPECT_EQ(messageOf([] { TDravikJson::JsonToList<TListaSistemaDto>(TJsonValue()); }),
              StructureError);
    // An array of something else than objects, or an object where the array belongs.
    for (const char *text : { "[1,2]", "[null]", "[{\"id\":1},[]]", "{\"listHelper\":[]}" }) {
        EXPECT_EQ(messageOf([&] {
                      TDravikJson::JsonToList<TListaSistemaDto>(
                          TJsonValue::Parse(QByteArray(text)));
                  }),
                  StructureError)
            << text;
    }
    for (const char *text : { "{}", "{\"listHelper\":{}}", "{\"listHelper\":null}", "[]" }) {
        EXPECT_EQ(messageOf([&] {
                      TDravikJson::JsonListObjectToList<TListaSistemaDto>(QByteArray(text));
                  }),
                  StructureError)
            << text;
    }
}

TEST(DravikJsonTest, SetAsJsonRaisesOnlyForScalars)
{
    TListaSistemaEntity entity;
    entity.Codigo = QStringLiteral("01");
    for (const char *text : { "null", "[]", "[{\"codigo\":\"02\"}]" }) {
        entity.SetAsJson(QString::fromLatin1(text));
        EXPECT_EQ(entity.Codigo, QStringLiteral("01")) << text;
    }
    for (const char *text : { "5", "\"texto\"", "false" }) {
        EXPECT_EQ(messageOf([&] { entity.SetAsJson(QString::fromLatin1(text)); }),
                  QStringLiteral("The input value is not a valid Object"))
            << text;
    }
}

TEST(DravikJsonTest, ReadsDeeplyNestedObjectsUpToTheParsersLimit)
{
    const int depth = 1000;
    const QByteArray text
        = QByteArray("{\"filho\":").repeated(depth - 1) + "{\"id\":7}" + QByteArray(depth - 1, '}');
    const auto root = TDravikJson::JsonToObject<TNoTesteDto>(text);
    int levels = 1;
    const TNoTesteDto *node = root.get();
    while (node->Filho) {
        node = node->Filho.get();
        ++levels;
    }
    EXPECT_EQ(levels, depth);
    EXPECT_EQ(node->Id, 7);
}

TEST(DravikJsonTest, ConvertsListsOfRowsFromOneParsedReply)
{
    const TJsonValue reply = TJsonValue::Parse(QByteArray(
        R"({"total":2,"pages":1,"listHelper":[{"id":3,"codigo":"01","descricao":"Quitado"},)"
        R"({"id":4,"codigo":"04","descricao":"Óbito"}]})"));
    EXPECT_EQ(reply["total"].AsInt32(), 2);
    EXPECT_EQ(reply["pages"].AsInt32(), 1);
    const TObjectList<TListaSistemaDto> rows
        = TDravikJson::JsonToList<TListaSistemaDto>(reply["listHelper"]);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->Id, 3);
    EXPECT_EQ(rows[1]->Descricao, QStringLiteral("Óbito"));
    EXPECT_EQ(TDravikJson::JsonListObjectToList<TListaSistemaDto>(reply).size(), 2u);
    EXPECT_TRUE(
        TDravikJson::JsonToList<TListaSistemaDto>(TJsonValue::Parse(QByteArray("[]"))).empty());

    const auto companies = TDravikJson::JsonListObjectToList<TEmpresaDto>(QByteArray(
        R"({"listHelper":[{"id":1,"empresa":"Funerária","logo":"iVBO","layoutCartaoDesconto":"R0lG"}]})"));
    ASSERT_EQ(companies.size(), 1u);
    EXPECT_EQ(companies[0]->Logo, QStringLiteral("iVBO"));
    EXPECT_EQ(companies[0]->LayoutCartaoDesconto, QStringLiteral("R0lG"));
}

TEST(DravikJsonTest, ReadsIdListsFromTheirText)
{
    EXPECT_EQ(TDravikJson::ListJsonInt64ToList(QStringLiteral("{\"listHelper\":[7,9]}")),
              (TListInt64 { 7, 9 }));
    EXPECT_TRUE(TDravikJson::ListJsonInt64ToList(QStringLiteral("{\"listHelper\":[]}")).empty());
    EXPECT_THROW(TDravikJson::ListJsonInt64ToList(QStringLiteral("{\"listHelper\":[7,x]}")),
                 EConvertError);
}

TEST(DravikJsonTest, PrettyPrintsByTheIndentationRule)
{
    const QString text = TSerializeObject::PrettyPrintJSON(
        QStringLiteral(R"({"a":1,"b":[true,null],"c":{"d":"x/y"}})"));
    EXPECT_EQ(text,
              QStringLiteral("  {\r\n"
                             "    \"a\":1,\r\n"
                             "    \"b\":[\r\n"
                             "      true,\r\n"
                             "      null\r\n"
                             "    ],\r\n"
                             "    \"c\":{\r\n"
                             "      \"d\":\"x\\/y\"\r\n"
                             "    }\r\n"
                             "  }\r\n"));
    EXPECT_EQ(TSerializeObject::PrettyPrintJSON(QStringLiteral("[1]")),
              QStringLiteral("    [\r\n    1\r\n  ]\r\n"));
}

TEST(DravikJsonTest, ConvertsOnSeveralThreadsAtOnce)
{
    QByteArray reply = "{\"listHelper\":[";
    for (int i = 0; i < 200; ++i)
        reply
            += QStringLiteral("%1{\"id\":%2,\"codigo\":\"%2\"}").arg(i ? "," : "").arg(i).toUtf8();
    reply += "]}";
    std::vector<std::thread> threads;
    std::atomic<int> failures = 0;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int round = 0; round < 20; ++round) {
                const auto rows = TDravikJson::JsonListObjectToList<TListaSistemaDto>(reply);
                const TJsonValue value = TJsonValue::Parse(reply);
                if (rows.size() != 200 || rows[199]->Codigo != QStringLiteral("199")
                    || TDravikJson::JsonListObjectToList<TListaSistemaDto>(value).size() != 200)
                    ++failures;
            }
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    EXPECT_EQ(failures, 0);
}

} // namespace

// The copying between wire objects and in-memory table records, between two objects and between
// two tables, and the freeing of owned items.

#include "Common.Lib.Utils.h"

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Base.Entity.h"
#include "FormatSettings.h"
#include "MemTable.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <type_traits>
#include <unordered_map>

namespace {

class TItemCopiaTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TItemCopiaTesteEntity)

    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TItemCopiaTesteEntity, (TBaseEntity), (Descricao))
ZUNTA_DEFINE_CLASS(TItemCopiaTesteEntity)

// A list row with one property of every kind that reaches a column.
class TCopiaTesteDto final : public TBaseDto
{
    ZUNTA_CLASS(TCopiaTesteDto)

    std::int64_t IdPessoa = 0;
    std::int32_t Quantidade = 0;
    double Valor = 0;
    TDateTime DataVencimento;
    bool IsAtivo = false;
    QString Nome;
    TSString Foto;
    bool AtualizarVinculacaoAPI = false;
};
BOOST_DESCRIBE_STRUCT(
    TCopiaTesteDto,
    (TBaseDto),
    (IdPessoa, Quantidade, Valor, DataVencimento, IsAtivo, Nome, Foto, AtualizarVinculacaoAPI))
ZUNTA_DEFINE_CLASS(TCopiaTesteDto)

// The request body of the same record, with a child list.
class TCopiaTesteEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TCopiaTesteEntity)

    std::int64_t IdPessoa = 0;
    QString Nome;
    double Valor = 0;
    std::unique_ptr<TObjectList<TItemCopiaTesteEntity>> ListItem
        = std::make_unique<TObjectList<TItemCopiaTesteEntity>>();
};
BOOST_DESCRIBE_STRUCT(TCopiaTesteEntity, (TBaseEntity), (IdPessoa, Nome, Valor, ListItem))
ZUNTA_DEFINE_CLASS(TCopiaTesteEntity)

const TMemberInfo &property(const char *name)
{
    const TMemberInfo *found
        = TCopiaTesteDto::StaticClassInfo().FindProperty(QString::fromUtf8(name));
    if (!found)
        throw std::logic_error(name);
    return *found;
}

// The columns a list of TCopiaTesteDto gets, as the presenters declare them.
void addListColumns(TMemTable &table)
{
    table.AddField("ID", TFieldType::LargeInt);
    table.AddField("ID_REGISTRO", TFieldType::AutoInc);
    table.AddField("ID_PESSOA", TFieldType::LargeInt);
    table.AddField("QUANTIDADE", TFieldType::Integer);
    table.AddField("VALOR", TFieldType::Float);
    table.AddField("DATA_VENCIMENTO", TFieldType::DateTime);
    table.AddField("IS_ATIVO", TFieldType::Boolean);
    table.AddField("NOME", TFieldType::String, 100);
    table.AddField("FOTO", TFieldType::Memo);
    table.AddField("ATUALIZAR_VINCULACAO_A_P_I", TFieldType::Boolean);
}

QString describe(const TValue &value)
{
    return std::visit(
        [](const auto &v) -> QString {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::monostate>)
                return QStringLiteral("(none)");
            else if constexpr (std::is_same_v<V, QString> || std::is_same_v<V, TSString>)
                return v;
            else if constexpr (std::is_same_v<V, TDateTime>)
                return DateTimeToStr(v);
            else
                return QString::number(v);
        },
        value);
}

TDateTime dateTime(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return EncodeDateTime(year, month, day, hour, minute, second, msec);
}

// --- Record to object --------------------------------------------------------------------------

TEST(TableCopyTest, FillsTheObjectFromTheCurrentRecordByColumnName)
{
    TMemTable table;
    table.AddField("ID_REGISTRO", TFieldType::AutoInc);
    table.AddField("IDPESSOA", TFieldType::LargeInt); // no "_": still reaches IdPessoa
    table.AddField("\"QUANTIDADE\"", TFieldType::Integer);
    table.AddField("valor", TFieldType::Float);
    table.AddField("DATA_VENCIMENTO", TFieldType::DateTime);
    table.AddField("IS_ATIVO", TFieldType::Boolean);
    table.AddField("NOME", TFieldType::String, 100);
    table.AddField("ATUALIZAR_VINCULACAO_A_P_I", TFieldType::Boolean);
    table.AddField("SEM_PROPRIEDADE", TFieldType::String, 10);
    table.Open();
    for (int row = 1; row <= 2; ++row) {
        table.Append();
        table.FieldByName("IDPESSOA")->SetAsLargeInt(5000000000LL * row);
        table.FieldByName("\"QUANTIDADE\"")->SetAsInteger(7 * row);
        table.FieldByName("VALOR")->SetAsFloat(1234.56 * row);
        table.FieldByName("DATA_VENCIMENTO")->SetAsDateTime(dateTime(2024, 5, row, 13, 45, 10));
        table.FieldByName("IS_ATIVO")->SetAsBoolean(true);
        table.FieldByName("NOME")->SetAsString(QStringLiteral("  Ana %1  ").arg(row));
        table.FieldByName("ATUALIZAR_VINCULACAO_A_P_I")->SetAsBoolean(true);
        table.FieldByName("SEM_PROPRIEDADE")->SetAsString("x");
        table.Post();
    }
    table.First();
    table.Next();

    TCopiaTesteDto dto;
    TUtils::fillDataSetToObject(table, dto);

    EXPECT_EQ(dto.IdPessoa, 10000000000LL);
    EXPECT_EQ(dto.Quantidade, 14);
    EXPECT_EQ(dto.Valor, 2469.12);
    EXPECT_EQ(double(dto.DataVencimento), double(dateTime(2024, 5, 2, 13, 45, 10)));
    EXPECT_TRUE(dto.IsAtivo);
    EXPECT_EQ(dto.Nome, QStringLiteral("Ana 2"));
    EXPECT_TRUE(dto.AtualizarVinculacaoAPI);
    EXPECT_EQ(dto.NameClass(), QStringLiteral("TCopiaTesteDto"));
    EXPECT_EQ(table.FieldByName("ID_REGISTRO")->AsLargeInt(), -2) << "the cursor stays";
}

TEST(TableCopyTest, AFailedValueStopsTheFillAndKeepsWhatWasSet)
{
    TMemTable table;
    table.AddField("ID_PESSOA", TFieldType::LargeInt);
    table.AddField("VALOR", TFieldType::String, 20); // a text column read into a Double
    table.AddField("NOME", TFieldType::String, 20);
    table.Open();
    table.Append();
    table.FieldByName("ID_PESSOA")->SetAsLargeInt(9);
    table.FieldByName("VALOR")->SetAsString("abc");
    table.FieldByName("NOME")->SetAsString("Ana");
    table.Post();

    TCopiaTesteDto dto;
    EXPECT_THROW(TUtils::fillDataSetToObject(table, dto), EConvertError);
    EXPECT_EQ(dto.IdPessoa, 9);
    EXPECT_TRUE(dto.Nome.isEmpty());
}

struct ValueCase
{
    const char *name;
    const char *property;
    TFieldValue value;
    TValue expected; // ignored when the store raises
    enum { Stores, ConvertError, InvalidCast } outcome = Stores;
};

void PrintTo(const ValueCase &c, std::ostream *os)
{
    *os << c.name;
}

class StoreValueTest : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(StoreValueTest, ConvertsByThePropertyType)
{
    const ValueCase &c = GetParam();
    TCopiaTesteDto dto;
    // Start from values that differ from every expected one.
    dto.IdPessoa = 99;
    dto.Quantidade = 99;
    dto.Valor = 99;
    dto.DataVencimento = 99;
    dto.IsAtivo = true;
    dto.Nome = QStringLiteral("antes");
    const TMemberInfo &target = property(c.property);
    switch (c.outcome) {
    case ValueCase::ConvertError:
        EXPECT_THROW(TUtils::setValueToPropertyObject(dto, target, c.value), EConvertError);
        return;
    case ValueCase::InvalidCast:
        EXPECT_THROW(TUtils::setValueToPropertyObject(dto, target, c.value), EInvalidCast);
        return;
    case ValueCase::Stores:
        TUtils::setValueToPropertyObject(dto, target, c.value);
        break;
    }
    const TValue stored = target.GetValue(dto);
    if (const auto *date = std::get_if<TDateTime>(&c.expected))
        EXPECT_EQ(double(std::get<TDateTime>(stored)), double(*date));
    else
        EXPECT_TRUE(stored == c.expected) << describe(stored).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    StoreValueTest,
    ::testing::Values(
        // Null gives the empty value of each type.
        ValueCase { "NullDate", "DataVencimento", {}, TDateTime() },
        ValueCase { "NullDouble", "Valor", {}, 0.0 },
        ValueCase { "NullInt64", "IdPessoa", {}, std::int64_t(0) },
        ValueCase { "NullInteger", "Quantidade", {}, std::int32_t(0) },
        ValueCase { "NullBoolean", "IsAtivo", {}, false },
        ValueCase { "NullText", "Nome", {}, QString() },
        // Dates: the regional text, then the ISO layout by position, else the raw value.
        ValueCase { "DateValue",
                    "DataVencimento",
                    dateTime(2024, 5, 31, 8, 0, 0),
                    dateTime(2024, 5, 31, 8, 0, 0) },
        ValueCase { "DateValueKeepsWholeSeconds",
                    "DataVencimento",
                    dateTime(2024, 5, 31, 8, 0, 1, 750),
                    dateTime(2024, 5, 31, 8, 0, 1) },
        ValueCase { "RegionalText",
                    "DataVencimento",
                    QStringLiteral("31/05/2024 13:45"),
                    dateTime(2024, 5, 31, 13, 45, 0) },
        ValueCase { "IsoTextByPosition",
                    "DataVencimento",
                    QStringLiteral("2024-05-31T13:45:10"),
                    dateTime(2024, 5, 31, 13, 45, 10) },
        ValueCase { "IsoTextWithZone",
                    "DataVencimento",
                    QStringLiteral("2024-05-31T13:45:10.250Z"),
                    dateTime(2024, 5, 31, 13, 45, 10) },
        ValueCase { "IsoDateWithoutTime",
                    "DataVencimento",
                    QStringLiteral("2024-05-31"),
                    {},
                    ValueCase::InvalidCast },
        ValueCase {
            "TextNoDate", "DataVencimento", QStringLiteral("amanhã"), {}, ValueCase::InvalidCast },
        ValueCase { "DayCount", "DataVencimento", std::int64_t(45443), TDateTime(45443) },
        // Floating and 64-bit numbers are read from the value's text.
        ValueCase { "DoubleValue", "Valor", 0.1 + 0.2, 0.3 },
        ValueCase { "DoubleFromText", "Valor", QStringLiteral("1,5"), 1.5 },
        ValueCase { "DoubleFromWhole", "Valor", std::int64_t(3), 3.0 },
        ValueCase {
            "DoubleFromBadText", "Valor", QStringLiteral("1.5"), {}, ValueCase::ConvertError },
        ValueCase { "DoubleFromBoolean", "Valor", true, {}, ValueCase::ConvertError },
        ValueCase { "Int64FromText", "IdPessoa", QStringLiteral("42"), std::int64_t(42) },
        ValueCase { "Int64FromWholeDouble", "IdPessoa", 7.0, std::int64_t(7) },
        ValueCase { "Int64FromFraction", "IdPessoa", 7.5, {}, ValueCase::ConvertError },
        // Integer and Boolean take the raw value.
        ValueCase { "IntegerValue", "Quantidade", std::int64_t(12), std::int32_t(12) },
        ValueCase {
            "IntegerFromText", "Quantidade", QStringLiteral("12"), {}, ValueCase::InvalidCast },
        ValueCase { "IntegerOutOfRange",
                    "Quantidade",
                    std::int64_t(3000000000LL),
                    {},
                    ValueCase::InvalidCast },
        ValueCase { "BooleanValue", "IsAtivo", false, false },
        ValueCase {
            "BooleanFromText", "IsAtivo", QStringLiteral("True"), {}, ValueCase::InvalidCast },
        // Any other type takes the trimmed text.
        ValueCase { "TextTrimmed", "Nome", QStringLiteral("  ABC  "), QStringLiteral("ABC") },
        ValueCase {
            "TextControlCharacters", "Nome", QStringLiteral("\tA B\r\n"), QStringLiteral("A B") },
        ValueCase { "TextFromNumber", "Nome", 1.5, QStringLiteral("1,5") },
        ValueCase {
            "TextFromDate", "Nome", dateTime(2024, 5, 31, 0, 0, 0), QStringLiteral("31/05/2024") },
        ValueCase {
            "PictureTakesTextUnchanged", "Foto", QStringLiteral(" QUJD "), TSString(u"QUJD") }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TableCopyTest, APictureColumnIsReadAsBase64AndWrittenBackUnchanged)
{
    TMemTable table;
    table.AddField("FOTO", TFieldType::Memo);
    table.Open();
    table.Append();
    const QString hundred = QString(100, u'a');
    table.FieldByName("FOTO")->SetAsString(hundred);
    table.Post();

    TCopiaTesteDto dto;
    TUtils::fillDataSetToObject(table, dto);
    const QString encoded = QString::fromLatin1(QByteArray(hundred.toLatin1()).toBase64());
    EXPECT_EQ(dto.Foto, encoded.left(76) + QStringLiteral("\r\n") + encoded.mid(76));

    // The way back stores the text as it is, so a round trip encodes it once more.
    table.Edit();
    TUtils::setValuePropertyToDataSet(dto, *table.FieldByName("FOTO"));
    table.Post();
    EXPECT_EQ(table.FieldByName("FOTO")->AsString(), dto.Foto);
    TCopiaTesteDto again;
    TUtils::fillDataSetToObject(table, again);
    EXPECT_NE(again.Foto, dto.Foto);
    EXPECT_EQ(QByteArray::fromBase64(again.Foto.toLatin1()), dto.Foto.toLatin1());

    // An empty column gives an empty picture.
    table.Edit();
    table.FieldByName("FOTO")->Clear();
    table.Post();
    TUtils::fillDataSetToObject(table, dto);
    EXPECT_TRUE(dto.Foto.isEmpty());
}

// --- Object to column --------------------------------------------------------------------------

// Writing a property stores what the column makes of the property's text form.
struct WriteCase
{
    const char *name;
    const char *property;
    TFieldType column;
    const char *text; // the column's text after the write
};

void PrintTo(const WriteCase &c, std::ostream *os)
{
    *os << c.name;
}

class WritePropertyTest : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(WritePropertyTest, WritesTheTextForm)
{
    const WriteCase &c = GetParam();
    TCopiaTesteDto dto;
    dto.IdPessoa = -12;
    dto.Quantidade = 3;
    dto.Valor = 0.1 + 0.2;
    dto.DataVencimento = dateTime(2024, 5, 31, 13, 45, 10, 500);
    dto.IsAtivo = true;
    dto.Nome = QStringLiteral(" Ana ");
    dto.Foto = QStringLiteral("QUJD");
    TMemTable table;
    table.AddField("VALOR", c.column, 50);
    table.Open();
    table.Append();
    TUtils::setValuePropertyToDataSet(dto, property(c.property), *table.Fields(0));
    table.Post();
    EXPECT_EQ(table.Fields(0)->AsString(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    WritePropertyTest,
    ::testing::Values(
        WriteCase { "Int64ToText", "IdPessoa", TFieldType::String, "-12" },
        WriteCase { "Int64ToLargeInt", "IdPessoa", TFieldType::LargeInt, "-12" },
        WriteCase { "IntegerToFloat", "Quantidade", TFieldType::Float, "3" },
        WriteCase { "DoubleToText", "Valor", TFieldType::String, "0,3" },
        WriteCase { "DateToText", "DataVencimento", TFieldType::String, "31/05/2024 13:45:10" },
        WriteCase { "BooleanToText", "IsAtivo", TFieldType::String, "True" },
        WriteCase { "BooleanToBoolean", "IsAtivo", TFieldType::Boolean, "True" },
        WriteCase { "TextUnchanged", "Nome", TFieldType::String, " Ana " },
        WriteCase { "PictureUnchanged", "Foto", TFieldType::Memo, "QUJD" },
        WriteCase { "NameClass", "NameClass", TFieldType::String, "TCopiaTesteDto" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TableCopyTest, WritesZeroDatesAndBooleansAsTheirTexts)
{
    TCopiaTesteDto dto;
    TMemTable table;
    table.AddField("DATA_VENCIMENTO", TFieldType::String, 20);
    table.AddField("IS_ATIVO", TFieldType::String, 20);
    table.AddField("QUANTIDADE", TFieldType::Integer);
    table.Open();
    table.Append();
    TUtils::setValuePropertyToDataSet(dto, *table.FieldByName("DATA_VENCIMENTO"));
    TUtils::setValuePropertyToDataSet(dto, *table.FieldByName("IS_ATIVO"));
    EXPECT_EQ(table.FieldByName("DATA_VENCIMENTO")->AsString(), QStringLiteral("30/12/1899"));
    EXPECT_EQ(table.FieldByName("IS_ATIVO")->AsString(), QStringLiteral("False"));

    // A value the column cannot hold raises the column's error.
    TCopiaTesteEntity entity;
    TMemTable narrow;
    narrow.AddField("ID_PESSOA", TFieldType::Integer);
    narrow.Open();
    narrow.Append();
    entity.IdPessoa = 3000000000LL;
    EXPECT_THROW(TUtils::setValuePropertyToDataSet(entity, *narrow.Fields(0)), EConvertError);
}

TEST(TableCopyTest, TheSecondFormDoesNothingForAColumnWithoutProperty)
{
    TCopiaTesteDto dto;
    TMemTable table;
    table.AddField("SEM_PROPRIEDADE", TFieldType::String, 20);
    table.Open();
    table.Append();
    TUtils::setValuePropertyToDataSet(dto, *table.Fields(0));
    EXPECT_TRUE(table.Fields(0)->IsNull());
}

// Typed values go into typed columns without their text; the column must end with exactly what
// the text would have given it.
TEST(TableCopyTest, TypedWritesStoreWhatTheTextFormWould)
{
    QRandomGenerator random(20240531);
    std::vector<double> numbers = { 0.1 + 0.2,  89.9,
                                    -1.25,      1e20,
                                    1.5e-7,     123456789.123456789,
                                    1.0 / 3,    -2.0 / 3,
                                    1e15 + 0.3, 9.999999999999999e22,
                                    0.0,        -0.0,
                                    5e-324,     1.7976931348623157e308 };
    for (int i = 0; i < 2000; ++i) {
        numbers.push_back(std::ldexp(random.generateDouble() - 0.5, random.bounded(-60, 60)));
        numbers.push_back(random.bounded(-10000000, 10000000) / 100.0);
    }
    std::vector<double> dates = { 0.0,
                                  double(dateTime(2024, 5, 31, 23, 59, 59, 999)),
                                  45443.999999999,
                                  45443.5000000001,
                                  2958465.9999999 };
    for (int i = 0; i < 2000; ++i)
        dates.push_back(random.generateDouble() * 2958465.0);

    TMemTable typed;
    typed.AddField("VALOR", TFieldType::Float);
    typed.AddField("DATA_VENCIMENTO", TFieldType::DateTime);
    typed.Open();
    TMemTable fromText;
    fromText.AddField("VALOR", TFieldType::Float);
    fromText.AddField("DATA_VENCIMENTO", TFieldType::DateTime);
    fromText.Open();
    typed.Append();
    fromText.Append();

    auto sameOutcome = [](const std::function<void()> &write, const std::function<void()> &text) {
        std::optional<QString> writeError;
        std::optional<QString> textError;
        try {
            write();
        } catch (const Exception &e) {
            writeError = e.Message();
        }
        try {
            text();
        } catch (const Exception &e) {
            textError = e.Message();
        }
        return writeError == textError;
    };

    TCopiaTesteDto dto;
    for (double number : numbers) {
        dto.Valor = number;
        EXPECT_TRUE(sameOutcome([&] { TUtils::setValuePropertyToDataSet(dto, *typed.Fields(0)); },
                                [&] { fromText.Fields(0)->SetAsString(FloatToStr(number)); }))
            << number;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(typed.Fields(0)->AsFloat()),
                  std::bit_cast<std::uint64_t>(fromText.Fields(0)->AsFloat()))
            << FloatToStr(number).toStdString();
        if (HasFailure())
            return; // one mismatch tells enough
    }
    for (double date : dates) {
        dto.DataVencimento = date;
        EXPECT_TRUE(sameOutcome([&] { TUtils::setValuePropertyToDataSet(dto, *typed.Fields(1)); },
                                [&] { fromText.Fields(1)->SetAsString(DateTimeToStr(date)); }))
            << date;
        EXPECT_EQ(double(typed.Fields(1)->AsDateTime()), double(fromText.Fields(1)->AsDateTime()))
            << DateTimeToStr(date).toStdString();

        // Reading a date column into a property keeps as much as its text would.
        fromText.Fields(1)->SetAsDateTime(date);
        TUtils::setValueToPropertyObject(
            dto, property("DataVencimento"), fromText.Fields(1)->Value());
        TDateTime expected;
        ASSERT_TRUE(TryStrToDateTime(DateTimeToStr(date), expected)) << date;
        EXPECT_EQ(double(dto.DataVencimento), double(expected)) << date;
        if (HasFailure())
            return;
    }
}

// --- The maps for whole lists -------------------------------------------------------------------

TEST(TableCopyTest, AListGoesIntoTheTableAndBackThroughTheMaps)
{
    TMemTable table;
    addListColumns(table);
    table.Open();

    TObjectList<TCopiaTesteDto> rows;
    for (int i = 0; i < 3; ++i) {
        auto row = std::make_unique<TCopiaTesteDto>();
        row->Id = 100 + i;
        row->IdPessoa = 5000000000LL + i;
        row->Quantidade = i;
        row->Valor = 10.25 * i;
        row->DataVencimento = dateTime(2024, 1 + i, 10, 9, 30, 0);
        row->IsAtivo = i % 2 == 0;
        row->Nome = QStringLiteral("Linha %1").arg(i);
        row->AtualizarVinculacaoAPI = true;
        rows.push_back(std::move(row));
    }
    const TObjectToRecordMap writer(TCopiaTesteDto::StaticClassInfo(), table);
    EXPECT_EQ(writer.count(), 9u); // every property but NameClass and AsJson
    for (const auto &row : rows) {
        table.Append();
        writer.copyObject(*row);
        table.Post();
    }
    ASSERT_EQ(table.RecordCount(), 3);

    const TRecordToObjectMap reader(table, TCopiaTesteDto::StaticClassInfo());
    table.First();
    for (const auto &row : rows) {
        EXPECT_EQ(table.FieldByName("ID_REGISTRO")->AsLargeInt(), -1 - row->Quantidade);
        TCopiaTesteDto back;
        reader.copyRecord(back);
        EXPECT_EQ(back.Id, row->Id);
        EXPECT_EQ(back.IdPessoa, row->IdPessoa);
        EXPECT_EQ(back.Quantidade, row->Quantidade);
        EXPECT_EQ(back.Valor, row->Valor);
        EXPECT_EQ(double(back.DataVencimento), double(row->DataVencimento));
        EXPECT_EQ(back.IsAtivo, row->IsAtivo);
        EXPECT_EQ(back.Nome, row->Nome);
        EXPECT_TRUE(back.AtualizarVinculacaoAPI);
        table.Next();
    }
}

TEST(TableCopyTest, TheListMapWritesOnlyTheSnakeFormColumns)
{
    TMemTable table;
    table.AddField("IDPESSOA", TFieldType::LargeInt);
    table.AddField("nome", TFieldType::String, 20);
    table.AddField("ASJSON", TFieldType::Memo);
    table.Open();
    TCopiaTesteDto dto;
    dto.IdPessoa = 5;
    dto.Nome = QStringLiteral("Ana");
    const TObjectToRecordMap writer(TCopiaTesteDto::StaticClassInfo(), table);
    EXPECT_EQ(writer.count(), 1u);
    table.Append();
    writer.copyObject(dto);
    table.Post();
    EXPECT_TRUE(table.FieldByName("IDPESSOA")->IsNull());
    EXPECT_TRUE(table.FieldByName("ASJSON")->IsNull());
    EXPECT_EQ(table.FieldByName("NOME")->AsString(), QStringLiteral("Ana"));
}

// --- Object to object --------------------------------------------------------------------------

TEST(CopyInfoObjectTest, CopiesSameNamedScalarsAndKeepsTheDestinationsClassAndLists)
{
    TCopiaTesteDto dto;
    dto.Id = 8;
    dto.IdPessoa = 5;
    dto.Nome = QStringLiteral("Ana");
    dto.Valor = 12.5;
    dto.Quantidade = 3; // the entity has no such property
    TCopiaTesteEntity entity;
    entity.IdOwner = 2;
    entity.ListItem->push_back(std::make_unique<TItemCopiaTesteEntity>());

    TUtils::CopyInfoObject(&dto, &entity);

    EXPECT_EQ(entity.Id, 8);
    EXPECT_EQ(entity.IdPessoa, 5);
    EXPECT_EQ(entity.Nome, QStringLiteral("Ana"));
    EXPECT_EQ(entity.Valor, 12.5);
    EXPECT_EQ(entity.IdOwner, 2);
    EXPECT_EQ(entity.ListItem->size(), 1u) << "the row carries no list";
    EXPECT_EQ(entity.NameClass(), QStringLiteral("TCopiaTesteEntity"));
}

TEST(CopyInfoObjectTest, CarriesChildListsThroughTheWholeJson)
{
    TCopiaTesteEntity source;
    source.Id = 4;
    source.DataCadastro = dateTime(2024, 3, 5, 14, 7, 9);
    for (const char *text : { "um", "dois" }) {
        auto item = std::make_unique<TItemCopiaTesteEntity>();
        item->Descricao = QString::fromUtf8(text);
        source.ListItem->push_back(std::move(item));
    }
    TCopiaTesteEntity dest;
    TUtils::CopyInfoObject(&source, &dest);
    EXPECT_EQ(dest.Id, 4);
    EXPECT_EQ(double(dest.DataCadastro), double(source.DataCadastro));
    ASSERT_EQ(dest.ListItem->size(), 2u);
    EXPECT_EQ(dest.ListItem->at(1)->Descricao, QStringLiteral("dois"));
    EXPECT_NE(dest.ListItem->at(0).get(), source.ListItem->at(0).get());
    EXPECT_EQ(dest.AsJson(), source.AsJson());

    TUtils::CopyInfoObject(nullptr, &dest);
    TUtils::CopyInfoObject(&source, nullptr);
    EXPECT_EQ(dest.Id, 4);
}

// --- Record to record --------------------------------------------------------------------------

class CopyItemDataSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        source.AddField("ID_REGISTRO", TFieldType::AutoInc);
        source.AddField("ID", TFieldType::LargeInt);
        source.AddField("NOME", TFieldType::String, 50);
        source.Open();
        for (int i = 1; i <= 3; ++i) {
            source.Append();
            source.FieldByName("ID")->SetAsLargeInt(i * 10);
            source.FieldByName("NOME")->SetAsString(QStringLiteral("N%1").arg(i));
            source.Post();
        }
    }

    TMemTable source;
    TMemTable dest;
};

TEST_F(CopyItemDataSetTest, AppendsTheCurrentRecordWithoutItsClientKey)
{
    dest.AddField("ID_REGISTRO", TFieldType::AutoInc);
    dest.AddField("NOME", TFieldType::String, 50);
    dest.AddField("ID", TFieldType::LargeInt);
    dest.Open();
    source.Last();
    TUtils::CopyInfoItemDataSet(source, dest);
    EXPECT_EQ(dest.State(), TDataSetState::Browse);
    ASSERT_EQ(dest.RecordCount(), 1);
    EXPECT_EQ(dest.FieldByName("ID")->AsLargeInt(), 30);
    EXPECT_EQ(dest.FieldByName("NOME")->AsString(), QStringLiteral("N3"));
    EXPECT_EQ(dest.FieldByName("ID_REGISTRO")->AsLargeInt(), -1) << "the destination's own key";
}

TEST_F(CopyItemDataSetTest, AFailedCopyCancelsItsAppend)
{
    dest.AddField("ID_REGISTRO", TFieldType::AutoInc);
    dest.AddField("ID", TFieldType::LargeInt); // no NOME
    dest.Open();
    source.First();
    try {
        TUtils::CopyInfoItemDataSet(source, dest);
        FAIL() << "a missing column must raise";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Field 'NOME' not found")))
            << e.Message().toStdString();
    }
    EXPECT_EQ(dest.State(), TDataSetState::Browse);
    // The half-copied record is not posted by the next append either.
    dest.Append();
    dest.FieldByName("ID")->SetAsLargeInt(77);
    dest.Post();
    ASSERT_EQ(dest.RecordCount(), 1);
    dest.First();
    EXPECT_EQ(dest.FieldByName("ID")->AsLargeInt(), 77);

    // A value the destination column cannot take fails the same way.
    TMemTable numbers;
    numbers.AddField("NOME", TFieldType::Integer);
    numbers.AddField("ID", TFieldType::LargeInt);
    numbers.Open();
    EXPECT_THROW(TUtils::CopyInfoItemDataSet(source, numbers), EConvertError);
    EXPECT_EQ(numbers.State(), TDataSetState::Browse);
    EXPECT_EQ(numbers.RecordCount(), 0);
}

TEST_F(CopyItemDataSetTest, CloneCopiesTheColumnsAndTheRecordsShown)
{
    source.Fields(1)->SetVisible(false);
    source.SetFilter("ID >= 20");
    source.SetFiltered(true);
    dest.AddField("OUTRA", TFieldType::Boolean);
    dest.Open();

    TUtils::CloneDataSet(source, dest, true);

    ASSERT_EQ(dest.FieldCount(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dest.Fields(i)->FieldName(), source.Fields(i)->FieldName());
        EXPECT_EQ(dest.Fields(i)->DataType(), source.Fields(i)->DataType());
        EXPECT_EQ(dest.Fields(i)->Size(), source.Fields(i)->Size());
        EXPECT_EQ(dest.Fields(i)->Visible(), source.Fields(i)->Visible());
    }
    EXPECT_TRUE(source.Eof());
    ASSERT_EQ(dest.RecordCount(), 2);
    dest.First();
    EXPECT_EQ(dest.FieldByName("ID")->AsLargeInt(), 20);
    EXPECT_EQ(dest.FieldByName("ID_REGISTRO")->AsLargeInt(), -1);

    TMemTable empty;
    TUtils::CloneDataSet(source, empty, false);
    EXPECT_TRUE(empty.Active());
    EXPECT_EQ(empty.FieldCount(), 3);
    EXPECT_EQ(empty.RecordCount(), 0);
}

// --- Freeing -----------------------------------------------------------------------------------

struct TCounted
{
    explicit TCounted(int &freed)
        : m_freed(freed)
    { }
    ~TCounted() { ++m_freed; }
    int &m_freed;
};

TEST(FreeItemsTest, FreeListItemsFreesFromTheIndexOn)
{
    int freed = 0;
    TObjectList<TCounted> list;
    for (int i = 0; i < 5; ++i)
        list.push_back(i == 3 ? nullptr : std::make_unique<TCounted>(freed));
    TCounted *second = list[1].get();

    TUtils::FreeListItems(&list, 2);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].get(), second);
    EXPECT_EQ(freed, 2) << "the nil entry is removed without a free";

    TUtils::FreeListItems(&list, 7);
    EXPECT_EQ(list.size(), 2u);
    TUtils::FreeListItems(&list, -1);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(freed, 4);
    TUtils::FreeListItems<TCounted>(nullptr, 0);
}

TEST(FreeItemsTest, FreeDictionaryItemsAndFreeStringListEmptyTheirContainers)
{
    int freed = 0;
    std::map<QString, std::unique_ptr<TCounted>> map;
    map.emplace("a", std::make_unique<TCounted>(freed));
    map.emplace("b", nullptr);
    TUtils::FreeDictionaryItems(&map);
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(freed, 1);

    std::unordered_map<QString, std::unique_ptr<TCounted>> hash;
    hash.emplace("c", std::make_unique<TCounted>(freed));
    TUtils::FreeDictionaryItems(&hash);
    EXPECT_TRUE(hash.empty());
    EXPECT_EQ(freed, 2);
    std::map<QString, std::unique_ptr<TCounted>> *noMap = nullptr;
    TUtils::FreeDictionaryItems(noMap);

    TStringObjectList<TCounted> lines;
    lines.emplace_back("x", std::make_unique<TCounted>(freed));
    lines.emplace_back("y", nullptr);
    TUtils::FreeStringList(&lines);
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(freed, 3);
    TUtils::FreeStringList<TCounted>(nullptr);
}

// --- SQL literal of a property ------------------------------------------------------------------

TEST(TableCopyTest, SqlLiteralOfAPropertyFollowsItsType)
{
    TCopiaTesteDto dto;
    dto.IdPessoa = 42;
    dto.Valor = 12.5;
    dto.Nome = QStringLiteral("D'Ávila");
    dto.DataVencimento = dateTime(2024, 5, 31, 13, 45, 10);
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("IdPessoa"), false), QStringLiteral("42"));
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("Quantidade"), false),
              QStringLiteral("null"));
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("Valor"), false), QStringLiteral("12.5"));
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("Nome"), false),
              QStringLiteral("'D''Avila'"));
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("DataVencimento"), false),
              QStringLiteral("'2024/05/31 13:45:10'"));
    EXPECT_EQ(TUtils::getValueStringProp(dto, property("IsAtivo"), true),
              QStringLiteral("'False'"));
}

} // namespace

#include "FormatSettings.h"
#include "MemTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Qt::StringLiterals;

// A child list table as every presenter declares it: the server id, the client-side key, the
// parent key, then its own columns.
class MemTableTest : public ::testing::Test
{
protected:
    MemTableTest()
    {
        table.AddField(u"ID"_s, TFieldType::LargeInt)->SetDisplayFormat(u"0000000000"_s);
        TField *key = table.AddField(u"ID_REGISTRO"_s, TFieldType::AutoInc);
        key->SetVisible(false);
        table.AddField(u"ID_REGISTRO_FK"_s, TFieldType::LargeInt);
        table.AddField(u"NOME"_s, TFieldType::String, 100);
        table.AddField(u"VENCIMENTO"_s, TFieldType::DateTime)->SetDisplayFormat(u"dd/mm/yyyy"_s);
        table.AddField(u"ORDEM"_s, TFieldType::Integer);
        table.Open();
    }

    void add(std::int64_t id, const QString &nome, std::int64_t parent = 0, int ordem = 0)
    {
        table.Append();
        table.FieldByName(u"ID"_s)->SetAsLargeInt(id);
        table.FieldByName(u"NOME"_s)->SetAsString(nome);
        if (parent != 0)
            table.FieldByName(u"ID_REGISTRO_FK"_s)->SetAsLargeInt(parent);
        table.FieldByName(u"ORDEM"_s)->SetAsInteger(ordem);
        table.Post();
    }

    // The values of one column over the view, from the first record.
    QStringList column(const QString &name)
    {
        QStringList values;
        for (table.First(); !table.Eof(); table.Next())
            values << table.FieldByName(name)->AsString();
        return values;
    }

    TMemTable table { u"dependente_plano"_s };
};

TEST_F(MemTableTest, GivesAppendedRowsNegativeKeysThatAreNeverReused)
{
    table.Append();
    EXPECT_EQ(table.FieldByName(u"ID_REGISTRO"_s)->AsLargeInt(), -1); // readable before Post
    table.FieldByName(u"NOME"_s)->SetAsString(u"A"_s);
    table.Post();
    add(0, u"B"_s);
    table.Append(); // abandoned: its key is spent
    table.Cancel();
    add(0, u"C"_s);
    EXPECT_EQ(column(u"ID_REGISTRO"_s), (QStringList { u"-1"_s, u"-2"_s, u"-4"_s }));

    table.EmptyDataSet();
    add(0, u"D"_s);
    EXPECT_EQ(table.FieldByName(u"ID_REGISTRO"_s)->AsLargeInt(), -5);
    EXPECT_FALSE(table.FieldByName(u"id_registro"_s)->Visible());

    table.CreateDataSet(); // a table opened anew counts from -1 again
    add(0, u"E"_s);
    EXPECT_EQ(table.FieldByName(u"ID_REGISTRO"_s)->AsLargeInt(), -1);
}

TEST_F(MemTableTest, RowEditedOutOfTheFilterLeavesTheView)
{
    add(10, u"A"_s);
    add(11, u"B"_s, 7);
    add(12, u"C"_s);
    add(13, u"D"_s);

    // Linking the unlinked rows to parent -9, as a child presenter does after its parent's save.
    table.SetFilter(u"ID_REGISTRO_FK = 0 or ID_REGISTRO_FK = null"_s);
    table.SetFiltered(true);
    EXPECT_EQ(table.RecordCount(), 3);
    int rounds = 0;
    while (table.RecordCount() > 0 && rounds++ < 10) {
        table.First();
        table.Edit();
        table.FieldByName(u"ID_REGISTRO_FK"_s)->SetAsLargeInt(-9);
        table.Post();
    }
    EXPECT_EQ(rounds, 3);
    EXPECT_TRUE(table.Eof());

    table.SetFilter(u"ID_REGISTRO_FK = -9"_s);
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"10"_s, u"12"_s, u"13"_s }));

    // A row appended outside the filter is stored but not shown; one inside is shown.
    add(14, u"E"_s);
    EXPECT_EQ(table.RecordCount(), 3);
    add(15, u"F"_s, -9);
    EXPECT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 15);

    // Editing the middle row out of the view makes the row after it current.
    table.First();
    table.Next();
    table.Edit();
    table.FieldByName(u"ID_REGISTRO_FK"_s)->SetAsLargeInt(1);
    table.Post();
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 13);

    table.SetFiltered(false);
    EXPECT_EQ(table.RecordCount(), 6);
}

TEST_F(MemTableTest, DeletesWhileIterating)
{
    for (int i = 1; i <= 6; ++i)
        add(i, QString::number(i), i % 2 ? 3 : 4);

    // Every other row, the last one included: "delete or next" until the end.
    table.First();
    while (!table.Eof()) {
        if (table.FieldByName(u"ID"_s)->AsLargeInt() % 2 == 0)
            table.Delete();
        else
            table.Next();
    }
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"1"_s, u"3"_s, u"5"_s }));

    // Under a filter, "first and delete while rows remain", as removing a parent's children does.
    add(7, u"7"_s, 4);
    table.SetFilter(u"ID_REGISTRO_FK = 3"_s);
    table.SetFiltered(true);
    QStringList removed;
    while (table.RecordCount() > 0) {
        table.First();
        removed << table.FieldByName(u"ID"_s)->AsString();
        table.Delete();
    }
    EXPECT_EQ(removed, (QStringList { u"1"_s, u"3"_s, u"5"_s }));
    table.SetFiltered(false);
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"7"_s }));

    table.EmptyDataSet();
    EXPECT_THROW(table.Delete(), EDatabaseError);
}

TEST_F(MemTableTest, OrdersByColumnsAndKeepsTheOrderOnPost)
{
    add(1, u"Bruno"_s, 0, 2);
    add(2, u"Álvaro"_s, 0, 1);
    add(3, u"carla"_s, 0, 2);
    add(4, u"Zé"_s, 0, 0);
    table.Append(); // no order: null sorts first
    table.FieldByName(u"ID"_s)->SetAsLargeInt(5);
    table.Post();

    table.Locate(u"ID"_s, std::int64_t(3));
    table.SetIndexFieldNames(u"ORDEM;NOME"_s);
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 3); // the current record stays current
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"5"_s, u"4"_s, u"2"_s, u"1"_s, u"3"_s }));

    // pt-BR order of texts: accents and letter case do not push a name to the end.
    table.SetIndexFieldNames(u"nome:D"_s);
    EXPECT_EQ(column(u"NOME"_s),
              (QStringList { u"Zé"_s, u"carla"_s, u"Bruno"_s, u"Álvaro"_s, u""_s }));

    // A posted row takes its place in the order, appended or edited.
    add(6, u"Davi"_s);
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"4"_s, u"6"_s, u"3"_s, u"1"_s, u"2"_s, u"5"_s }));
    ASSERT_TRUE(table.Locate(u"ID"_s, std::int64_t(4)));
    table.Edit();
    table.FieldByName(u"NOME"_s)->SetAsString(u"Ana"_s);
    table.Post();
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 4);
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"6"_s, u"3"_s, u"1"_s, u"4"_s, u"2"_s, u"5"_s }));

    table.SetIndexFieldNames(QString());
    EXPECT_EQ(column(u"ID"_s), (QStringList { u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s }));
    EXPECT_THROW(table.SetIndexFieldNames(u"SEM_COLUNA"_s), EDatabaseError);
}

TEST_F(MemTableTest, LocatesInTheViewByOneOrSeveralColumns)
{
    add(57, u"A"_s, 3);
    add(58, u"B"_s, 4);
    add(59, u"B"_s, 3);
    table.First();

    EXPECT_TRUE(table.Locate(u"ID_REGISTRO"_s, std::int64_t(-2)));
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 58);
    EXPECT_TRUE(table.Locate(u"NOME;ID_REGISTRO_FK"_s, { u"B"_s, u"3"_s })); // text converted
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 59);
    EXPECT_FALSE(table.Locate(u"ID"_s, std::int64_t(99)));
    EXPECT_EQ(table.FieldByName(u"ID"_s)->AsLargeInt(), 59); // not found: the cursor stays

    table.SetFilter(u"ID_REGISTRO_FK = 3"_s);
    table.SetFiltered(true);
    EXPECT_FALSE(table.Locate(u"ID"_s, std::int64_t(58))); // filtered out
    EXPECT_THROW(table.Locate(u"SEM_COLUNA"_s, std::int64_t(1)), EDatabaseError);
}

TEST_F(MemTableTest, EditsThroughABufferThatPostOrCancelSettles)
{
    add(1, u"ORIGINAL"_s);
    EXPECT_THROW(table.FieldByName(u"NOME"_s)->SetAsString(u"X"_s), EDatabaseError);

    table.Edit();
    table.FieldByName(u"NOME"_s)->SetAsString(u"CHANGED"_s);
    table.Cancel();
    EXPECT_EQ(table.FieldByName(u"NOME"_s)->AsString(), u"ORIGINAL"_s);

    // Moving away posts a changed record and drops an untouched new one.
    table.Edit();
    table.FieldByName(u"NOME"_s)->SetAsString(u"CHANGED"_s);
    table.First();
    EXPECT_EQ(table.State(), TDataSetState::Browse);
    EXPECT_EQ(table.FieldByName(u"NOME"_s)->AsString(), u"CHANGED"_s);
    table.Append();
    table.First();
    EXPECT_EQ(table.RecordCount(), 1);

    // A failed copy can leave no half-written record behind: cancel drops the append.
    table.Append();
    table.FieldByName(u"NOME"_s)->SetAsString(u"HALF"_s);
    EXPECT_THROW(table.FieldByName(u"ORDEM"_s)->SetAsString(u"abc"_s), EConvertError);
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 1);
}

TEST_F(MemTableTest, FindsColumnsWithoutRegardToCase)
{
    EXPECT_EQ(table.FindField(u"id_registro_fk"_s), table.Fields(2));
    EXPECT_EQ(table.FieldByName(u"Nome"_s)->Size(), 100);
    EXPECT_EQ(table.FindField(u"IDPESSOA"_s), nullptr);
    try {
        table.FieldByName(u"ID_PESSOA"_s);
        FAIL() << "no error";
    } catch (const EDatabaseError &error) {
        EXPECT_EQ(error.Message(), u"dependente_plano: Field 'ID_PESSOA' not found"_s);
    }
    EXPECT_THROW(table.AddField(u"EXTRA"_s, TFieldType::String), EDatabaseError); // open
    table.Close();
    EXPECT_THROW(table.AddField(u"nome"_s, TFieldType::String), EDatabaseError); // duplicate
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_THROW(table.First(), EDatabaseError);
}

TEST_F(MemTableTest, CopiesAWholeTable)
{
    add(1, u"A"_s, 3);
    add(2, u"B"_s, 4);
    table.FieldByName(u"VENCIMENTO"_s)->SetZeroDateAsEmpty(true);

    TMemTable copy(u"copia"_s);
    copy.CopyDataSet(table);
    ASSERT_EQ(copy.FieldCount(), table.FieldCount());
    EXPECT_FALSE(copy.FieldByName(u"ID_REGISTRO"_s)->Visible());
    EXPECT_EQ(copy.FieldByName(u"NOME"_s)->Size(), 100);
    EXPECT_EQ(copy.FieldByName(u"ID"_s)->DisplayFormat(), u"0000000000"_s);
    EXPECT_TRUE(copy.FieldByName(u"VENCIMENTO"_s)->ZeroDateAsEmpty());
    EXPECT_EQ(copy.RecordCount(), 2);
    EXPECT_EQ(copy.FieldByName(u"NOME"_s)->AsString(), u"A"_s);
    EXPECT_EQ(copy.FieldByName(u"ID_REGISTRO"_s)->AsLargeInt(), -1);

    copy.Append(); // continues the source's keys
    copy.Post();
    EXPECT_EQ(copy.FieldByName(u"ID_REGISTRO"_s)->AsLargeInt(), -3);
    EXPECT_EQ(table.RecordCount(), 2);
}

// Display formats and text reading per column type.
struct DisplayCase
{
    const char *name;
    TFieldType type;
    QString format;
    TFieldValue value;
    QString display;
    QString text;
};

void PrintTo(const DisplayCase &c, std::ostream *os)
{
    *os << c.name;
}

class MemTableDisplayTest : public ::testing::TestWithParam<DisplayCase>
{
};

TEST_P(MemTableDisplayTest, ShowsTheValueInTheColumnsFormat)
{
    const DisplayCase &c = GetParam();
    TMemTable table;
    TField *field = table.AddField(u"VALOR"_s, c.type, 20);
    field->SetDisplayFormat(c.format);
    table.Open();
    table.Append();
    field->SetValue(c.value);
    table.Post();
    EXPECT_EQ(field->DisplayText(), c.display);
    EXPECT_EQ(field->AsString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Formats,
    MemTableDisplayTest,
    ::testing::Values(
        DisplayCase { "Id",
                      TFieldType::LargeInt,
                      u"0000000000"_s,
                      std::int64_t(42),
                      u"0000000042"_s,
                      u"42"_s },
        DisplayCase { "Code", TFieldType::Integer, u"000"_s, std::int64_t(7), u"007"_s, u"7"_s },
        DisplayCase { "Row", TFieldType::Integer, u"0000"_s, std::int64_t(12), u"0012"_s, u"12"_s },
        DisplayCase { "Money", TFieldType::Float, u",0.00"_s, 1234.5, u"1.234,50"_s, u"1234,5"_s },
        DisplayCase { "PlainFloat", TFieldType::Float, QString(), 0.1, u"0,1"_s, u"0,1"_s },
        DisplayCase { "Date",
                      TFieldType::DateTime,
                      u"dd/mm/yyyy"_s,
                      EncodeDateTime(2024, 3, 5, 14, 7, 9, 0),
                      u"05/03/2024"_s,
                      u"05/03/2024 14:07:09"_s },
        DisplayCase { "DateTime",
                      TFieldType::DateTime,
                      u"dd/mm/yyyy hh:mm:ss"_s,
                      EncodeDateTime(2024, 3, 5, 14, 7, 9, 0),
                      u"05/03/2024 14:07:09"_s,
                      u"05/03/2024 14:07:09"_s },
        DisplayCase { "MidnightWithoutFormat",
                      TFieldType::DateTime,
                      QString(),
                      EncodeDate(2024, 3, 5),
                      u"05/03/2024"_s,
                      u"05/03/2024"_s },
        DisplayCase { "ZeroDate",
                      TFieldType::DateTime,
                      u"dd/mm/yyyy"_s,
                      TDateTime(0),
                      u"30/12/1899"_s,
                      u"30/12/1899"_s },
        DisplayCase { "Boolean", TFieldType::Boolean, QString(), true, u"True"_s, u"True"_s },
        DisplayCase { "LongTextKeptWhole",
                      TFieldType::String,
                      QString(),
                      u"more than twenty characters"_s,
                      u"more than twenty characters"_s,
                      u"more than twenty characters"_s },
        DisplayCase {
            "NullNumber", TFieldType::Float, u",0.00"_s, TFieldValue(), QString(), QString() },
        DisplayCase { "NullDate",
                      TFieldType::DateTime,
                      u"dd/mm/yyyy"_s,
                      TFieldValue(),
                      QString(),
                      QString() }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MemTableDisplay, ZeroDateCanShowEmpty)
{
    TMemTable table;
    TField *date = table.AddField(u"DATA_CADASTRO"_s, TFieldType::DateTime);
    date->SetDisplayFormat(u"dd/mm/yyyy hh:mm:ss"_s);
    date->SetZeroDateAsEmpty(true);
    table.Open();
    table.Append();
    date->SetAsDateTime(0);
    EXPECT_EQ(date->DisplayText(), QString());
    EXPECT_EQ(date->AsString(), u"30/12/1899"_s);
    date->SetAsDateTime(EncodeDate(2024, 1, 2));
    EXPECT_EQ(date->DisplayText(), u"02/01/2024 00:00:00"_s);
}

// Values written as text, as the object copying writes every property, read back typed.
struct TextCase
{
    const char *name;
    TFieldType type;
    QString written;
    TFieldValue stored;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.name;
}

class MemTableTextTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(MemTableTextTest, ConvertsTextToTheColumnsKind)
{
    const TextCase &c = GetParam();
    TMemTable table;
    TField *field = table.AddField(u"C"_s, c.type);
    table.Open();
    table.Append();
    field->SetAsString(c.written);
    EXPECT_EQ(field->Value(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    PtBrRules,
    MemTableTextTest,
    ::testing::Values(
        TextCase { "Int64", TFieldType::LargeInt, u"-9000000000"_s, std::int64_t(-9000000000) },
        TextCase { "EmptyIsNull", TFieldType::LargeInt, QString(), TFieldValue() },
        TextCase { "FloatDecimalComma", TFieldType::Float, u"1,5"_s, 1.5 },
        TextCase { "FloatScientific", TFieldType::Float, u"1,5E-7"_s, 1.5e-7 },
        TextCase { "DateOnly", TFieldType::DateTime, u"30/12/1899"_s, TDateTime(0) },
        TextCase { "DateAndTime",
                   TFieldType::DateTime,
                   u"31/05/2024 13:45:10"_s,
                   EncodeDateTime(2024, 5, 31, 13, 45, 10, 0) },
        TextCase { "BooleanTrue", TFieldType::Boolean, u"True"_s, true },
        TextCase { "BooleanAnyCase", TFieldType::Boolean, u"false"_s, false },
        TextCase { "Memo", TFieldType::Memo, u"linha 1\r\nlinha 2"_s, u"linha 1\r\nlinha 2"_s }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MemTableValues, NullReadsAsZeroAndBadValuesRaise)
{
    TMemTable table;
    TField *number = table.AddField(u"N"_s, TFieldType::Integer);
    TField *id = table.AddField(u"ID"_s, TFieldType::LargeInt);
    TField *flag = table.AddField(u"F"_s, TFieldType::Boolean);
    TField *date = table.AddField(u"D"_s, TFieldType::DateTime);
    table.Open();
    EXPECT_TRUE(number->IsNull()); // no record at all
    table.Append();
    EXPECT_TRUE(number->IsNull());
    EXPECT_EQ(number->AsInteger(), 0);
    EXPECT_EQ(number->AsString(), QString());
    EXPECT_FALSE(flag->AsBoolean());
    EXPECT_EQ(date->AsDateTime().Value(), 0.0);

    EXPECT_THROW(number->SetAsString(u"12a"_s), EConvertError);
    EXPECT_THROW(flag->SetAsString(u"Sim"_s), EConvertError);
    EXPECT_THROW(date->SetAsString(u"2024-13-01"_s), EConvertError);
    EXPECT_THROW(number->SetAsLargeInt(3000000000), EConvertError); // 32-bit column
    id->SetAsLargeInt(3000000000);
    EXPECT_THROW(id->AsInteger(), EConvertError); // never wraps
    EXPECT_EQ(id->AsLargeInt(), 3000000000);
    number->SetAsFloat(2.5); // half to even
    EXPECT_EQ(number->AsInteger(), 2);
    number->Clear();
    EXPECT_TRUE(number->IsNull());
}

} // namespace

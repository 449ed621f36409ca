#include "FormatSettings.h"
#include "MemTable.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace Qt::StringLiterals;

// One table holding the kinds of column the system's filters look at, with rows chosen so that
// every filter below separates them.
class FilterTable
{
public:
    FilterTable()
    {
        table.AddField(QStringLiteral("ID"), TFieldType::LargeInt);
        table.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::AutoInc)->SetVisible(false);
        table.AddField(QStringLiteral("ID_REGISTRO_FK"), TFieldType::LargeInt);
        table.AddField(QStringLiteral("NOME"), TFieldType::String, 100);
        table.AddField(QStringLiteral("TIPO"), TFieldType::String, 2);
        table.AddField(QStringLiteral("VALOR"), TFieldType::Float);
        table.AddField(QStringLiteral("DATA_FINAL"), TFieldType::DateTime);
        table.AddField(QStringLiteral("VENCIMENTO"), TFieldType::DateTime);
        table.AddField(QStringLiteral("ORDEM_COBRANCA"), TFieldType::Integer);
        table.AddField(QStringLiteral("QTD"), TFieldType::Integer);
        table.AddField(QStringLiteral("IS_ADICIONADO_AUTOMATICAMENTE"), TFieldType::Boolean);
        table.AddField(QStringLiteral("IS_BONIFICACAO"), TFieldType::Boolean);
        table.AddField(QStringLiteral("FORMA_BAIXA"), TFieldType::String, 50);
        table.AddField(QStringLiteral("ID_PARCELA_COBRANCA_API"), TFieldType::LargeInt);
        table.AddField(QStringLiteral("FORMULARIO"), TFieldType::String, 200);
        table.Open();
        // ID, FK, NOME, TIPO, VALOR, DATA_FINAL, VENCIMENTO, ORDEM, QTD, AUTO, BONIF, FORMA, API
        add({ 1,
              7,
              u"ANA MARIA",
              u"C",
              12.5,
              {},
              EncodeDate(2024, 3, 10),
              3,
              12,
              true,
              false,
              u"",
              55,
              u"TFormCadastroPessoa" });
        add({ 2,
              7,
              u"João D'Ávila",
              u"D",
              0.0,
              TDateTime(0),
              EncodeDate(2024, 3, 15),
              0,
              112,
              false,
              true,
              u"PIX",
              55,
              u"TFormCadastroContrato" });
        add({ 3,
              0,
              u"ana paula",
              {},
              19.9,
              EncodeDate(2024, 3, 20),
              EncodeDateTime(2024, 3, 15, 10, 20, 30, 0),
              0,
              7,
              {},
              true,
              {},
              0,
              u"TFormCadastroPessoaContato" });
        add({ 4,
              {},
              u"ÂNGELA",
              u"C",
              5.0,
              EncodeDate(2024, 3, 15),
              EncodeDate(2024, 4, 1),
              {},
              {},
              false,
              false,
              u"DINHEIRO",
              0,
              {} });
        add({ 5,
              -3,
              u"BRUNO",
              u"c",
              -1.0,
              EncodeDateTime(2024, 3, 14, 23, 59, 59, 0),
              EncodeDate(2024, 2, 1),
              2,
              0,
              false,
              false,
              u"",
              9,
              u"TFormPrincipal" });
    }

    std::set<std::int64_t> idsPassing(const QString &filter)
    {
        table.SetFilter(filter);
        table.SetFiltered(true);
        std::set<std::int64_t> ids;
        for (table.First(); !table.Eof(); table.Next())
            ids.insert(table.FieldByName(QStringLiteral("ID"))->AsLargeInt());
        EXPECT_EQ(table.RecordCount(), int(ids.size()));
        return ids;
    }

    TMemTable table { QStringLiteral("filter_table") };

private:
    struct Value
    {
        Value() = default;
        Value(int v)
            : value(std::int64_t(v))
        { }
        Value(double v)
            : value(v)
        { }
        Value(bool v)
            : value(v)
        { }
        Value(TDateTime v)
            : value(v)
        { }
        Value(const char16_t *v)
            : value(QString::fromUtf16(v))
        { }
        TFieldValue value;
    };

    void add(std::initializer_list<Value> values)
    {
        static const char *const columns[] = { "ID",
                                               "ID_REGISTRO_FK",
                                               "NOME",
                                               "TIPO",
                                               "VALOR",
                                               "DATA_FINAL",
                                               "VENCIMENTO",
                                               "ORDEM_COBRANCA",
                                               "QTD",
                                               "IS_ADICIONADO_AUTOMATICAMENTE",
                                               "IS_BONIFICACAO",
                                               "FORMA_BAIXA",
                                               "ID_PARCELA_COBRANCA_API",
                                               "FORMULARIO" };
        table.Append();
        int i = 0;
        for (const Value &v : values)
            table.FieldByName(QString::fromLatin1(columns[i++]))->SetValue(v.value);
        table.Post();
    }
};

struct FilterCase
{
    const char *name;
    QString filter;
    std::set<std::int64_t> ids;
};

void PrintTo(const FilterCase &c, std::ostream *os)
{
    *os << c.name;
}

class MemTableFilterTest : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(MemTableFilterTest, ShowsExactlyTheRowsTheFilterTextSelects)
{
    FilterTable fixture;
    EXPECT_EQ(fixture.idsPassing(GetParam().filter), GetParam().ids);
}

// The filter texts the system writes, one row per shape.
INSTANTIATE_TEST_SUITE_P(
    SystemFilters,
    MemTableFilterTest,
    ::testing::Values(
        FilterCase { "ChildRowsOfParent", u"ID_REGISTRO_FK = 7"_s, { 1, 2 } },
        FilterCase { "NegativeParentKey", u"ID_REGISTRO_FK = -3"_s, { 5 } },
        FilterCase { "ChildRowsAndSearch", u"ID_REGISTRO_FK = 7 and NOME like '%ana%'"_s, { 1 } },
        FilterCase { "UnlinkedRows", u"ID_REGISTRO_FK = 0 or ID_REGISTRO_FK = null"_s, { 3, 4 } },
        FilterCase { "PlansNotEnded",
                     u"(DATA_FINAL IS NULL) OR (DATA_FINAL = 0) OR (DATA_FINAL > '2024-03-15')"_s,
                     { 1, 2, 3 } },
        FilterCase { "PlansEndingTodayOrLater",
                     u"DATA_FINAL >= '15/03/2024' OR DATA_FINAL = 0 "_s,
                     { 2, 3, 4 } },
        FilterCase { "ClientSideKey", u"ID_REGISTRO = -2"_s, { 2 } },
        FilterCase { "QuotedType", u"TIPO = 'C'"_s, { 1, 4 } },
        FilterCase { "TextEqualityKeepsCase", u"TIPO = 'c'"_s, { 5 } },
        FilterCase { "BooleanLiteral", u"IS_ADICIONADO_AUTOMATICAMENTE = true"_s, { 1 } },
        FilterCase {
            "BooleanLiteralUpperWithBlanks", u" IS_ADICIONADO_AUTOMATICAMENTE = TRUE "_s, { 1 } },
        FilterCase { "BareBooleanColumn", u" IS_BONIFICACAO "_s, { 2, 3 } },
        FilterCase { "SearchAndBareBoolean", u"NOME like '%ana%' and  IS_BONIFICACAO "_s, { 3 } },
        FilterCase { "LinkedCharges",
                     u"ID_PARCELA_COBRANCA_API = 55 and ID_PARCELA_COBRANCA_API <> 0"_s,
                     { 1, 2 } },
        FilterCase { "WithoutOrder", u"ORDEM_COBRANCA < 1"_s, { 2, 3 } },
        FilterCase { "OpenBalanceOverdue", u" VALOR > 0  and VENCIMENTO < '15/03/2024'"_s, { 1 } },
        FilterCase { "NotEmptyText", u" FORMA_BAIXA <> ''"_s, { 2, 4 } },
        FilterCase { "MenuAndFormLike",
                     u"ID_PARCELA_COBRANCA_API = 55 and  FORMULARIO like '%pessoa%'"_s,
                     { 1 } },
        FilterCase { "FormLikeAlone", u" FORMULARIO like '%pessoa%'"_s, { 1, 3 } },
        FilterCase { "LikeIgnoresCaseOfAccents", u"NOME like '%d''ávila'"_s, { 2 } },
        FilterCase { "LikeWithoutPercentIsWholeText", u"NOME like 'ana'"_s, {} },
        FilterCase { "LikeAnchoredStart", u"NOME like 'ana%'"_s, { 1, 3 } },
        FilterCase { "LikeOnIntegerColumn", u"QTD like '%12%'"_s, { 1, 2 } },
        FilterCase { "SearchOverSeveralColumns",
                     u"NOME like '%12.5%' or VALOR = 12.5 or QTD like '%12.5%'"_s,
                     { 1 } },
        FilterCase { "DateTimeToTheSecond", u"VENCIMENTO = '15/03/2024 10:20:30'"_s, { 3 } },
        FilterCase { "DateWithoutTimeIsMidnight", u"VENCIMENTO = '15/03/2024'"_s, { 2 } },
        FilterCase { "NoRow", u"1 = 0"_s, {} },
        FilterCase { "NotWithNullStaysOut", u"not (TIPO = 'C')"_s, { 2, 5 } },
        FilterCase { "IsNotNull", u"IS_ADICIONADO_AUTOMATICAMENTE IS NOT NULL"_s, { 1, 2, 4, 5 } },
        FilterCase { "NotEqualNull", u"ORDEM_COBRANCA <> null"_s, { 1, 2, 3, 5 } },
        FilterCase {
            "AndBindsTighterThanOr", u"TIPO = 'D' or TIPO = 'C' and VALOR > 10"_s, { 1, 2 } },
        FilterCase { "QuotedNumberOnNumberColumn", u"QTD = '112'"_s, { 2 } },
        FilterCase { "FloatComparison", u"VALOR >= 5 and VALOR <= 19.9"_s, { 1, 3, 4 } },
        FilterCase { "EmptyFilterShowsAll", u"  "_s, { 1, 2, 3, 4, 5 } }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MemTableFilter, QuotedSearchTextCannotBreakTheFilter)
{
    FilterTable fixture;
    const QString typed = QStringLiteral("D'Ávila");
    EXPECT_EQ(QuotedFilterText(typed), QStringLiteral("'D''Ávila'"));
    EXPECT_EQ(
        fixture.idsPassing(QStringLiteral("NOME like ") + QuotedFilterText(u'%' + typed + u'%')),
        std::set<std::int64_t> { 2 });
    EXPECT_EQ(fixture.idsPassing(QStringLiteral("NOME = ") + QuotedFilterText(u"João D'Ávila"_s)),
              std::set<std::int64_t> { 2 });
    EXPECT_EQ(fixture.idsPassing(QStringLiteral("NOME like ")
                                 + QuotedFilterText(u"%' or 1 = 1 or NOME = '%"_s)),
              std::set<std::int64_t> {});
}

struct BadFilterCase
{
    const char *name;
    QString filter;
};

void PrintTo(const BadFilterCase &c, std::ostream *os)
{
    *os << c.name;
}

class MemTableBadFilterTest : public ::testing::TestWithParam<BadFilterCase>
{
};

TEST_P(MemTableBadFilterTest, RaisesWhenSetAndKeepsThePreviousFilter)
{
    FilterTable fixture;
    fixture.idsPassing(QStringLiteral("TIPO = 'C'"));
    EXPECT_THROW(fixture.table.SetFilter(GetParam().filter), EDatabaseError);
    EXPECT_EQ(fixture.table.Filter(), QStringLiteral("TIPO = 'C'"));
    EXPECT_EQ(fixture.table.RecordCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Mistakes,
                         MemTableBadFilterTest,
                         ::testing::Values(BadFilterCase { "MissingValue", u"ID_REGISTRO_FK ="_s },
                                           BadFilterCase { "UnknownColumn", u"ID_PESSOA = 3"_s },
                                           BadFilterCase { "UnclosedText", u"NOME = 'abc"_s },
                                           BadFilterCase { "UnclosedParenthesis", u"(ID = 1"_s },
                                           BadFilterCase { "TrailingWords", u"ID = 1 ID"_s },
                                           BadFilterCase { "LikeWithoutText", u"NOME like 5"_s },
                                           BadFilterCase { "NotADate", u"DATA_FINAL > 'amanhã'"_s },
                                           BadFilterCase { "NotANumber", u"QTD = 'doze'"_s },
                                           BadFilterCase { "BareTextColumn", u"NOME"_s },
                                           BadFilterCase { "UnknownCharacter",
                                                           u"ID == 1 ; drop"_s }),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

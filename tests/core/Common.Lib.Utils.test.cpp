#include "Common.Lib.Utils.h"

#include "Base64.h"
#include "DateUtils.h"
#include "FormatSettings.h"
#include "SysUtils.h"
#include "support/WaitFor.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace {

TDateTime date(int year, int month, int day, int hour = 0, int minute = 0)
{
    return EncodeDateTime(year, month, day, hour, minute, 0, 0);
}

// --- Name rules --------------------------------------------------------------------------------

struct NameCase
{
    const char *name;
    const char *value;
    const char *expected;
};

void PrintTo(const NameCase &c, std::ostream *os)
{
    *os << c.name;
}

class PropertyToColumnTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(PropertyToColumnTest, GivesTheSnakeForm)
{
    EXPECT_EQ(TUtils::convertClassPropToTableField(QString::fromUtf8(GetParam().value)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    PropertyToColumnTest,
    ::testing::Values(NameCase { "Empty", "", "" },
                      NameCase { "OneLetter", "A", "a" },
                      NameCase { "TwoCapitals", "AB", "a_b" },
                      NameCase { "TwoWords", "IdPessoa", "id_pessoa" },
                      NameCase { "DigitStartsNoWord", "PermissaoExtra1", "permissao_extra1" },
                      NameCase { "AcronymLetterByLetter",
                                 "AtualizarVinculacaoAPI",
                                 "atualizar_vinculacao_a_p_i" },
                      NameCase { "AccentedCapitalUntouched", "IdÁrea", "idÁrea" }),
    [](const auto &info) { return std::string(info.param.name); });

class ColumnToPropertyTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ColumnToPropertyTest, GivesThePropertyName)
{
    EXPECT_EQ(TUtils::convertTableFieldToClassProp(QString::fromUtf8(GetParam().value)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ColumnToPropertyTest,
    ::testing::Values(NameCase { "TwoWords", "ID_PESSOA", "IdPessoa" },
                      NameCase { "Digit", "PERMISSAO_EXTRA1", "PermissaoExtra1" },
                      NameCase { "Quoted", "\"ID_REGISTRO_FK\"", "IdRegistroFk" },
                      NameCase {
                          "Acronym", "ATUALIZAR_VINCULACAO_A_P_I", "AtualizarVinculacaoAPI" },
                      NameCase { "DoubledAndTrailingUnderscore", "ID__PESSOA_", "IdPessoa" },
                      NameCase { "Empty", "", "" }),
    [](const auto &info) { return std::string(info.param.name); });

class ResourceNameTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(ResourceNameTest, GivesTheKebabForm)
{
    EXPECT_EQ(TUtils::convertNameToResource(QString::fromUtf8(GetParam().value)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ResourceNameTest,
    ::testing::Values(NameCase { "TwoWords", "UnidadeFederativa", "unidade-federativa" },
                      NameCase {
                          "ThreeWords", "IntegracaoApiFinanceira", "integracao-api-financeira" },
                      NameCase { "OneWord", "Banco", "banco" },
                      NameCase { "Report", "OrdemServico", "ordem-servico" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NameRulesTest, ReadingIgnoresUnderscoresQuotesAndCaseButWritingNeedsTheSnakeForm)
{
    for (const char *column :
         { "ID_PESSOA", "IDPESSOA", "id_pessoa", "\"ID_PESSOA\"", " ID_PESSOA " })
        EXPECT_TRUE(TUtils::columnMatchesProperty(QString::fromUtf8(column), "IdPessoa")) << column;
    EXPECT_FALSE(TUtils::columnMatchesProperty("ID_PESSOA_FK", "IdPessoa"));

    EXPECT_TRUE(TUtils::propertyMatchesColumn("IdPessoa", "ID_PESSOA"));
    EXPECT_TRUE(TUtils::propertyMatchesColumn("IdPessoa", "id_pessoa"));
    EXPECT_FALSE(TUtils::propertyMatchesColumn("IdPessoa", "IDPESSOA"));
}

TEST(NameRulesTest, ColumnRuleIsTheInverseOfThePropertyRule)
{
    for (const char *property :
         { "IdPessoa", "PermissaoExtra1", "AtualizarVinculacaoAPI", "NameClass" }) {
        const QString column = TUtils::convertClassPropToTableField(property).toUpper();
        EXPECT_EQ(TUtils::convertTableFieldToClassProp(column), QString::fromUtf8(property));
    }
}

// --- Dates -------------------------------------------------------------------------------------

struct PeriodCase
{
    const char *name;
    TDateTime value;
    const char *code;
    TDateTime expected;
};

void PrintTo(const PeriodCase &c, std::ostream *os)
{
    *os << c.name;
}

class PeriodTest : public ::testing::TestWithParam<PeriodCase>
{
};

TEST_P(PeriodTest, AddsThePeriodOfTheCode)
{
    EXPECT_EQ(double(TUtils::CaclularDataPorPeriodo(GetParam().value, GetParam().code)),
              double(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    PeriodTest,
    ::testing::Values(
        PeriodCase { "Day", date(2024, 2, 28, 10), "01", date(2024, 2, 29, 10) },
        PeriodCase { "Week", date(2024, 2, 26), "02", date(2024, 3, 4) },
        PeriodCase { "MonthIntoShortFebruary", date(2024, 1, 31, 10), "03", date(2024, 2, 29, 10) },
        PeriodCase { "TwoMonths", date(2024, 1, 15), "04", date(2024, 3, 15) },
        PeriodCase { "ThreeMonths", date(2024, 11, 30), "05", date(2025, 2, 28) },
        PeriodCase { "SixMonths", date(2024, 8, 31), "06", date(2025, 2, 28) },
        PeriodCase { "Year", date(2024, 2, 29), "07", date(2025, 2, 28) },
        PeriodCase { "CodeWithoutZero", date(2024, 1, 31), "3", 0.0 },
        PeriodCase { "UnknownCode", date(2024, 1, 31), "08", 0.0 }),
    [](const auto &info) { return std::string(info.param.name); });

struct MonthsCase
{
    const char *name;
    TDateTime start;
    TDateTime end;
    int expected;
};

void PrintTo(const MonthsCase &c, std::ostream *os)
{
    *os << c.name;
}

class MonthsBetweenTest : public ::testing::TestWithParam<MonthsCase>
{
};

TEST_P(MonthsBetweenTest, CountsWholeMonths)
{
    EXPECT_EQ(TUtils::CalcularMesesEntreDatas(GetParam().start, GetParam().end),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    MonthsBetweenTest,
    ::testing::Values(MonthsCase { "TwoMonths", date(2024, 1, 15), date(2024, 3, 20), 2 },
                      MonthsCase { "NextMonthCountsOne", date(2024, 1, 31), date(2024, 2, 1), 1 },
                      MonthsCase { "SameMonth", date(2024, 1, 10), date(2024, 1, 25), 0 },
                      MonthsCase { "OneYear", date(2024, 1, 1), date(2025, 1, 1), 12 },
                      MonthsCase { "FinalBeforeStart", date(2024, 5, 10), date(2024, 2, 10), 2 },
                      MonthsCase { "NoFinalDate", date(2024, 1, 10), 0.0, 0 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DatesTest, StartOfZeroMeansNow)
{
    EXPECT_EQ(TUtils::CalcularMesesEntreDatas(0.0, IncMonth(Now(), 13)), 13);
}

TEST(DatesTest, FirstLastAndPreviousMonthDropTheTime)
{
    EXPECT_EQ(double(TUtils::UltimoDiaMes(date(2024, 2, 10, 15, 30))), double(date(2024, 2, 29)));
    EXPECT_EQ(double(TUtils::UltimoDiaMes(date(2023, 12, 31, 23, 59))), double(date(2023, 12, 31)));
    EXPECT_EQ(double(TUtils::PrimeiroDiaMes(date(2024, 2, 10, 15, 30))), double(date(2024, 2, 1)));
    EXPECT_EQ(double(TUtils::DataMesAnterior(date(2024, 3, 15, 8))), double(date(2024, 2, 15)));
    EXPECT_EQ(double(TUtils::DataMesAnterior(date(2024, 1, 31))), double(date(2023, 12, 31)));
}

TEST(DatesTest, PreviousMonthWithoutTheDayRaises)
{
    try {
        TUtils::DataMesAnterior(date(2024, 3, 31));
        FAIL() << "no exception";
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'31/02/2024' is not a valid date"));
    }
}

TEST(DatesTest, ListsTheWeekdaysOfTheMonth)
{
    EXPECT_EQ(TUtils::ListDayOfWeek(date(2024, 2, 17, 9), 6),
              QStringList({ "02/02/2024", "09/02/2024", "16/02/2024", "23/02/2024" }));
    EXPECT_EQ(TUtils::ListDayOfWeek(date(2024, 2, 1), 5).size(), 5); // 29/02/2024 is a Thursday
    EXPECT_TRUE(TUtils::ListDayOfWeek(date(2024, 2, 1), 8).isEmpty());
}

// --- Tolerant conversions ----------------------------------------------------------------------

struct FloatTextCase
{
    const char *name;
    const char *text;
    double expected;
};

void PrintTo(const FloatTextCase &c, std::ostream *os)
{
    *os << c.name;
}

class StrEmptyToFloatTest : public ::testing::TestWithParam<FloatTextCase>
{
};

TEST_P(StrEmptyToFloatTest, ReadsTypedAmounts)
{
    EXPECT_EQ(TUtils::StrEmptyToFloat(QString::fromUtf8(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         StrEmptyToFloatTest,
                         ::testing::Values(FloatTextCase { "ThousandsPoint", "1.234,56", 1234.56 },
                                           FloatTextCase { "DecimalPointIsDropped", "12.5", 125 },
                                           FloatTextCase { "Negative", "-3,5", -3.5 },
                                           FloatTextCase { "Empty", "", 0 },
                                           FloatTextCase { "NotANumber", "abc", 0 }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ConversionsTest, IntegersAndDatesGiveZeroInsteadOfFailing)
{
    EXPECT_EQ(TUtils::StrEmptyToInt64(" 42 "), 42);
    EXPECT_EQ(TUtils::StrEmptyToInt64("9000000000"), 9000000000LL);
    EXPECT_EQ(TUtils::StrEmptyToInt64(""), 0);
    EXPECT_EQ(TUtils::StrEmptyToInt64("4x"), 0);
    EXPECT_EQ(TUtils::StrEmptyToInteger("42"), 42);
    EXPECT_EQ(TUtils::StrEmptyToInteger("42 "), 0); // read unchanged
    EXPECT_EQ(TUtils::StrEmptyToInteger("9000000000"), 0);
    EXPECT_EQ(double(TUtils::StrEmptyToDateTime("15/03/2024 10:30")),
              double(date(2024, 3, 15, 10, 30)));
    EXPECT_EQ(double(TUtils::StrEmptyToDateTime("")), 0.0);
    EXPECT_EQ(double(TUtils::StrEmptyToDateTime("31/02/2024")), 0.0);
    EXPECT_EQ(TUtils::StrDateJsonToStrDate("2024-03-15"), QStringLiteral("2024/03/15"));
}

// --- Numbers -----------------------------------------------------------------------------------

struct RoundCase
{
    const char *name;
    double value;
    int decimals;
    double expected;
};

void PrintTo(const RoundCase &c, std::ostream *os)
{
    *os << c.name;
}

class FormatDoubleTest : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(FormatDoubleTest, RoundsTiesToEven)
{
    EXPECT_EQ(TUtils::FormatDouble(GetParam().value, GetParam().decimals), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         FormatDoubleTest,
                         ::testing::Values(RoundCase { "TieDown", 0.125, 2, 0.12 },
                                           RoundCase { "TieUp", 0.135, 2, 0.14 },
                                           RoundCase { "ProductJustBelowHalf", 1.005, 2, 1.0 },
                                           RoundCase { "ProductJustAboveHalf", 2.345, 2, 2.35 },
                                           RoundCase { "WholeTieToEvenDown", 2.5, 0, 2 },
                                           RoundCase { "WholeTieToEvenUp", 3.5, 0, 4 },
                                           RoundCase { "NegativeTie", -2.5, 0, -2 },
                                           RoundCase { "Cents", 10.456, 2, 10.46 },
                                           RoundCase { "NegativePlaces", 1234.5, -1, 1230 },
                                           RoundCase {
                                               "TooLargeToRound", 1e17 + 16, 2, 1e17 + 16 }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(NumbersTest, FormatDoubleRefusesMoreThanTwentyPlaces)
{
    EXPECT_THROW(TUtils::FormatDouble(1, 21), EInvalidArgument);
    EXPECT_THROW(TUtils::FormatDouble(1, -21), EInvalidArgument);
    EXPECT_NO_THROW(TUtils::FormatDouble(1, 20));
}

TEST(NumbersTest, CompareDoubleToAllowsOneUnitInTheLastPlace)
{
    EXPECT_TRUE(TUtils::CompareDoubleTo(10.004, 10.01, 2));
    EXPECT_TRUE(TUtils::CompareDoubleTo(10.001, 10.004, 2));
    EXPECT_FALSE(TUtils::CompareDoubleTo(10.00, 10.02, 2));
    EXPECT_TRUE(TUtils::CompareDoubleTo(1234.56, 1234.564, 2));
    EXPECT_FALSE(TUtils::CompareDoubleTo(10, 11, 0));
    EXPECT_TRUE(TUtils::CompareDoubleTo(10.4, 9.6, 0));
}

TEST(NumbersTest, CountsDecimalPlacesOfTheGeneralText)
{
    EXPECT_EQ(TUtils::ContarCasasDecimais(12.345), 3);
    EXPECT_EQ(TUtils::ContarCasasDecimais(12), 0);
    EXPECT_EQ(TUtils::ContarCasasDecimais(0.5), 1);
    EXPECT_EQ(TUtils::ContarCasasDecimais(1.5e-7), 4); // "1,5E-7"
}

TEST(NumbersTest, AdministratorIsUserOne)
{
    EXPECT_TRUE(TUtils::IsUserAdministrator(1));
    EXPECT_FALSE(TUtils::IsUserAdministrator(0));
    EXPECT_FALSE(TUtils::IsUserAdministrator(2));
    EXPECT_EQ(TUtils::IIF(true, QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("a"));
    EXPECT_EQ(TUtils::IIF(false, 1, 2), 2);
}

struct WordsCase
{
    const char *name;
    double value;
    const char *expected;
};

void PrintTo(const WordsCase &c, std::ostream *os)
{
    *os << c.name;
}

class ValorExtensoTest : public ::testing::TestWithParam<WordsCase>
{
};

TEST_P(ValorExtensoTest, WritesTheAmountInWords)
{
    EXPECT_EQ(TUtils::ValorExtenso(GetParam().value), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ValorExtensoTest,
    ::testing::Values(
        WordsCase { "Zero", 0, "" },
        WordsCase { "UnderHalfACent", 0.001, "" },
        WordsCase { "OneReal", 1, "Um Real." },
        WordsCase { "TwoReais", 2, "Dois Reais." },
        WordsCase { "Hundred", 100, "Cem Reais." },
        WordsCase { "HundredAndOne", 101, "Cento e Um Reais." },
        WordsCase { "Teen", 115, "Cento e Quinze Reais." },
        WordsCase { "TenAlone", 10, "Dez Reais." },
        WordsCase { "OneCent", 0.01, "Um Centavo." },
        WordsCase { "Cents", 0.5, "Cinquenta Centavos." },
        WordsCase { "ReaisAndCents", 21.35, "Vinte e Um Reais, e Trinta e Cinco Centavos." },
        WordsCase { "ThousandAndHundreds", 1500, "Um Mil,  e Quinhentos Reais." },
        WordsCase {
            "ThousandHundredsAndCents", 1500.5, "Um Mil, Quinhentos Reais, e Cinquenta Centavos." },
        WordsCase { "ThousandAndUnits", 2005.3, "Dois Mil,  e Cinco Reais, e Trinta Centavos." },
        WordsCase { "WholeThousands", 2000, "Dois Mil Reais." },
        WordsCase { "WholeThousandsAndCents", 2000.01, "Dois Mil Reais, e Um Centavo." },
        WordsCase { "Largest",
                    999999.99,
                    "Novecentos e Noventa e Nove Mil, Novecentos e Noventa e Nove Reais, e "
                    "Noventa e Nove Centavos." }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NumbersTest, ValorExtensoRefusesValuesOutOfRange)
{
    const QString message
        = QStringLiteral("O valor está fora do intervalo permitido.\r\n"
                         "O número deve ser maior ou igual a zero e menor que 999.999,99.\r\n"
                         "Se não for corrigido o número não será escrito por extenso.");
    for (double value : { 1000000.0, -0.01 }) {
        try {
            TUtils::ValorExtenso(value);
            ADD_FAILURE() << value;
        } catch (const Exception &e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
}

// --- Texts -------------------------------------------------------------------------------------

class RemoveDupeSpaceTest : public ::testing::TestWithParam<NameCase>
{
};

TEST_P(RemoveDupeSpaceTest, CleansBlanksAndAccents)
{
    EXPECT_EQ(TUtils::RemoveDupeSpaceAndAccent(QString::fromUtf8(GetParam().value)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    RemoveDupeSpaceTest,
    ::testing::Values(NameCase { "InnerAndTrailingRuns", "A   B  ", "A B" },
                      NameCase { "LeadingBlanksLeaveOne", "  A B", " A B" },
                      NameCase { "Accents", "João  da Conceição", "Joao da Conceicao" },
                      NameCase { "CapitalAccents",
                                 "ÁÉÍÓÚ ÀÈÌÒÙ ÄËÏÖÜ ÃÕ ÂÊÎÔÛ Ç Ñ",
                                 "AEIOU AEIOU AEIOU AO AEIOU C N" },
                      NameCase { "TabsStayInside", "A\tB  C", "A\tB C" },
                      NameCase { "Empty", "", "" }),
    [](const auto &info) { return std::string(info.param.name); });

struct ResumeCase
{
    const char *name;
    const char *value;
    bool ignorePrepositions;
    int size;
    const char *expected;
};

void PrintTo(const ResumeCase &c, std::ostream *os)
{
    *os << c.name;
}

class ResumeNameTest : public ::testing::TestWithParam<ResumeCase>
{
};

TEST_P(ResumeNameTest, ShortensMiddleWords)
{
    const ResumeCase &c = GetParam();
    EXPECT_EQ(TUtils::ResumeName(QString::fromUtf8(c.value), c.ignorePrepositions, c.size),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    ResumeNameTest,
    ::testing::Values(
        ResumeCase {
            "KeepsPrepositions", "JOSE MARIA DA SILVA SANTOS", false, 20, "JOSE M. DA S. SANTOS" },
        ResumeCase {
            "DropsPrepositions", "JOSE MARIA DA SILVA SANTOS", true, 20, "JOSE M. S. SANTOS" },
        ResumeCase { "ShortEnoughUnchanged", " ANA MARIA SOUZA ", false, 15, " ANA MARIA SOUZA " },
        ResumeCase {
            "PrepositionPassWhenStuck", "MARIA DE LOURDES SOUZA", false, 15, "MARIA L. SOUZA" },
        // Nothing more can be shortened: the shortest text reached comes back.
        ResumeCase {
            "TwoLongWords", "MAXIMILIANO BARTOLOMEU", false, 10, "MAXIMILIANO BARTOLOMEU" },
        ResumeCase { "OneLongWord", "MAXIMILIANOBARTOLOMEU", true, 10, "MAXIMILIANOBARTOLOMEU" },
        ResumeCase {
            "AllInitials", "ANTONIO CARLOS DE ALMEIDA SOUZA", false, 5, "ANTONIO C. A. SOUZA" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TextsTest, PiecesBetweenBlanks)
{
    EXPECT_EQ(TUtils::RetornaDescricaoSeparadaPorEspaco("ANA MARIA SOUZA", 2, false), "ANA MARIA");
    EXPECT_EQ(TUtils::RetornaDescricaoSeparadaPorEspaco("ANA  MARIA SOUZA", 2, true), "ANA");
    EXPECT_EQ(TUtils::RetornaDescricaoSeparadaPorEspaco("ANA MARIA", 0, false), "ANA MARIA");
    EXPECT_EQ(TUtils::RetornaDescricaoSeparadaPorEspaco("ANA MARIA", 5, false), "ANA MARIA");
}

struct FilterCase
{
    const char *name;
    const char *value;
    const char *expectedValue;
    const char *expectedDescription;
};

void PrintTo(const FilterCase &c, std::ostream *os)
{
    *os << c.name;
}

class FilterTextTest : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(FilterTextTest, SplitsValueAndDescription)
{
    const QString value = QString::fromUtf8(GetParam().value);
    EXPECT_EQ(TUtils::GetValueFieldFilter(value), QString::fromUtf8(GetParam().expectedValue));
    EXPECT_EQ(TUtils::GetDescriptionFieldFilter(value, false),
              QString::fromUtf8(GetParam().expectedDescription));
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         FilterTextTest,
                         ::testing::Values(FilterCase { "Both", "12#Centro", "12", "Centro" },
                                           FilterCase { "NoDescription", "12#", "", "" },
                                           FilterCase { "NoSeparator", "12", "", "" },
                                           FilterCase { "ThreePieces", "1#2#3", "", "" },
                                           FilterCase { "Empty", "", "", "" }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TextsTest, DateDescriptionComesBackDayFirst)
{
    EXPECT_EQ(TUtils::GetDescriptionFieldFilter("x#05-31-2024", true),
              QStringLiteral("31/05/2024"));
    EXPECT_THROW(TUtils::GetDescriptionFieldFilter("x#31-05-2024", true), EConvertError);
}

TEST(TextsTest, JoinsLists)
{
    EXPECT_EQ(TUtils::convertIntListToStr({ 1, -2, 9000000000 }),
              QStringLiteral("1,-2,9000000000"));
    EXPECT_EQ(TUtils::convertIntListToStr({}), QString());
    EXPECT_EQ(TUtils::convertStringListToInt({ "1", " 2" }), QStringLiteral("1, 2"));
    EXPECT_EQ(TUtils::convertStringListToStr({ "a", "d'Ávila" }), QStringLiteral("'a','d''Ávila'"));
    EXPECT_EQ(TUtils::convertStringListToIntList({ "1", " 2 ", "x" }),
              QList<std::int64_t>({ 1, 2, 0 }));
}

// --- Credentials, configuration, pictures ------------------------------------------------------

TEST(CredentialsTest, ReadsBasicCredentials)
{
    const QString header = "Basic " + QString::fromLatin1(EncodeBase64("ana:s3nh@:x"));
    const TUserLogin login = TUtils::AuthLoginToUserLogin(header);
    EXPECT_EQ(login.login, QStringLiteral("ana"));
    EXPECT_EQ(login.senha, QStringLiteral("s3nh@")); // the part after a second ":" is lost
    EXPECT_EQ(
        TUtils::AuthLoginToUserLogin("BASIC " + QString::fromLatin1(EncodeBase64("joão:1"))).login,
        QStringLiteral("joão"));
    EXPECT_THROW(TUtils::AuthLoginToUserLogin("basic " + QString::fromLatin1(EncodeBase64("ana"))),
                 EListError);
    EXPECT_TRUE(TUtils::getLinkServidor().startsWith("https://"));
    EXPECT_TRUE(TUtils::getLinkServidor().endsWith(":3580"));
}

TEST(ConfigurationTest, ReadsAKeyOfAnIniSection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zunta_conf.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Other]\r\nHost=wrong\r\n[Servidor]\r\n; comment\r\nHost = https://a.b:1/x=y \r\n");
    file.close();
    EXPECT_EQ(TUtils::RetornaValorParamsIniFile(path, "servidor", "HOST"), "https://a.b:1/x=y");
    EXPECT_EQ(TUtils::RetornaValorParamsIniFile(path, "Servidor", "Porta"), QString());
    EXPECT_EQ(TUtils::RetornaValorParamsIniFile(path, "Nada", "Host"), QString());
    EXPECT_EQ(TUtils::RetornaValorParamsIniFile(dir.filePath("none.ini"), "Servidor", "Host"),
              QString());
}

QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xff000000);
    return image;
}

TEST(PictureTest, ShrinksBothSidesBySizeRatio)
{
    QImage image = noise(200, 100);
    QImage &same = TUtils::GetImageResizeAndCompress(image, 20);
    EXPECT_EQ(&same, &image);
    EXPECT_LT(image.width(), 80); // 200 × 20 KB / about 58 KB
    EXPECT_GT(image.width(), 50);
    EXPECT_EQ(image.height(), image.width() / 2);
}

TEST(PictureTest, LeavesPicturesWithinTheTargetUnchanged)
{
    QImage small = noise(8, 8); // under 1 KB: no division by a size of zero
    TUtils::GetImageResizeAndCompress(small, 1);
    EXPECT_EQ(small.size(), QSize(8, 8));
    QImage large = noise(200, 100);
    TUtils::GetImageResizeAndCompress(large, 500);
    EXPECT_EQ(large.size(), QSize(200, 100));
    TUtils::GetImageResizeAndCompress(large, 0);
    EXPECT_EQ(large.size(), QSize(200, 100));
}

struct SqlCase
{
    const char *name;
    const char *type;
    QVariant value;
    bool force;
    const char *expected;
};

void PrintTo(const SqlCase &c, std::ostream *os)
{
    *os << c.name;
}

class SqlLiteralTest : public ::testing::TestWithParam<SqlCase>
{
};

TEST_P(SqlLiteralTest, WritesTheLiteral)
{
    const SqlCase &c = GetParam();
    EXPECT_EQ(TUtils::getValueStringProp(c.type, c.value, c.force), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    SqlLiteralTest,
    ::testing::Values(
        SqlCase { "Integer", "Integer", 42, false, "42" },
        SqlCase { "ZeroIsNull", "Int64", 0, false, "null" },
        SqlCase { "ZeroForced", "Int64", 0, true, "0" },
        SqlCase { "Double", "Double", 12.5, false, "12.5" },
        SqlCase { "DoubleZero", "Double", 0.0, false, "null" },
        SqlCase {
            "Date", "TDateTime", double(date(2024, 3, 5, 14, 7)), false, "'2024/03/05 14:07:00'" },
        SqlCase { "DateZero", "TDateTime", 0.0, false, "null" },
        SqlCase { "Text", "string", QStringLiteral("d'Ávila  Neto"), false, "'d''Avila Neto'" },
        SqlCase { "EmptyText", "string", QString(), false, "null" },
        SqlCase { "EmptyTextForced", "string", QString(), true, "''" },
        SqlCase { "Boolean", "Boolean", true, false, "'True'" }),
    [](const auto &info) { return std::string(info.param.name); });

// --- Worker threads ----------------------------------------------------------------------------

bool onMain()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// What the steps of one worker did, in order, each with the thread it ran on.
struct StepLog
{
    QStringList events;
    bool terminated = false;
    QString fatal;

    void add(const QString &event) { events << event + (onMain() ? "@main" : "@worker"); }
};

enum class Failing { None, Start, Work, Error, Complete, WorkForeign };

struct FailureCase
{
    const char *name;
    Failing failing;
    const char *expectedEvents;
    const char *expectedFatal;
};

void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class WorkerThreadTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        TUtils::SetThreadFailureHandler({});
        TUtils::AcceptThreads();
    }

    // Starts a worker whose steps log into `log`; `failing` raises in that step.
    static void
    start(StepLog &log, Failing failing, bool withError = true, const QString &defaultMessage = {})
    {
        auto raiseIf = [failing](Failing step, const char *message) {
            if (failing == step)
                throw Exception(QString::fromUtf8(message));
        };
        TProcedureExcept onError;
        if (withError)
            onError = [&log, raiseIf](const QString &message) {
                log.add("error(" + message + ")");
                raiseIf(Failing::Error, "ERROR:error step");
            };
        TUtils::CustomThread(
            [&log, raiseIf] {
                log.add("start");
                raiseIf(Failing::Start, "ERROR:start step");
            },
            [&log, raiseIf, failing] {
                log.add("work");
                raiseIf(Failing::Work, "ERROR:work step");
                raiseIf(Failing::Error, "ERROR:work step");
                if (failing == Failing::WorkForeign)
                    throw 42;
            },
            [&log, raiseIf](bool errorRan) {
                log.add(errorRan ? "complete(true)" : "complete(false)");
                raiseIf(Failing::Complete, "ERROR:complete step");
            },
            [&log](const TWorkerThread &sender) {
                log.add("terminate");
                log.fatal = sender.FatalMessage();
                log.terminated = true;
            },
            onError,
            defaultMessage);
    }
};

class CustomThreadTest : public WorkerThreadTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(CustomThreadTest, RunsTheStepsInOrderOnTheirThreads)
{
    StepLog log;
    start(log, GetParam().failing);
    ASSERT_TRUE(waitFor([&] { return log.terminated; }));
    EXPECT_EQ(log.events.join(' '), QString::fromUtf8(GetParam().expectedEvents));
    EXPECT_EQ(log.fatal, QString::fromUtf8(GetParam().expectedFatal));
}

INSTANTIATE_TEST_SUITE_P(
    Steps,
    CustomThreadTest,
    ::testing::Values(
        FailureCase { "Success",
                      Failing::None,
                      "start@main work@worker complete(false)@main terminate@main",
                      "" },
        FailureCase { "StartFails",
                      Failing::Start,
                      "start@main error(ERROR:start step)@main complete(true)@main terminate@main",
                      "" },
        FailureCase { "WorkFails",
                      Failing::Work,
                      "start@main work@worker error(ERROR:work step)@main complete(true)@main "
                      "terminate@main",
                      "" },
        FailureCase { "ErrorStepFails",
                      Failing::Error,
                      "start@main work@worker error(ERROR:work step)@main complete(true)@main "
                      "terminate@main",
                      "ERROR:error step" },
        FailureCase { "CompleteStepFails",
                      Failing::Complete,
                      "start@main work@worker complete(false)@main terminate@main",
                      "ERROR:complete step" },
        FailureCase { "WorkRaisesAForeignObject",
                      Failing::WorkForeign,
                      "start@main work@worker complete(false)@main terminate@main",
                      "Unknown failure" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WorkerThreadTest, ErrorStepGetsTheDefaultMessageWhenGiven)
{
    StepLog plain, withDefault;
    start(plain, Failing::Work);
    start(withDefault, Failing::Work, true, "X");
    ASSERT_TRUE(waitFor([&] { return plain.terminated && withDefault.terminated; }));
    EXPECT_TRUE(plain.events.contains("error(ERROR:work step)@main"));
    EXPECT_TRUE(withDefault.events.contains("error(X)@main"));
}

TEST_F(WorkerThreadTest, FailureWithoutErrorStepIsReportedNotDropped)
{
    StepLog log;
    start(log, Failing::Work, false);
    ASSERT_TRUE(waitFor([&] { return log.terminated; }));
    EXPECT_EQ(log.events.join(' '), "start@main work@worker complete(false)@main terminate@main");
    EXPECT_EQ(log.fatal, "ERROR:work step");
}

TEST_F(WorkerThreadTest, WithoutTerminationHandlerFailuresReachTheFailureHandler)
{
    QStringList shown;
    bool shownOnMain = true;
    TUtils::SetThreadFailureHandler([&](const TWorkerThread &sender) {
        shown << sender.FatalMessage();
        shownOnMain = shownOnMain && onMain();
    });
    TUtils::CustomThread({}, [] { throw Exception("ERROR:no error step"); }, {}, {}, {});
    TUtils::CustomThread({}, {}, [](bool) { throw Exception("ERROR:after"); }, {}, {});
    TUtils::CustomThread({}, {}, {}, {}, {}); // nothing at all: nothing to show
    ASSERT_TRUE(waitFor([&] { return TUtils::RunningThreadCount() == 0; }));
    shown.sort();
    EXPECT_EQ(shown, QStringList({ "ERROR:after", "ERROR:no error step" }));
    EXPECT_TRUE(shownOnMain);
}

TEST_F(WorkerThreadTest, ShutdownDropsPendingStepsAndRefusesNewWorkers)
{
    std::atomic<bool> started = false;
    TUtils::CustomThread([&] { started = true; }, {}, {}, {}, {});
    // The main thread serves no events here: the start step cannot have run.
    EXPECT_TRUE(TUtils::ShutdownThreads(5000));
    EXPECT_EQ(TUtils::RunningThreadCount(), 0);

    std::atomic<bool> refusedRan = false;
    TUtils::CustomThread({}, [&] { refusedRan = true; }, {}, {}, {});
    EXPECT_EQ(TUtils::RunningThreadCount(), 0);
    QCoreApplication::processEvents();
    EXPECT_FALSE(started);
    EXPECT_FALSE(refusedRan);
}

TEST_F(WorkerThreadTest, ShutdownWaitsABoundedTimeForRunningWork)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> working = false;
    bool completed = false;
    TUtils::CustomThread(
        {},
        [&working, released] {
            working = true;
            released.wait();
        },
        [&completed](bool) { completed = true; },
        {},
        {});
    ASSERT_TRUE(waitFor([&] { return working.load(); }));
    EXPECT_FALSE(TUtils::ShutdownThreads(20));
    release.set_value();
    // The worker does not wait for the main thread any more: it ends without its completion.
    EXPECT_TRUE(TUtils::ShutdownThreads(5000));
    QCoreApplication::processEvents();
    EXPECT_FALSE(completed);
}

} // namespace

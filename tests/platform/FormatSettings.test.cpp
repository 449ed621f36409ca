#include "FormatSettings.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct FloatCase
{
    const char *name;
    const char *format;
    double value;
    const char *expected;
};

void PrintTo(const FloatCase &c, std::ostream *os)
{
    *os << c.name;
}

class FormatFloatTest : public ::testing::TestWithParam<FloatCase>
{
};

TEST_P(FormatFloatTest, FormatsLikeTheOriginal)
{
    const FloatCase &c = GetParam();
    EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures,
    FormatFloatTest,
    ::testing::Values(FloatCase { "IdPadded", "0000000000", 15, "0000000015" },
                      FloatCase { "IdTooLong", "000", 12345, "12345" },
                      FloatCase { "Code", "000", 7, "007" },
                      FloatCase { "Year", "0000", 24, "0024" },
                      FloatCase { "Money", ",0.00", 1234567.891, "1.234.567,89" },
                      FloatCase { "MoneySmall", ",0.00", 0.5, "0,50" },
                      FloatCase { "MoneyZero", ",0.00", 0, "0,00" },
                      FloatCase { "MoneyNegative", ",0.00", -1234.5, "-1.234,50" },
                      FloatCase { "MoneyHalfUp", ",0.00", 2.675, "2,68" },
                      FloatCase { "MoneyHalfUpExact", ",0.00", 1.005, "1,01" },
                      FloatCase { "NegativeRoundsToZero", ",0.00", -0.001, "0,00" },
                      FloatCase { "Weight", "000000.00", 12.3, "000012,30" },
                      FloatCase { "Hash", "#,##0.00", 1000, "1.000,00" },
                      FloatCase { "OptionalDecimals", "0.##", 1.5, "1,5" },
                      FloatCase { "OptionalDecimalsNone", "0.##", 2, "2" },
                      FloatCase { "Literal", "'R$ ',0.00", 10, "R$ 10,00" },
                      FloatCase { "Sections", "0.00;(0.00);'zero'", -3, "(3,00)" },
                      FloatCase { "ZeroSection", "0.00;(0.00);'zero'", 0, "zero" },
                      FloatCase { "CarryIntoNewDigit", "0.00", 9.999, "10,00" },
                      FloatCase { "Large", ",0.00", 123456789012.34, "123.456.789.012,34" }),
    [](const auto &info) { return std::string(info.param.name); });

struct DateCase
{
    const char *name;
    const char *format;
    const char *expected;
};

void PrintTo(const DateCase &c, std::ostream *os)
{
    *os << c.name;
}

class FormatDateTimeTest : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(FormatDateTimeTest, FormatsLikeTheOriginal)
{
    const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 9, 250);
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(GetParam().format), value),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Formats,
    FormatDateTimeTest,
    ::testing::Values(DateCase { "Date", "dd/mm/yyyy", "05/03/2024" },
                      DateCase { "DateTime", "dd/mm/yyyy hh:mm:ss", "05/03/2024 14:07:09" },
                      DateCase { "Time", "hh:mm", "14:07" },
                      DateCase { "TimeWithN", "hh:nn:ss.zzz", "14:07:09.250" },
                      DateCase { "Competence", "mm/yyyy", "03/2024" },
                      DateCase { "Iso", "yyyy-mm-dd", "2024-03-05" },
                      DateCase { "Filter", "mm-dd-yyyy", "03-05-2024" },
                      DateCase { "Names", "dddd, d 'de' mmmm", "terça-feira, 5 de março" },
                      DateCase { "Short", "d/m/yy", "5/3/24" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FormatSettingsTest, GeneralFloatFormUsesFifteenDigits)
{
    EXPECT_EQ(FloatToStr(0), QStringLiteral("0"));
    EXPECT_EQ(FloatToStr(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(FloatToStr(-2), QStringLiteral("-2"));
    EXPECT_EQ(FloatToStr(0.1 + 0.2), QStringLiteral("0,3"));
    EXPECT_EQ(FloatToStr(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(FloatToStr(1.5e-7), QStringLiteral("1,5E-7"));
    EXPECT_EQ(FloatToStr(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(FloatToStrInvariant(1234.56), QStringLiteral("1234.56"));
    EXPECT_EQ(FloatToStrInvariant(0.0001), QStringLiteral("0.0001"));
}

TEST(FormatSettingsTest, ReadsNumbersWithTheDecimalComma)
{
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1234,5")), 1234.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" -0,25 ")), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5E3")), 1500);
    double value = 0;
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.234,5"), value));
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("1.5"), value));
    EXPECT_FALSE(TryStrToFloat(QString(), value));
    EXPECT_FALSE(TryStrToFloat(QStringLiteral("-"), value));
    EXPECT_THROW(StrToFloat(QStringLiteral("abc")), EConvertError);
    try {
        StrToFloat(QStringLiteral("x"));
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'x' is not a valid floating point value"));
    }
}

TEST(FormatSettingsTest, ReadsIntegers)
{
    EXPECT_EQ(StrToInt(QStringLiteral("42")), 42);
    EXPECT_EQ(StrToInt(QStringLiteral("-7")), -7);
    EXPECT_EQ(StrToInt(QStringLiteral("$FF")), 255);
    EXPECT_EQ(StrToInt64(QStringLiteral("9223372036854775807")), INT64_MAX);
    EXPECT_EQ(StrToInt64(QStringLiteral("-9223372036854775808")), INT64_MIN);
    std::int64_t wide = 0;
    EXPECT_FALSE(TryStrToInt64(QStringLiteral("9223372036854775808"), wide));
    int narrow = 0;
    EXPECT_FALSE(TryStrToInt(QStringLiteral("2147483648"), narrow));
    EXPECT_FALSE(TryStrToInt(QStringLiteral("12a"), narrow));
    EXPECT_FALSE(TryStrToInt(QStringLiteral(""), narrow));
    EXPECT_THROW(StrToInt(QStringLiteral("1,5")), EConvertError);
}

TEST(FormatSettingsTest, ReadsBooleansAsWordsOrNumbers)
{
    EXPECT_TRUE(StrToBool(QStringLiteral("-1")));
    EXPECT_TRUE(StrToBool(QStringLiteral("true")));
    EXPECT_TRUE(StrToBool(QStringLiteral("TRUE")));
    EXPECT_TRUE(StrToBool(QStringLiteral("2")));
    EXPECT_FALSE(StrToBool(QStringLiteral("0")));
    EXPECT_FALSE(StrToBool(QStringLiteral("False")));
    bool value = true;
    EXPECT_FALSE(TryStrToBool(QStringLiteral("SIM"), value));
    EXPECT_FALSE(TryStrToBool(QString(), value));
    EXPECT_THROW(StrToBool(QStringLiteral("talvez")), EConvertError);
}

TEST(FormatSettingsTest, ReadsDatesDayFirst)
{
    EXPECT_EQ(double(StrToDate(QStringLiteral("05/03/2024"))), double(EncodeDate(2024, 3, 5)));
    EXPECT_EQ(double(StrToDateTime(QStringLiteral("15/03/2024 10:30:15"))),
              double(EncodeDateTime(2024, 3, 15, 10, 30, 15, 0)));
    EXPECT_EQ(double(StrToDateTime(QStringLiteral("15/03/2024"))), double(EncodeDate(2024, 3, 15)));
    EXPECT_EQ(double(StrToTime(QStringLiteral("08:05"))), double(EncodeTime(8, 5, 0, 0)));
    TDateTime value;
    EXPECT_FALSE(TryStrToDate(QStringLiteral("31/02/2024"), value));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("2024-03-05"), value));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("  /  /    "), value));
    EXPECT_THROW(StrToDate(QStringLiteral("99/99/9999")), EConvertError);
    EXPECT_EQ(DateToStr(EncodeDate(2024, 1, 2)), QStringLiteral("02/01/2024"));
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 1, 2)), QStringLiteral("02/01/2024"));
    EXPECT_EQ(DateTimeToStr(EncodeDateTime(2024, 1, 2, 3, 4, 5, 0)),
              QStringLiteral("02/01/2024 03:04:05"));
}

// The output must not follow the machine's locale: the same texts under C and pt_BR.
TEST(FormatSettingsTest, IgnoresTheMachineLocale)
{
    const auto sample = [] {
        return QStringList { FormatFloat(QStringLiteral(",0.00"), 1234.5),
                             FloatToStr(2.5),
                             FloatToStrInvariant(2.5),
                             FormatDateTime(QStringLiteral("dd/mm/yyyy hh:mm:ss"),
                                            EncodeDateTime(2024, 3, 5, 1, 2, 3, 0)),
                             QString::number(StrToFloat(QStringLiteral("3,25"))) };
    };
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const QStringList underC = sample();
    ASSERT_NE(std::setlocale(LC_ALL, "pt_BR.UTF-8"), nullptr)
        << "the pt_BR.UTF-8 locale is generated by the set-up script";
    const QStringList underBrazil = sample();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(underC, underBrazil);
    EXPECT_EQ(underC.at(0), QStringLiteral("1.234,50"));
    EXPECT_EQ(underC.at(2), QStringLiteral("2.5"));
}

} // namespace

#include "DateUtils.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

struct IncMonthCase
{
    const char *name;
    TDateTime value;
    int months;
    TDateTime expected;
};

void PrintTo(const IncMonthCase &c, std::ostream *os)
{
    *os << c.name;
}

class IncMonthTest : public ::testing::TestWithParam<IncMonthCase>
{
};

TEST_P(IncMonthTest, KeepsDayAndTimeWithinTheTargetMonth)
{
    EXPECT_EQ(double(IncMonth(GetParam().value, GetParam().months)), double(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    IncMonthTest,
    ::testing::Values(
        IncMonthCase { "OneMonth", EncodeDate(2024, 3, 15), 1, EncodeDate(2024, 4, 15) },
        IncMonthCase { "ShortMonthLeapYear",
                       EncodeDateTime(2024, 1, 31, 10, 0, 0, 0),
                       1,
                       EncodeDateTime(2024, 2, 29, 10, 0, 0, 0) },
        IncMonthCase { "ShortMonth", EncodeDate(2023, 1, 31), 1, EncodeDate(2023, 2, 28) },
        IncMonthCase { "AcrossTheYear", EncodeDate(2024, 11, 30), 3, EncodeDate(2025, 2, 28) },
        IncMonthCase { "Backwards", EncodeDate(2024, 3, 31), -1, EncodeDate(2024, 2, 29) },
        IncMonthCase {
            "BackwardsAcrossTheYear", EncodeDate(2024, 1, 10), -13, EncodeDate(2022, 12, 10) },
        IncMonthCase { "Twelve", EncodeDate(2024, 2, 29), 12, EncodeDate(2025, 2, 28) }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DateUtilsTest, IncMonthRaisesOutsideTheCalendar)
{
    EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1), 1), EConvertError);
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}

TEST(DateUtilsTest, MilliSecondsBetweenIsWholeAndSymmetric)
{
    const TDateTime a = EncodeDate(2024, 1, 1);
    const TDateTime b = EncodeDate(2024, 3, 4);
    EXPECT_EQ(MilliSecondsBetween(a, b), 63LL * 86400000);
    EXPECT_EQ(MilliSecondsBetween(b, a), 63LL * 86400000);
    EXPECT_EQ(MilliSecondsBetween(a, EncodeDateTime(2024, 1, 1, 0, 0, 1, 500)), 1500);
}

} // namespace

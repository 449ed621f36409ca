#include "DateTime.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeTest, DayCountStartsAt1899_12_30)
{
    EXPECT_EQ(double(EncodeDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(double(EncodeDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(double(EncodeDate(2024, 3, 5)), 45356.0);
    EXPECT_EQ(double(EncodeDate(1970, 1, 1)), 25569.0);
    const TDateParts zero = DecodeDateTime(0.0);
    EXPECT_EQ(zero.Year, 1899);
    EXPECT_EQ(zero.Month, 12);
    EXPECT_EQ(zero.Day, 30);
}

TEST(DateTimeTest, RoundTripsToTheMillisecond)
{
    const TDateTime value = EncodeDateTime(2024, 3, 5, 14, 7, 9, 250);
    const TDateParts p = DecodeDateTime(value);
    EXPECT_EQ(p.Year, 2024);
    EXPECT_EQ(p.Month, 3);
    EXPECT_EQ(p.Day, 5);
    EXPECT_EQ(p.Hour, 14);
    EXPECT_EQ(p.Minute, 7);
    EXPECT_EQ(p.Second, 9);
    EXPECT_EQ(p.MSec, 250);
    // Just before midnight rounds within the day, not into the next one.
    const TDateParts late = DecodeDateTime(EncodeDateTime(2024, 12, 31, 23, 59, 59, 999));
    EXPECT_EQ(late.Day, 31);
    EXPECT_EQ(late.MSec, 999);
}

TEST(DateTimeTest, ValuesBeforeTheEpochCountTimeForward)
{
    const TDateTime value = EncodeDateTime(1899, 12, 29, 6, 0, 0, 0);
    EXPECT_DOUBLE_EQ(double(value), -1.25);
    const TDateParts p = DecodeDateTime(value);
    EXPECT_EQ(p.Day, 29);
    EXPECT_EQ(p.Hour, 6);
}

TEST(DateTimeTest, QDateTimeConversionKeepsTheClockTime)
{
    const TDateTime value = EncodeDateTime(2024, 10, 20, 0, 30, 0, 0);
    const QDateTime converted = DateTimeToQDateTime(value);
    EXPECT_EQ(converted.date(), QDate(2024, 10, 20));
    EXPECT_EQ(converted.time(), QTime(0, 30));
    EXPECT_EQ(double(QDateTimeToDateTime(converted)), double(value));
    EXPECT_EQ(double(QDateTimeToDateTime(QDateTime())), 0.0);
}

TEST(DateTimeTest, RejectsImpossibleDates)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_NO_THROW(EncodeDate(2024, 2, 29));
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 5)), 3); // a Tuesday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);
}

} // namespace

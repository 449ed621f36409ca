#include "DateTime.h"

#include "SysUtils.h"

#include <cmath>

namespace {

constexpr int MonthDays[2][12] = { { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 },
                                   { 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 } };

// Whole days since 0001-01-01 of a date (day 1 is 0001-01-01).
std::int64_t dateToDays(int year, int month, int day)
{
    const int leap = IsLeapYear(year) ? 1 : 0;
    for (int m = 1; m < month; ++m)
        day += MonthDays[leap][m - 1];
    const std::int64_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + day;
}

void daysToDate(std::int64_t days, int &year, int &month, int &day)
{
    // days: count since 0001-01-01 with 0001-01-01 = 1
    std::int64_t t = days - 1;
    std::int64_t y = 1;
    std::int64_t n400 = t / 146097;
    t %= 146097;
    y += n400 * 400;
    std::int64_t n100 = t / 36524;
    if (n100 == 4)
        n100 = 3;
    t -= n100 * 36524;
    y += n100 * 100;
    std::int64_t n4 = t / 1461;
    t %= 1461;
    y += n4 * 4;
    std::int64_t n1 = t / 365;
    if (n1 == 4)
        n1 = 3;
    t -= n1 * 365;
    y += n1;
    year = int(y);
    const int leap = IsLeapYear(year) ? 1 : 0;
    int m = 0;
    while (t >= MonthDays[leap][m]) {
        t -= MonthDays[leap][m];
        ++m;
    }
    month = m + 1;
    day = int(t) + 1;
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0) && ((year % 100 != 0) || (year % 400 == 0));
}

int DaysInAMonth(int year, int month)
{
    return MonthDays[IsLeapYear(year) ? 1 : 0][month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInAMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second, int msec)
{
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60
        && msec >= 0 && msec < 1000;
}

bool TryEncodeDate(int year, int month, int day, TDateTime &result)
{
    if (!IsValidDate(year, month, day))
        return false;
    result = double(dateToDays(year, month, day) - DateDelta);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result)
{
    if (!IsValidTime(hour, minute, second, msec))
        return false;
    result = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    TDateTime result;
    if (!TryEncodeTime(hour, minute, second, msec, result))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return result;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const double date = EncodeDate(year, month, day);
    const double time = EncodeTime(hour, minute, second, msec);
    // Before 1899-12-30 the fraction still counts forward from midnight of that day.
    return date < 0 ? date - time : date + time;
}

TDateParts DecodeDateTime(TDateTime value)
{
    const double v = value;
    double whole = std::trunc(v);
    double frac = std::fabs(v - whole);
    std::int64_t ms = std::llround(frac * MSecsPerDay);
    if (ms >= std::int64_t(MSecsPerDay)) {
        ms -= std::int64_t(MSecsPerDay);
        whole += v < 0 ? -1 : 1;
    }
    TDateParts parts;
    daysToDate(std::int64_t(whole) + DateDelta, parts.Year, parts.Month, parts.Day);
    parts.Hour = int(ms / 3600000);
    parts.Minute = int(ms / 60000 % 60);
    parts.Second = int(ms / 1000 % 60);
    parts.MSec = int(ms % 1000);
    return parts;
}

void DecodeDate(TDateTime value, int &year, int &month, int &day)
{
    const TDateParts p = DecodeDateTime(value);
    year = p.Year;
    month = p.Month;
    day = p.Day;
}

void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec)
{
    const TDateParts p = DecodeDateTime(value);
    hour = p.Hour;
    minute = p.Minute;
    second = p.Second;
    msec = p.MSec;
}

TDateTime DateOf(TDateTime value)
{
    const TDateParts p = DecodeDateTime(value);
    return EncodeDate(p.Year, p.Month, p.Day);
}

TDateTime TimeOf(TDateTime value)
{
    const TDateParts p = DecodeDateTime(value);
    return EncodeTime(p.Hour, p.Minute, p.Second, p.MSec);
}

int DayOfWeek(TDateTime value)
{
    // 1899-12-30 was a Saturday (7).
    const std::int64_t days = std::int64_t(std::floor(double(DateOf(value))));
    return int(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime QDateTimeToDateTime(const QDateTime &value)
{
    if (!value.isValid())
        return 0.0;
    const QDate d = value.date();
    const QTime t = value.time();
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

TDateTime QDateToDateTime(const QDate &value)
{
    if (!value.isValid())
        return 0.0;
    return EncodeDate(value.year(), value.month(), value.day());
}

QDateTime DateTimeToQDateTime(TDateTime value)
{
    const TDateParts p = DecodeDateTime(value);
    return QDateTime(
        QDate(p.Year, p.Month, p.Day), QTime(p.Hour, p.Minute, p.Second, p.MSec), Qt::LocalTime);
}

TDateTime Now()
{
    return QDateTimeToDateTime(QDateTime::currentDateTime());
}

TDateTime Date()
{
    return QDateToDateTime(QDate::currentDate());
}

TDateTime UnixToDateTime(std::int64_t seconds)
{
    return 25569.0 + double(seconds) / 86400.0;
}

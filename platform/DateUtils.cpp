#include "DateUtils.h"

#include <algorithm>
#include <cmath>

TDateTime IncMonth(TDateTime value, int months)
{
    const TDateParts p = DecodeDateTime(value);
    const int monthIndex = p.Year * 12 + (p.Month - 1) + months;
    const int year = monthIndex / 12;
    const int month = monthIndex % 12 + 1;
    const int day = IsValidDate(year, month, 1) ? std::min(p.Day, DaysInAMonth(year, month)) : 0;
    return EncodeDateTime(year, month, day, p.Hour, p.Minute, p.Second, p.MSec);
}

std::int64_t MilliSecondsBetween(TDateTime now, TDateTime then)
{
    // Rounded, not truncated: a whole number of days must not lose a millisecond to the
    // floating representation.
    return std::llround(std::fabs(double(now) - double(then)) * MSecsPerDay);
}

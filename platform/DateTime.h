#pragma once

#include <QDateTime>

#include <cstdint>

// A point in time as a day count: 0 is 1899-12-30 00:00:00 (also "no date"), the integer part
// counts days and the fraction is the time of day. Kept as its own type so that the wire
// reflection tells a date from a plain floating number. It carries no time zone: the clock time
// is whatever the value says.
class TDateTime
{
public:
    constexpr TDateTime() = default;
    constexpr TDateTime(double value)
        : m_value(value)
    { }

    constexpr operator double() const { return m_value; }
    constexpr double Value() const { return m_value; }

    TDateTime &operator+=(double days)
    {
        m_value += days;
        return *this;
    }
    TDateTime &operator-=(double days)
    {
        m_value -= days;
        return *this;
    }

private:
    double m_value = 0.0;
};

constexpr double MSecsPerDay = 86400000.0;
constexpr int DateDelta = 693594; // days from 0001-01-01 to 1899-12-30

struct TDateParts
{
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
};

bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int msec);
bool IsLeapYear(int year);
int DaysInAMonth(int year, int month);

// Raise EConvertError on values out of range.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime &result);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime &result);

// Splits a value into calendar parts, the time rounded to the millisecond.
TDateParts DecodeDateTime(TDateTime value);
void DecodeDate(TDateTime value, int &year, int &month, int &day);
void DecodeTime(TDateTime value, int &hour, int &minute, int &second, int &msec);

TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);
int DayOfWeek(TDateTime value); // 1 = Sunday … 7 = Saturday

// The local clock, read as local date and time.
TDateTime Now();
TDateTime Date();

// Conversions keep the clock time: no time-zone shift in either direction. The QDateTime made
// from a value is a local time (Qt::LocalTime) with the same calendar fields.
QDateTime DateTimeToQDateTime(TDateTime value);
TDateTime QDateTimeToDateTime(const QDateTime &value);
TDateTime QDateToDateTime(const QDate &value);

// Seconds since 1970-01-01 00:00:00 as a day count (no zone involved).
TDateTime UnixToDateTime(std::int64_t seconds);

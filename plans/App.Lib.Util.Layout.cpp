#include "App.Lib.Util.Layout.h"

#include "SysUtils.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

// Blanks and control characters off both ends.
QStringView trimLayoutText(const QString &value)
{
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && value.at(first).unicode() <= u' ')
        ++first;
    while (last > first && value.at(last - 1).unicode() <= u' ')
        --last;
    return QStringView(value).mid(first, last - first);
}

// The digits of the value with ADecimalSize decimals and no point, leading zeros dropped.
std::int64_t impliedDecimals(double value, int decimals)
{
    // The files repeat one value on every record: the last answer is kept.
    thread_local double lastValue = -1.0;
    thread_local int lastDecimals = -1;
    thread_local std::int64_t lastNumber = 0;
    if (value == lastValue && decimals == lastDecimals)
        return lastNumber;
    // 15 significant digits: "d.dddddddddddddde±x".
    char text[64];
    std::snprintf(text, sizeof text, "%.14e", std::fabs(value));
    const QByteArray formatted(text);
    const qsizetype ePos = formatted.indexOf('e');
    QByteArray digits = formatted.left(ePos);
    digits.remove(1, 1);
    const int exponent = std::atoi(formatted.constData() + ePos + 1);
    const int point = exponent + 1; // digits before the decimal point
    QByteArray whole;
    QByteArray fraction;
    if (point <= 0) {
        fraction = QByteArray(-point, '0') + digits;
    } else if (point >= digits.size()) {
        whole = digits + QByteArray(point - digits.size(), '0');
    } else {
        whole = digits.left(point);
        fraction = digits.mid(point);
    }
    if (fraction.size() < decimals)
        fraction += QByteArray(decimals - fraction.size(), '0');
    fraction.truncate(decimals);
    lastNumber = (whole + fraction).toLongLong();
    lastValue = value;
    lastDecimals = decimals;
    return lastNumber;
}

// The date as the number yyyymmdd. A file's records share a few dates: the last answer is kept.
std::int64_t yyyymmdd(TDateTime value)
{
    thread_local TDateTime lastValue = std::numeric_limits<double>::quiet_NaN(); // equals none
    thread_local std::int64_t lastNumber = 0;
    if (value == lastValue)
        return lastNumber;
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(value, year, month, day);
    lastNumber = std::int64_t(year) * 10000 + month * 100 + day;
    lastValue = value;
    return lastNumber;
}

[[noreturn]] void raiseTooWide(const QString &field, int size)
{
    throw Exception(QStringLiteral("O campo %1 não cabe em %2 posições.").arg(field).arg(size));
}

} // namespace

void TUtilLayout::appendInteger(QString &ALine, std::int64_t Value, int ASize)
{
    // Digits written from the right into a small buffer: this runs for every field of every
    // record.
    char16_t digits[24];
    int at = 24;
    std::uint64_t rest = Value < 0 ? 0 - std::uint64_t(Value) : std::uint64_t(Value);
    do {
        digits[--at] = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    const int count = 24 - at;
    if (Value < 0)
        ALine += u'-';
    // The zeros go in without a string of their own.
    static constexpr char16_t kZeros[] = u"00000000000000000000000000000000";
    constexpr int kZerosSize = int(std::size(kZeros)) - 1;
    for (int zeros = ASize - count - (Value < 0 ? 1 : 0); zeros > 0; zeros -= kZerosSize)
        ALine.append(reinterpret_cast<const QChar *>(kZeros), std::min(zeros, kZerosSize));
    ALine.append(reinterpret_cast<const QChar *>(digits + at), count);
}

QString TUtilLayout::resultInteger(std::int64_t Value, int ASize)
{
    QString text;
    text.reserve(std::max(ASize, 20));
    appendInteger(text, Value, ASize);
    return text;
}

QString TUtilLayout::resultString(const QString &Value, int ASize)
{
    QString text;
    text.reserve(ASize);
    appendString(text, Value, ASize);
    return text;
}

QString TUtilLayout::resultStringZero(const QString &Value, int ASize)
{
    // Counted on the trimmed text, so blanks around a CPF cost no zeros.
    const QStringView text = trimLayoutText(Value);
    if (text.size() >= ASize)
        return text.toString();
    return QString(ASize - text.size(), u'0') + text.toString();
}

QString TUtilLayout::resultDate(TDateTime Value, int ASize)
{
    QString text;
    text.reserve(8);
    appendDate(text, Value, ASize);
    return text;
}

void TUtilLayout::appendDate(QString &ALine, TDateTime Value, int ASize)
{
    const qsizetype before = ALine.size();
    appendInteger(ALine, yyyymmdd(Value), 8);
    if (ALine.size() - before > ASize)
        ALine.truncate(before + ASize);
}

QString TUtilLayout::resultFloat(double Value, int ASize, int ADecimalSize, bool AIsRound)
{
    if (AIsRound)
        Value = std::nearbyint(Value * 100.0) / 100.0; // the default rounding mode: half to even
    const std::int64_t number = impliedDecimals(Value, ADecimalSize);
    return resultInteger(Value < 0 ? -number : number, ASize);
}

void TUtilLayout::appendField(QString &ALine, std::int64_t Value, int ASize, const char *AField)
{
    const qsizetype before = ALine.size();
    appendInteger(ALine, Value, ASize);
    if (ALine.size() - before > ASize)
        raiseTooWide(QLatin1String(AField), ASize);
}

void TUtilLayout::appendField(QString &ALine,
                              double Value,
                              int ASize,
                              int ADecimalSize,
                              const char *AField)
{
    appendField(ALine, impliedDecimals(Value, ADecimalSize), ASize, AField);
}

void TUtilLayout::appendString(QString &ALine, const QString &Value, int ASize)
{
    const QStringView text = trimLayoutText(Value);
    const qsizetype kept = std::min<qsizetype>(text.size(), ASize);
    ALine.append(text.first(kept));
    for (qsizetype i = kept; i < ASize; ++i)
        ALine += u' ';
}

QString TUtilLayout::fieldInteger(std::int64_t Value, int ASize, const QString &AField)
{
    QString text = resultInteger(Value, ASize);
    if (text.size() > ASize)
        raiseTooWide(AField, ASize);
    return text;
}

QString TUtilLayout::fieldFloat(double Value, int ASize, int ADecimalSize, const QString &AField)
{
    QString text = resultFloat(Value, ASize, ADecimalSize, false);
    if (text.size() > ASize)
        raiseTooWide(AField, ASize);
    return text;
}

#include "App.Lib.Util.Layout.h"

#include "SysUtils.h"

#include <QByteArray>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Blanks and control characters off both ends.
QString trimLayoutText(const QString &value)
{
    qsizetype first = 0;
    qsizetype last = value.size();
    while (first < last && value.at(first).unicode() <= u' ')
        ++first;
    while (last > first && value.at(last - 1).unicode() <= u' ')
        --last;
    return value.mid(first, last - first);
}

// The digits of the value with ADecimalSize decimals and no point, leading zeros dropped.
std::int64_t impliedDecimals(double value, int decimals)
{
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
    return (whole + fraction).toLongLong();
}

[[noreturn]] void raiseTooWide(const QString &field, int size)
{
    throw Exception(QStringLiteral("O campo %1 não cabe em %2 posições.").arg(field).arg(size));
}

} // namespace

QString TUtilLayout::resultInteger(std::int64_t Value, int ASize)
{
    QString digits = QString::number(Value < 0 ? -Value : Value);
    if (digits.size() < ASize)
        digits.prepend(QString(ASize - digits.size() - (Value < 0 ? 1 : 0), u'0'));
    return Value < 0 ? u'-' + digits : digits;
}

QString TUtilLayout::resultString(const QString &Value, int ASize)
{
    QString text = trimLayoutText(Value);
    if (text.size() < ASize)
        text += QString(ASize - text.size(), u' ');
    text.truncate(ASize);
    return text;
}

QString TUtilLayout::resultStringZero(const QString &Value, int ASize)
{
    // Counted on the trimmed text, so blanks around a CPF cost no zeros.
    const QString text = trimLayoutText(Value);
    if (text.size() >= ASize)
        return text;
    return QString(ASize - text.size(), u'0') + text;
}

QString TUtilLayout::resultDate(TDateTime Value, int ASize)
{
    int year = 0;
    int month = 0;
    int day = 0;
    DecodeDate(Value, year, month, day);
    return QStringLiteral("%1%2%3")
        .arg(year, 4, 10, QChar(u'0'))
        .arg(month, 2, 10, QChar(u'0'))
        .arg(day, 2, 10, QChar(u'0'))
        .left(ASize);
}

QString TUtilLayout::resultFloat(double Value, int ASize, int ADecimalSize, bool AIsRound)
{
    if (AIsRound)
        Value = std::nearbyint(Value * 100.0) / 100.0; // the default rounding mode: half to even
    const std::int64_t number = impliedDecimals(Value, ADecimalSize);
    return resultInteger(Value < 0 ? -number : number, ASize);
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

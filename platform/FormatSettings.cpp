#include "FormatSettings.h"

#include "SysUtils.h"

#include <cmath>
#include <charconv>
#include <limits>

namespace {

TFormatSettings makeBrazilian()
{
    TFormatSettings s;
    s.ShortMonthNames = { QStringLiteral("jan"), QStringLiteral("fev"), QStringLiteral("mar"),
                          QStringLiteral("abr"), QStringLiteral("mai"), QStringLiteral("jun"),
                          QStringLiteral("jul"), QStringLiteral("ago"), QStringLiteral("set"),
                          QStringLiteral("out"), QStringLiteral("nov"), QStringLiteral("dez") };
    s.LongMonthNames
        = { QStringLiteral("janeiro"), QStringLiteral("fevereiro"), QStringLiteral("março"),
            QStringLiteral("abril"),   QStringLiteral("maio"),      QStringLiteral("junho"),
            QStringLiteral("julho"),   QStringLiteral("agosto"),    QStringLiteral("setembro"),
            QStringLiteral("outubro"), QStringLiteral("novembro"),  QStringLiteral("dezembro") };
    s.ShortDayNames = { QStringLiteral("dom"), QStringLiteral("seg"), QStringLiteral("ter"),
                        QStringLiteral("qua"), QStringLiteral("qui"), QStringLiteral("sex"),
                        QStringLiteral("sáb") };
    s.LongDayNames = { QStringLiteral("domingo"),      QStringLiteral("segunda-feira"),
                       QStringLiteral("terça-feira"),  QStringLiteral("quarta-feira"),
                       QStringLiteral("quinta-feira"), QStringLiteral("sexta-feira"),
                       QStringLiteral("sábado") };
    return s;
}

// A non-negative finite value as 15 significant decimal digits and the position of the decimal
// point: value = 0.D1D2…D15 × 10^pointPos.
struct Decimal
{
    QByteArray digits; // 15 digits, or empty for zero
    int pointPos = 0;
};

Decimal toDecimal(double value)
{
    Decimal d;
    if (value == 0.0)
        return d;
    // to_chars ignores the C locale (Qt sets it from the environment).
    char buffer[40];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    // "d.dddddddddddddde±XX"
    const QByteArray text(buffer, result.ptr - buffer);
    const qsizetype e = text.indexOf('e');
    d.digits = text.left(1) + text.mid(2, e - 2);
    d.pointPos = text.mid(e + 1).toInt() + 1;
    return d;
}

// Rounds half away from zero so that at most `decimals` digits follow the point; the result's
// digits hold no trailing zeros.
Decimal roundDecimal(Decimal d, int decimals)
{
    if (d.digits.isEmpty())
        return d;
    const int keep = d.pointPos + decimals;
    if (keep < 0) {
        d.digits.clear();
        return d;
    }
    if (keep < d.digits.size()) {
        const bool up = d.digits.at(keep) >= '5';
        d.digits.truncate(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.digits.at(i) == '9') {
                d.digits[i] = '0';
                --i;
            }
            if (i < 0) {
                d.digits.prepend('1');
                d.pointPos += 1;
            } else {
                d.digits[i] = char(d.digits.at(i) + 1);
            }
        }
    }
    while (!d.digits.isEmpty() && d.digits.endsWith('0'))
        d.digits.chop(1);
    if (d.digits.isEmpty())
        d.pointPos = 0;
    return d;
}

QStringList splitSections(const QString &format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            current += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            current += c;
        } else if (c == u';') {
            sections << current;
            current.clear();
        } else {
            current += c;
        }
    }
    sections << current;
    return sections;
}

QString formatSection(const QString &section,
                      double absValue,
                      bool negative,
                      const TFormatSettings &settings)
{
    // Survey the picture.
    int intPlaceholders = 0, firstIntZero = -1, minDecimals = 0, maxDecimals = 0;
    bool thousands = false, seenPoint = false;
    QChar quote;
    for (QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'.') {
            seenPoint = true;
        } else if (c == u',') {
            if (!seenPoint)
                thousands = true;
        } else if (c == u'0' || c == u'#') {
            if (seenPoint) {
                ++maxDecimals;
                if (c == u'0')
                    minDecimals = maxDecimals;
            } else {
                if (c == u'0' && firstIntZero < 0)
                    firstIntZero = intPlaceholders;
                ++intPlaceholders;
            }
        }
    }

    const Decimal d = roundDecimal(toDecimal(absValue), maxDecimals);
    QString intDigits;
    QString fracDigits;
    if (!d.digits.isEmpty()) {
        for (int i = 0; i < d.pointPos; ++i)
            intDigits += i < d.digits.size() ? QChar(d.digits.at(i)) : QChar(u'0');
        for (int i = std::max(d.pointPos, 0); i < d.digits.size(); ++i)
            fracDigits += QChar(d.digits.at(i));
        for (int i = d.pointPos; i < 0; ++i)
            fracDigits.prepend(u'0');
    }
    while (fracDigits.size() < minDecimals)
        fracDigits += u'0';
    const int minIntDigits = firstIntZero < 0 ? 0 : intPlaceholders - firstIntZero;
    while (intDigits.size() < minIntDigits)
        intDigits.prepend(u'0');

    QString out;
    const bool nonZero
        = intDigits.count(u'0') != intDigits.size() || fracDigits.count(u'0') != fracDigits.size();
    if (negative && nonZero)
        out += u'-';

    auto emitIntDigit = [&](int index) {
        // index counts from the left of intDigits
        out += intDigits.at(index);
        const int fromRight = int(intDigits.size()) - 1 - index;
        if (thousands && fromRight > 0 && fromRight % 3 == 0)
            out += settings.ThousandSeparator;
    };

    int intSeen = 0;
    int fracSeen = 0;
    bool pointDone = false;
    quote = QChar();
    for (QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            if (!pointDone) {
                const int slot = intPlaceholders - intSeen; // 1-based from the right
                if (intSeen == 0) {
                    for (int i = 0; i < int(intDigits.size()) - intPlaceholders; ++i)
                        emitIntDigit(i);
                }
                const int index = int(intDigits.size()) - slot;
                if (index >= 0)
                    emitIntDigit(index);
                ++intSeen;
            } else {
                if (fracSeen < fracDigits.size())
                    out += fracDigits.at(fracSeen);
                ++fracSeen;
            }
        } else if (c == u'.') {
            if (!pointDone) {
                if (intSeen == 0)
                    for (int i = 0; i < intDigits.size(); ++i)
                        emitIntDigit(i);
                intSeen = intPlaceholders;
                pointDone = true;
                if (!fracDigits.isEmpty())
                    out += settings.DecimalSeparator;
            }
        } else if (c == u',') {
            // thousands marker, handled while emitting digits
        } else {
            out += c;
        }
    }
    if (!pointDone && intSeen == 0 && intPlaceholders == 0 && maxDecimals == 0)
        return out; // a picture with no placeholder at all prints only its literals
    return out;
}

bool parseUnsigned(const QString &text, qsizetype &pos, int maxDigits, int &value, int &count)
{
    value = 0;
    count = 0;
    while (pos < text.size() && text.at(pos).isDigit() && count < maxDigits) {
        value = value * 10 + text.at(pos).digitValue();
        ++pos;
        ++count;
    }
    return count > 0;
}

void skipBlanks(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
}

bool scanDate(const QString &text,
              qsizetype &pos,
              TDateTime &value,
              const TFormatSettings &settings)
{
    int numbers[3] = { 0, 0, 0 };
    int counts[3] = { 0, 0, 0 };
    int n = 0;
    skipBlanks(text, pos);
    while (n < 3) {
        if (!parseUnsigned(text, pos, 4, numbers[n], counts[n]))
            return false;
        ++n;
        if (n < 3 && pos < text.size() && text.at(pos) == settings.DateSeparator)
            ++pos;
        else
            break;
    }
    if (n < 2)
        return false;
    int day = numbers[0], month = numbers[1];
    int year = QDate::currentDate().year();
    if (n == 3) {
        year = numbers[2];
        if (counts[2] <= 2) {
            const int current = QDate::currentDate().year();
            const int pivot = current - settings.TwoDigitYearCenturyWindow;
            year += (pivot / 100) * 100;
            if (settings.TwoDigitYearCenturyWindow > 0 && year < pivot)
                year += 100;
        }
    }
    return TryEncodeDate(year, month, day, value);
}

bool scanTime(const QString &text,
              qsizetype &pos,
              TDateTime &value,
              const TFormatSettings &settings)
{
    int hour = 0, minute = 0, second = 0, msec = 0, count = 0;
    skipBlanks(text, pos);
    if (!parseUnsigned(text, pos, 2, hour, count))
        return false;
    if (pos >= text.size() || text.at(pos) != settings.TimeSeparator)
        return false;
    ++pos;
    if (!parseUnsigned(text, pos, 2, minute, count))
        return false;
    if (pos < text.size() && text.at(pos) == settings.TimeSeparator) {
        ++pos;
        if (!parseUnsigned(text, pos, 2, second, count))
            return false;
        if (pos < text.size()
            && (text.at(pos) == u'.' || text.at(pos) == settings.DecimalSeparator)) {
            ++pos;
            if (!parseUnsigned(text, pos, 3, msec, count))
                return false;
            while (count++ < 3)
                msec *= 10;
        }
    }
    skipBlanks(text, pos);
    const QString rest = text.mid(pos).toUpper();
    if (rest.startsWith(QStringLiteral("AM")) || rest.startsWith(QStringLiteral("PM"))) {
        if (hour > 12)
            return false;
        if (rest.startsWith(QStringLiteral("PM")) && hour < 12)
            hour += 12;
        if (rest.startsWith(QStringLiteral("AM")) && hour == 12)
            hour = 0;
        pos += 2;
    }
    return TryEncodeTime(hour, minute, second, msec, value);
}

bool atEnd(const QString &text, qsizetype pos)
{
    skipBlanks(text, pos);
    return pos >= text.size();
}

} // namespace

const TFormatSettings &TFormatSettings::Default()
{
    static const TFormatSettings settings = makeBrazilian();
    return settings;
}

const TFormatSettings &TFormatSettings::Invariant()
{
    static const TFormatSettings settings = [] {
        TFormatSettings s = makeBrazilian();
        s.DecimalSeparator = u'.';
        s.ThousandSeparator = u',';
        return s;
    }();
    return settings;
}

QString FormatFloat(const QString &format, double value, const TFormatSettings &settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (format.isEmpty())
        return FloatToStr(value, settings);
    const QStringList sections = splitSections(format);
    const bool negative = value < 0;
    const double absValue = std::fabs(value);
    if (negative && sections.size() >= 2 && !sections.at(1).isEmpty())
        return formatSection(sections.at(1), absValue, false, settings);
    if (sections.size() >= 3 && !sections.at(2).isEmpty()) {
        // The zero section applies when the value rounds to zero under the first picture.
        const QString first = formatSection(sections.at(0), absValue, false, settings);
        const QString zero = formatSection(sections.at(0), 0.0, false, settings);
        if (first == zero)
            return formatSection(sections.at(2), 0.0, false, settings);
    }
    return formatSection(sections.at(0), absValue, negative, settings);
}

QString FloatToStr(double value, const TFormatSettings &settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const Decimal d = roundDecimal(toDecimal(std::fabs(value)), 1000);
    if (d.digits.isEmpty())
        return QStringLiteral("0");
    QString out;
    if (value < 0)
        out += u'-';
    const QString digits = QString::fromLatin1(d.digits);
    if (d.pointPos <= 15 && d.pointPos >= -4) {
        if (d.pointPos <= 0) {
            out += u'0';
            out += settings.DecimalSeparator;
            out += QString(-d.pointPos, u'0');
            out += digits;
        } else if (d.pointPos >= digits.size()) {
            out += digits;
            out += QString(d.pointPos - digits.size(), u'0');
        } else {
            out += digits.left(d.pointPos);
            out += settings.DecimalSeparator;
            out += digits.mid(d.pointPos);
        }
        return out;
    }
    out += digits.left(1);
    if (digits.size() > 1) {
        out += settings.DecimalSeparator;
        out += digits.mid(1);
    }
    out += u'E';
    out += QString::number(d.pointPos - 1);
    return out;
}

QString FloatToStrInvariant(double value)
{
    return FloatToStr(value, TFormatSettings::Invariant());
}

bool TryStrToFloat(const QString &text, double &value, const TFormatSettings &settings)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    QByteArray ascii;
    ascii.reserve(t.size());
    qsizetype i = 0;
    if (t.at(i) == u'+' || t.at(i) == u'-')
        ascii += char(t.at(i++).unicode());
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            ascii += char(c.unicode());
            digits = true;
        } else if (c == settings.DecimalSeparator && !point) {
            ascii += '.';
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t.at(i) == u'e' || t.at(i) == u'E')) {
        ascii += 'e';
        ++i;
        if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-'))
            ascii += char(t.at(i++).unicode());
        bool expDigits = false;
        for (; i < t.size() && t.at(i).isDigit() && t.at(i).unicode() < 128; ++i) {
            ascii += char(t.at(i).unicode());
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    if (i != t.size())
        return false;
    double parsed = 0;
    const char *first = ascii.constData();
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, ascii.constData() + ascii.size(), parsed);
    if (result.ec != std::errc() || result.ptr != ascii.constData() + ascii.size()
        || std::isinf(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const QString &text, const TFormatSettings &settings)
{
    double value = 0;
    if (!TryStrToFloat(text, value, settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

bool TryStrToInt64(const QString &text, std::int64_t &value)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        negative = text.at(i++) == u'-';
    int base = 10;
    if (i < text.size() && text.at(i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text.at(i) == u'0'
               && (text.at(i + 1) == u'x' || text.at(i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = negative
        ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
        : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c.unicode() - '0';
        else if (base == 16 && c.toLower() >= u'a' && c.toLower() <= u'f')
            digit = c.toLower().unicode() - 'a' + 10;
        if (digit < 0)
            return false;
        if (magnitude > (limit - std::uint64_t(digit)) / std::uint64_t(base))
            return false;
        magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
    }
    value = negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
    return true;
}

bool TryStrToInt(const QString &text, int &value)
{
    std::int64_t wide = 0;
    if (!TryStrToInt64(text, wide) || wide < std::numeric_limits<int>::min()
        || wide > std::numeric_limits<int>::max())
        return false;
    value = int(wide);
    return true;
}

int StrToInt(const QString &text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

std::int64_t StrToInt64(const QString &text)
{
    std::int64_t value = 0;
    if (!TryStrToInt64(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

bool TryStrToBool(const QString &text, bool &value)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    double number = 0;
    if (!TryStrToFloat(text, number))
        return false;
    value = number != 0;
    return true;
}

bool StrToBool(const QString &text)
{
    bool value = false;
    if (!TryStrToBool(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid boolean value").arg(text));
    return value;
}

QString FormatDateTime(const QString &format, TDateTime value, const TFormatSettings &settings)
{
    const TDateParts p = DecodeDateTime(value);
    QString out;
    bool useMinute = false;
    const qsizetype n = format.size();
    auto count = [&](qsizetype i) {
        const QChar c = format.at(i).toLower();
        qsizetype j = i;
        while (j < n && format.at(j).toLower() == c)
            ++j;
        return int(j - i);
    };
    auto pad = [](int v, int width) { return QString::number(v).rightJustified(width, u'0'); };
    for (qsizetype i = 0; i < n;) {
        const QChar c = format.at(i);
        const QChar lc = c.toLower();
        if (c == u'\'' || c == u'"') {
            const qsizetype close = format.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (lc == u'a') {
            const QString rest = format.mid(i, 5).toLower();
            if (rest == QStringLiteral("am/pm")) {
                out += p.Hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
                if (format.at(i).isUpper())
                    out = out.left(out.size() - 2) + out.right(2).toUpper();
                i += 5;
                continue;
            }
            if (rest.startsWith(QStringLiteral("a/p"))) {
                out += p.Hour < 12 ? QStringLiteral("a") : QStringLiteral("p");
                i += 3;
                continue;
            }
            out += c;
            ++i;
            continue;
        }
        const int k = count(i);
        if (lc == u'y') {
            out += k <= 2 ? pad(p.Year % 100, 2) : pad(p.Year, 4);
            useMinute = false;
        } else if (lc == u'm') {
            if (k <= 2 && useMinute)
                out += k == 1 ? QString::number(p.Minute) : pad(p.Minute, 2);
            else if (k == 1)
                out += QString::number(p.Month);
            else if (k == 2)
                out += pad(p.Month, 2);
            else if (k == 3)
                out += settings.ShortMonthNames.at(p.Month - 1);
            else
                out += settings.LongMonthNames.at(p.Month - 1);
            useMinute = false;
        } else if (lc == u'd') {
            const int weekday = DayOfWeek(value) - 1;
            switch (k) {
            case 1:
                out += QString::number(p.Day);
                break;
            case 2:
                out += pad(p.Day, 2);
                break;
            case 3:
                out += settings.ShortDayNames.at(weekday);
                break;
            case 4:
                out += settings.LongDayNames.at(weekday);
                break;
            case 5:
                out += FormatDateTime(settings.ShortDateFormat, value, settings);
                break;
            default:
                out += FormatDateTime(settings.LongDateFormat, value, settings);
                break;
            }
            useMinute = false;
        } else if (lc == u'h') {
            int hour = p.Hour;
            const QString rest = format.mid(i + k).toLower();
            if (rest.contains(QStringLiteral("am/pm")) || rest.contains(QStringLiteral("a/p"))) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += k == 1 ? QString::number(hour) : pad(hour, 2);
            useMinute = true;
        } else if (lc == u'n') {
            out += k == 1 ? QString::number(p.Minute) : pad(p.Minute, 2);
        } else if (lc == u's') {
            out += k == 1 ? QString::number(p.Second) : pad(p.Second, 2);
        } else if (lc == u'z') {
            out += k >= 3 ? pad(p.MSec, 3) : QString::number(p.MSec);
        } else if (lc == u't') {
            out += FormatDateTime(
                k == 1 ? settings.ShortTimeFormat : settings.LongTimeFormat, value, settings);
        } else if (lc == u'c' && k == 1) {
            out += FormatDateTime(settings.ShortDateFormat, value, settings);
            if (TimeOf(value) != 0.0) {
                out += u' ';
                out += FormatDateTime(settings.LongTimeFormat, value, settings);
            }
        } else if (c == u'/') {
            out += settings.DateSeparator;
            i += 1;
            continue;
        } else if (c == u':') {
            out += settings.TimeSeparator;
            i += 1;
            continue;
        } else {
            out += format.mid(i, k);
        }
        i += k;
    }
    return out;
}

QString DateToStr(TDateTime value)
{
    return FormatDateTime(TFormatSettings::Default().ShortDateFormat, value);
}

QString TimeToStr(TDateTime value)
{
    return FormatDateTime(TFormatSettings::Default().LongTimeFormat, value);
}

QString DateTimeToStr(TDateTime value)
{
    return FormatDateTime(QStringLiteral("c"), value);
}

bool TryStrToDate(const QString &text, TDateTime &value, const TFormatSettings &settings)
{
    qsizetype pos = 0;
    TDateTime date;
    if (!scanDate(text, pos, date, settings) || !atEnd(text, pos))
        return false;
    value = date;
    return true;
}

bool TryStrToTime(const QString &text, TDateTime &value, const TFormatSettings &settings)
{
    qsizetype pos = 0;
    TDateTime time;
    if (!scanTime(text, pos, time, settings) || !atEnd(text, pos))
        return false;
    value = time;
    return true;
}

bool TryStrToDateTime(const QString &text, TDateTime &value, const TFormatSettings &settings)
{
    qsizetype pos = 0;
    TDateTime date;
    if (scanDate(text, pos, date, settings)) {
        if (atEnd(text, pos)) {
            value = date;
            return true;
        }
        TDateTime time;
        if (!scanTime(text, pos, time, settings) || !atEnd(text, pos))
            return false;
        value = double(date) < 0 ? double(date) - double(time) : double(date) + double(time);
        return true;
    }
    return TryStrToTime(text, value, settings);
}

TDateTime StrToDate(const QString &text)
{
    TDateTime value;
    if (!TryStrToDate(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return value;
}

TDateTime StrToTime(const QString &text)
{
    TDateTime value;
    if (!TryStrToTime(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
    return value;
}

TDateTime StrToDateTime(const QString &text)
{
    TDateTime value;
    if (!TryStrToDateTime(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    return value;
}

#pragma once

#include "DateTime.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The regional conventions the system relies on: Brazilian Portuguese, fixed in the program and
// never read from the machine (decimal comma, thousands point, day/month/year dates with "/").
struct TFormatSettings
{
    QChar DecimalSeparator = u',';
    QChar ThousandSeparator = u'.';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, d' de 'mmmm' de 'yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
    QString CurrencyString = QStringLiteral("R$");
    QStringList ShortMonthNames;
    QStringList LongMonthNames;
    QStringList ShortDayNames; // Sunday first
    QStringList LongDayNames;
    int TwoDigitYearCenturyWindow = 50;

    // The process-wide pt-BR settings every conversion uses.
    static const TFormatSettings &Default();
    // The same with "." as the decimal separator: the JSON and other machine texts.
    static const TFormatSettings &Invariant();
};

// Numbers to text. FormatFloat follows the picture rules of the original ("0", "#", ".", ",",
// quoted literals, up to three ";" sections); values are taken with 15 significant digits and
// rounded half away from zero.
QString FormatFloat(const QString &format,
                    double value,
                    const TFormatSettings &settings = TFormatSettings::Default());
// The general form: the shortest text with up to 15 significant digits, scientific only for very
// large or very small values ("1E20", "1,5E-7").
QString FloatToStr(double value, const TFormatSettings &settings = TFormatSettings::Default());
// FloatToStr with "." as separator, as JSON writes numbers.
QString FloatToStrInvariant(double value);

// Text to numbers; the Str* forms raise EConvertError with the original's message.
bool TryStrToFloat(const QString &text,
                   double &value,
                   const TFormatSettings &settings = TFormatSettings::Default());
double StrToFloat(const QString &text,
                  const TFormatSettings &settings = TFormatSettings::Default());
bool TryStrToInt(const QString &text, int &value);
bool TryStrToInt64(const QString &text, std::int64_t &value);
int StrToInt(const QString &text);
std::int64_t StrToInt64(const QString &text);
// "True" and "False" in any letter case, or a number: 0 is false, any other true ("-1" as the
// check boxes give it).
bool TryStrToBool(const QString &text, bool &value);
bool StrToBool(const QString &text);

// Dates and times to text. Tokens: d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn
// s ss z zzz t tt c am/pm a/p, "/" and ":" as the settings' separators, quoted literals; "m"/"mm"
// right after an hour token mean minutes.
QString FormatDateTime(const QString &format,
                       TDateTime value,
                       const TFormatSettings &settings = TFormatSettings::Default());
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);

// Text to dates in the settings' day/month/year order, with an optional time "hh:nn[:ss[.zzz]]".
bool TryStrToDate(const QString &text,
                  TDateTime &value,
                  const TFormatSettings &settings = TFormatSettings::Default());
bool TryStrToTime(const QString &text,
                  TDateTime &value,
                  const TFormatSettings &settings = TFormatSettings::Default());
bool TryStrToDateTime(const QString &text,
                      TDateTime &value,
                      const TFormatSettings &settings = TFormatSettings::Default());
TDateTime StrToDate(const QString &text);
TDateTime StrToTime(const QString &text);
TDateTime StrToDateTime(const QString &text);

#pragma once

#include "DateTime.h"

#include <QString>

#include <cstdint>

// Fields of the insurer's fixed-width records.
class TUtilLayout
{
public:
    // At least ASize digits, zeros on the left; a wider number keeps all its digits.
    static QString resultInteger(std::int64_t Value, int ASize);
    // Trimmed of blanks and control characters, spaces on the right, cut to ASize.
    static QString resultString(const QString &Value, int ASize);
    // The trimmed value with zeros on the left up to ASize; a longer value is not cut.
    static QString resultStringZero(const QString &Value, int ASize);
    // "yyyymmdd", cut to ASize.
    static QString resultDate(TDateTime Value, int ASize);
    // Implied decimals: the value with exactly ADecimalSize decimals (further digits dropped, the
    // expansion taken at 15 significant digits), the point removed, as resultInteger with ASize.
    // AIsRound first rounds to two decimals, half to even.
    static QString resultFloat(double Value, int ASize, int ADecimalSize, bool AIsRound);

    // The same as the two above for a record's number field, refusing a value wider than the
    // field (it would shift every field after it): raises an Exception naming AField.
    static QString fieldInteger(std::int64_t Value, int ASize, const QString &AField);
    static QString fieldFloat(double Value, int ASize, int ADecimalSize, const QString &AField);

    // The record builders' forms: the field appended to ALine (AField names a refused number).
    static void appendInteger(QString &ALine, std::int64_t Value, int ASize);
    static void appendField(QString &ALine, std::int64_t Value, int ASize, const char *AField);
    static void
    appendField(QString &ALine, double Value, int ASize, int ADecimalSize, const char *AField);
    static void appendString(QString &ALine, const QString &Value, int ASize);
    // The date as yyyymmdd, its first ASize digits.
    static void appendDate(QString &ALine, TDateTime Value, int ASize);
};

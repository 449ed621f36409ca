#pragma once

#include "DateTime.h"

#include <QString>

class TMemberInfo;
class TSerializeObject;

// A property as the text a bound control shows, and a control's text stored back into a property
// by the property's kind: the two conversions of the bound-control manager, with no
// control involved.
class TPropertyText final
{
public:
    TPropertyText() = delete;

    // Whole numbers in decimal, floating numbers in the shortest regional form, date-times in the
    // regional form (the date alone at midnight), booleans "True" or "False", texts as they are.
    static QString GetText(const TSerializeObject &AObject, const TMemberInfo &AProperty);

    // By the property's kind: a date-time reads in the regional settings ("0" is the zero
    // date-time; the empty text leaves the property as it was); whole and floating numbers read
    // tolerantly (empty or unreadable is 0, "." dropped from floating numbers); a boolean
    // "-1"/"0" or "True"/"False"; a text, picture or enumeration (by its identifier) takes the
    // text trimmed of blanks and control characters, or as it came when the trimmed text does
    // not fit. A date or boolean that does not read raises EConvertError.
    static void
    SetText(TSerializeObject &AObject, const TMemberInfo &AProperty, const QString &AText);

    // The regional reading of a date-time text, "0" being the zero date-time.
    static TDateTime TextToDateTime(const QString &AText);
};

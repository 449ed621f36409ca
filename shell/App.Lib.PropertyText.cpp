#include "App.Lib.PropertyText.h"

#include "Common.Base.Serialize.h"
#include "Common.Lib.Utils.h"
#include "FormatSettings.h"

namespace {

// Delphi's Trim: blanks and control characters at both ends.
QString trimControl(const QString &AText)
{
    qsizetype first = 0;
    qsizetype last = AText.size();
    while (first < last && AText.at(first) <= u' ')
        ++first;
    while (last > first && AText.at(last - 1) <= u' ')
        --last;
    return AText.mid(first, last - first);
}

} // namespace

QString TPropertyText::GetText(const TSerializeObject &AObject, const TMemberInfo &AProperty)
{
    return TUtils::getPropertyText(AObject, AProperty);
}

TDateTime TPropertyText::TextToDateTime(const QString &AText)
{
    if (AText == u"0")
        return 0.0;
    return StrToDateTime(AText);
}

void TPropertyText::SetText(TSerializeObject &AObject,
                            const TMemberInfo &AProperty,
                            const QString &AText)
{
    const QString typeName = AProperty.TypeName().toUpper();
    if (typeName == u"TDATETIME" || typeName == u"TIMESTAMP" || typeName == u"TDATE"
        || typeName == u"TTIME") {
        if (!AText.isEmpty())
            AProperty.SetValue(AObject, TextToDateTime(AText));
    } else if (typeName == u"INTEGER") {
        AProperty.SetValue(AObject, std::int32_t(TUtils::StrEmptyToInteger(AText)));
    } else if (typeName == u"INT64") {
        AProperty.SetValue(AObject, TUtils::StrEmptyToInt64(AText));
    } else if (typeName == u"DOUBLE" || typeName == u"EXTEND" || typeName == u"FLOAT") {
        AProperty.SetValue(AObject, TUtils::StrEmptyToFloat(AText));
    } else if (typeName == u"BOOLEAN") {
        AProperty.SetValue(AObject, StrToBool(AText));
    } else {
        try {
            AProperty.SetValue(AObject, trimControl(AText));
        } catch (const std::exception &) {
            AProperty.SetValue(AObject, AText);
        }
    }
}

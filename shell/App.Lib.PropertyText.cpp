#include "App.Lib.PropertyText.h"

#include "Common.Base.ClassInfo.h"
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
    switch (AProperty.Kind()) {
    case TMemberKind::DateTime:
        if (!AText.isEmpty())
            AProperty.SetValue(AObject, TextToDateTime(AText));
        return;
    case TMemberKind::Int32:
        AProperty.SetValue(AObject, std::int32_t(TUtils::StrEmptyToInteger(AText)));
        return;
    case TMemberKind::Int64:
        AProperty.SetValue(AObject, TUtils::StrEmptyToInt64(AText));
        return;
    case TMemberKind::Double:
        AProperty.SetValue(AObject, TUtils::StrEmptyToFloat(AText));
        return;
    case TMemberKind::Boolean:
        AProperty.SetValue(AObject, StrToBool(AText));
        return;
    case TMemberKind::String:
    case TMemberKind::SString:
    case TMemberKind::Enum: // by its identifier
        try {
            AProperty.SetValue(AObject, trimControl(AText));
        } catch (const std::exception &) {
            AProperty.SetValue(AObject, AText);
        }
        return;
    case TMemberKind::Object:
    case TMemberKind::ListInt64:
    case TMemberKind::ListString:
    case TMemberKind::ListObject:
        break;
    }
    // No text reaches an object or a list: raises EInvalidCast.
    AProperty.SetValue(AObject, AText);
}

// Copying between objects and table records.

#include "Common.Lib.Utils.h"
#include "Common.Lib.Utils.Internal.h"

#include "Common.Base.ClassInfo.h"
#include "Common.Base.Serialize.h"

#include "Base64.h"
#include "DateUtils.h"
#include "FormatSettings.h"
#include "SysUtils.h"

#include <charconv>
#include <cmath>

using UtilsInternal::trimText;

// Object to column the value travels as its text form, which the column reads back with the
// same settings. Where the property and the column hold the same kind of value, the typed value
// goes in directly, cut to what the text would have kept (15 significant digits, whole seconds):
// the column ends with the same value, without formatting and parsing every row.

namespace {

using TRule = TRecordToObjectMap::TRule;
using TMode = TObjectToRecordMap::TMode;

constexpr double FirstDayPastYear9999 = 2958466.0;

// The double a floating value becomes when written as its text and read back; false when the
// text would not read back (infinities, NaN, values that underflow).
bool throughText(double value, double &result)
{
    if (!std::isfinite(value))
        return false;
    if (value == 0.0) {
        result = 0.0; // the text is "0", whatever the sign
        return true;
    }
    // Amounts with up to two decimals, the usual case: such a value is already the double
    // nearest to a decimal of at most 15 digits, which is what the text keeps.
    const double cents = std::nearbyint(value * 100);
    if (std::fabs(cents) < 1e15 && cents / 100 == value) {
        result = value;
        return true;
    }
    char buffer[40];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (written.ec != std::errc())
        return false;
    const auto read = std::from_chars(buffer, written.ptr, result);
    return read.ec == std::errc() && std::isfinite(result);
}

// The date-time a value becomes when written as its text (to the second) and read back: its
// calendar parts, the time rounded to the millisecond as the text takes it, encoded again
// without the milliseconds. False outside the years from 1899 to 9999, which take the text.
bool throughText(TDateTime value, TDateTime &result)
{
    if (!(value.Value() >= 0.0 && value.Value() < FirstDayPastYear9999))
        return false;
    double days = std::trunc(value.Value());
    std::int64_t msecs = std::llround((value.Value() - days) * MSecsPerDay);
    if (msecs >= std::int64_t(MSecsPerDay)) {
        msecs -= std::int64_t(MSecsPerDay);
        days += 1;
    }
    if (days >= FirstDayPastYear9999)
        return false;
    result = days + double(msecs - msecs % 1000) / MSecsPerDay;
    return true;
}

// "yyyy-mm-ddThh:nn:ss" read by position, the characters between the numbers not looked at.
bool readIsoByPosition(const QString &text, TDateTime &result)
{
    int parts[6];
    const qsizetype at[6] = { 0, 5, 8, 11, 14, 17 };
    for (int i = 0; i < 6; ++i) {
        if (!TryStrToInt(text.mid(at[i], i == 0 ? 4 : 2), parts[i]))
            return false;
    }
    try {
        result = EncodeDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], 0);
    } catch (const EConvertError &) {
        return false;
    }
    return true;
}

TValue rawValue(const TFieldValue &value)
{
    switch (value.index()) {
    case 1:
        return std::get<std::int64_t>(value);
    case 2:
        return std::get<double>(value);
    case 3:
        return std::get<bool>(value);
    case 4:
        return std::get<TDateTime>(value);
    case 5:
        return std::get<QString>(value);
    default:
        return std::monostate();
    }
}

TRule readRule(const TMemberInfo &property)
{
    const QString type = property.TypeName().toUpper();
    if (type == u"TDATETIME" || type == u"TIMESTAMP" || type == u"TTIME" || type == u"TDATE")
        return TRule::Date;
    if (type == u"DOUBLE" || type == u"FLOAT" || type == u"EXTEND")
        return TRule::Float;
    if (type == u"INT64")
        return TRule::Int64;
    if (type == u"INTEGER")
        return TRule::Integer;
    if (type == u"BOOLEAN")
        return TRule::Boolean;
    return TRule::Text;
}

void storeValue(TRule rule,
                TSerializeObject &object,
                const TMemberInfo &property,
                const TFieldValue &value)
{
    const bool null = VarIsNull(value);
    switch (rule) {
    case TRule::Date: {
        TDateTime date;
        if (!null) {
            const auto *stored = std::get_if<TDateTime>(&value);
            if (!stored || !throughText(*stored, date)) {
                const QString text = VarToStr(value);
                if (!TryStrToDateTime(text, date) && !readIsoByPosition(text, date)) {
                    property.SetValue(object, rawValue(value));
                    return;
                }
            }
        }
        property.SetValue(object, date);
        return;
    }
    case TRule::Float: {
        double number = 0;
        if (const auto *whole = std::get_if<std::int64_t>(&value))
            number = double(*whole); // rounds as reading its decimal text would
        else if (const auto *floating = std::get_if<double>(&value);
                 !floating || !throughText(*floating, number))
            number = null ? 0.0 : StrToFloat(VarToStr(value));
        property.SetValue(object, number);
        return;
    }
    case TRule::Int64: {
        std::int64_t number = 0;
        if (const auto *whole = std::get_if<std::int64_t>(&value))
            number = *whole;
        else if (!null)
            number = StrToInt64(VarToStr(value));
        property.SetValue(object, number);
        return;
    }
    case TRule::Integer:
        property.SetValue(object, null ? TValue(std::int32_t(0)) : rawValue(value));
        return;
    case TRule::Boolean:
        property.SetValue(object, null ? TValue(false) : rawValue(value));
        return;
    case TRule::Text:
    case TRule::Picture:
        property.SetValue(object, null ? QString() : trimText(VarToStr(value)));
        return;
    }
}

QString textForm(const TValue &value)
{
    if (const auto *v = std::get_if<bool>(&value))
        return *v ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto *v = std::get_if<std::int32_t>(&value))
        return QString::number(*v);
    if (const auto *v = std::get_if<std::int64_t>(&value))
        return QString::number(*v);
    if (const auto *v = std::get_if<double>(&value))
        return FloatToStr(*v);
    if (const auto *v = std::get_if<QString>(&value))
        return *v;
    if (const auto *v = std::get_if<TSString>(&value))
        return *v;
    if (const auto *v = std::get_if<TDateTime>(&value))
        return DateTimeToStr(*v);
    return QString();
}

TMode writeMode(const TMemberInfo &property, const TField &field)
{
    if (!property.Access().Address)
        return TMode::Text; // a property with accessors
    const TFieldType type = field.DataType();
    switch (property.Kind()) {
    case TMemberKind::Int32:
    case TMemberKind::Int64:
        return type == TFieldType::Integer || type == TFieldType::LargeInt
                || type == TFieldType::AutoInc
            ? TMode::Integer
            : TMode::Text;
    case TMemberKind::Double:
        return type == TFieldType::Float ? TMode::Float : TMode::Text;
    case TMemberKind::Boolean:
        return type == TFieldType::Boolean ? TMode::Boolean : TMode::Text;
    case TMemberKind::DateTime:
        return type == TFieldType::DateTime ? TMode::Date : TMode::Text;
    case TMemberKind::String:
    case TMemberKind::SString:
        return type == TFieldType::String || type == TFieldType::Memo ? TMode::String : TMode::Text;
    default:
        return TMode::Text;
    }
}

void writeTableValue(TMode mode,
                     const TSerializeObject &object,
                     const TMemberInfo &property,
                     TField &field)
{
    switch (mode) {
    case TMode::Integer:
        field.SetAsLargeInt(property.Kind() == TMemberKind::Int32
                                ? property.Ref<std::int32_t>(object)
                                : property.Ref<std::int64_t>(object));
        return;
    case TMode::Float: {
        double number;
        if (throughText(property.Ref<double>(object), number)) {
            field.SetAsFloat(number);
            return;
        }
        break;
    }
    case TMode::Boolean:
        field.SetAsBoolean(property.Ref<bool>(object));
        return;
    case TMode::Date: {
        TDateTime date;
        if (throughText(property.Ref<TDateTime>(object), date)) {
            field.SetAsDateTime(date);
            return;
        }
        break;
    }
    case TMode::String:
        if (property.Kind() == TMemberKind::SString)
            field.SetAsString(property.Ref<TSString>(object));
        else
            field.SetAsString(property.Ref<QString>(object));
        return;
    case TMode::Text:
        break;
    }
    field.SetAsString(textForm(property.GetValue(object)));
}

QString encodePicture(const TFieldValue &value)
{
    return QString::fromLatin1(EncodeBase64(VarToStr(value).toUtf8()));
}

} // namespace

QString TUtils::getPropertyText(const TSerializeObject &AObject, const TMemberInfo &AProperty)
{
    return textForm(AProperty.GetValue(AObject));
}

TObjectToRecordMap::TObjectToRecordMap(const TClassInfo &AClass, const TMemTable &ATable)
    : m_class(&AClass)
{
    for (const TMemberInfo *property : AClass.Properties()) {
        if (property->IsObject())
            continue;
        if (TField *field
            = ATable.FindField(TUtils::convertClassPropToTableField(property->Name())))
            m_pairs.push_back(TPair { property, field, writeMode(*property, *field) });
    }
}

void TObjectToRecordMap::copyObject(const TSerializeObject &AObject) const
{
    Q_ASSERT(AObject.ClassInfo().InheritsFrom(*m_class));
    for (const TPair &pair : m_pairs)
        writeTableValue(pair.Mode, AObject, *pair.Property, *pair.Field);
}

TRecordToObjectMap::TRecordToObjectMap(const TMemTable &ATable, const TClassInfo &AClass)
    : m_class(&AClass)
{
    for (int i = 0; i < ATable.FieldCount(); ++i) {
        const TField *field = ATable.Fields(i);
        const TMemberInfo *property = AClass.FindProperty(
            TUtils::convertTableFieldToClassProp(field->FieldName().trimmed()));
        if (!property || property->IsObject())
            continue;
        const TRule rule
            = property->TypeName().toUpper() == u"TSSTRING" ? TRule::Picture : readRule(*property);
        m_pairs.push_back(TPair { field, property, rule });
    }
}

void TRecordToObjectMap::copyRecord(TSerializeObject &AObject) const
{
    Q_ASSERT(AObject.ClassInfo().InheritsFrom(*m_class));
    for (const TPair &pair : m_pairs) {
        if (pair.Rule == TRule::Picture)
            storeValue(pair.Rule, AObject, *pair.Property, encodePicture(pair.Field->Value()));
        else
            storeValue(pair.Rule, AObject, *pair.Property, pair.Field->Value());
    }
}

void TUtils::fillDataSetToObject(const TMemTable &ADataSet, TSerializeObject &AObject)
{
    TRecordToObjectMap(ADataSet, AObject.ClassInfo()).copyRecord(AObject);
}

void TUtils::setValueToPropertyObject(TSerializeObject &AObject,
                                      const TMemberInfo &AProperty,
                                      const TFieldValue &Value)
{
    storeValue(readRule(AProperty), AObject, AProperty, Value);
}

void TUtils::setValuePropertyToDataSet(const TSerializeObject &AObject,
                                       const TMemberInfo &AProperty,
                                       TField &AField)
{
    if (AProperty.IsObject())
        return;
    writeTableValue(writeMode(AProperty, AField), AObject, AProperty, AField);
}

void TUtils::setValuePropertyToDataSet(const TSerializeObject &AObject, TField &AField)
{
    const TMemberInfo *property = AObject.ClassInfo().FindProperty(
        convertTableFieldToClassProp(AField.FieldName().trimmed()));
    if (property)
        setValuePropertyToDataSet(AObject, *property, AField);
}

void TUtils::CopyInfoObject(const TSerializeObject *ASource, TSerializeObject *ADest)
{
    if (!ASource || !ADest)
        return;
    const TClassInfo &source = ASource->ClassInfo();
    // In the destination's property order, which ends with AsJson and then NameClass: the
    // whole JSON comes last but one, and NameClass puts the destination's class name back.
    for (const TMemberInfo *property : ADest->ClassInfo().Properties()) {
        if (property->IsObject())
            continue;
        const TMemberInfo *from = source.FindProperty(property->Name());
        if (from && !from->IsObject())
            property->SetValue(*ADest, from->GetValue(*ASource));
    }
}

void TUtils::CopyInfoItemDataSet(const TMemTable &ASource, TMemTable &ADest)
{
    ADest.Append();
    try {
        for (int i = 0; i < ASource.FieldCount(); ++i) {
            const TField *from = ASource.Fields(i);
            if (from->FieldName() == u"ID_REGISTRO")
                continue;
            ADest.FieldByName(from->FieldName())->SetValue(from->Value());
        }
        ADest.Post();
    } catch (...) {
        // A half-copied record left in insert mode would be posted by the next move.
        ADest.Cancel();
        throw;
    }
}

void TUtils::CloneDataSet(TMemTable &ASource, TMemTable &ADest, bool ACopyInfo)
{
    ADest.ClearFields();
    for (int i = 0; i < ASource.FieldCount(); ++i) {
        const TField *from = ASource.Fields(i);
        ADest.AddField(from->FieldName(), from->DataType(), from->Size())
            ->SetVisible(from->Visible());
    }
    ADest.Open();
    if (!ACopyInfo)
        return;
    ADest.EmptyDataSet();
    ASource.First();
    while (!ASource.Eof()) {
        CopyInfoItemDataSet(ASource, ADest);
        ASource.Next();
    }
}

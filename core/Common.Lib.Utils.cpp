#include "Common.Lib.Utils.h"

#include "Common.Base.ClassInfo.h"
#include "Common.Base.Serialize.h"
#include "IniFile.h"

#include "Base64.h"
#include "DateUtils.h"
#include "FormatSettings.h"
#include "SysUtils.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QThread>
#include <QtDebug>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

bool isUpperAscii(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

QChar lowerAscii(QChar c)
{
    return isUpperAscii(c) ? QChar(c.unicode() + 32) : c;
}

QChar upperAscii(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

// Lower-cases A-Z and puts the separator before every capital but the first character.
QString splitWords(const QString &value, QChar separator)
{
    QString result;
    result.reserve(value.size() + value.size() / 2);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (i > 0 && isUpperAscii(c))
            result += separator;
        result += lowerAscii(c);
    }
    return result;
}

// Trims blanks and control characters, as typed texts are trimmed throughout the system.
QString trimText(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

QString quoted(const QString &text)
{
    QString result = text;
    result.replace(u'\'', QStringLiteral("''"));
    return u'\'' + result + u'\'';
}

// Rounds to the nearest integer, an exact half to the even neighbour. |value| < 2^52.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5)
        return floor + 1;
    if (fraction < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

const QStringList &units()
{
    static const QStringList words = { {},
                                       QStringLiteral("Um"),
                                       QStringLiteral("Dois"),
                                       QStringLiteral("Tres"),
                                       QStringLiteral("Quatro"),
                                       QStringLiteral("Cinco"),
                                       QStringLiteral("Seis"),
                                       QStringLiteral("Sete"),
                                       QStringLiteral("Oito"),
                                       QStringLiteral("Nove") };
    return words;
}

const QStringList &teens()
{
    static const QStringList words = { {},
                                       QStringLiteral("Onze"),
                                       QStringLiteral("Doze"),
                                       QStringLiteral("Treze"),
                                       QStringLiteral("Quatorze"),
                                       QStringLiteral("Quinze"),
                                       QStringLiteral("Dezesseis"),
                                       QStringLiteral("Dezessete"),
                                       QStringLiteral("Dezoito"),
                                       QStringLiteral("Dezenove") };
    return words;
}

const QStringList &tens()
{
    static const QStringList words = { {},
                                       QStringLiteral("Dez"),
                                       QStringLiteral("Vinte"),
                                       QStringLiteral("Trinta"),
                                       QStringLiteral("Quarenta"),
                                       QStringLiteral("Cinquenta"),
                                       QStringLiteral("Sessenta"),
                                       QStringLiteral("Setenta"),
                                       QStringLiteral("Oitenta"),
                                       QStringLiteral("Noventa") };
    return words;
}

const QStringList &hundreds()
{
    static const QStringList words = { {},
                                       QStringLiteral("Cento"),
                                       QStringLiteral("Duzentos"),
                                       QStringLiteral("Trezentos"),
                                       QStringLiteral("Quatrocentos"),
                                       QStringLiteral("Quinhentos"),
                                       QStringLiteral("Seiscentos"),
                                       QStringLiteral("Setecentos"),
                                       QStringLiteral("Oitocentos"),
                                       QStringLiteral("Novecentos") };
    return words;
}

// The words of three digits, hundreds first; the empty text for "000".
QString groupInWords(const QString &group)
{
    const int h = group.at(0).digitValue();
    const int t = group.at(1).digitValue();
    const int u = group.at(2).digitValue();
    QString hundredsWord, tensWord, unitsWord;
    if (t == 1 && u != 0) {
        unitsWord = teens().at(u);
    } else {
        if (t != 0)
            tensWord = tens().at(t);
        if (u != 0)
            unitsWord = units().at(u);
    }
    if (h == 1 && tensWord.isEmpty() && unitsWord.isEmpty())
        hundredsWord = QStringLiteral("Cem");
    else if (h != 0)
        hundredsWord = hundreds().at(h);

    QString result = hundredsWord;
    if (!hundredsWord.isEmpty() && (!tensWord.isEmpty() || !unitsWord.isEmpty()))
        result += QStringLiteral(" e ");
    result += tensWord;
    if (!tensWord.isEmpty() && !unitsWord.isEmpty())
        result += QStringLiteral(" e ");
    result += unitsWord;
    return result;
}

bool isPreposition(const QString &word)
{
    static const QStringList prepositions
        = { QStringLiteral("DE"), QStringLiteral("DA"),  QStringLiteral("DAS"),
            QStringLiteral("DO"), QStringLiteral("DOS"), QStringLiteral("E"),
            QStringLiteral("&") };
    return prepositions.contains(word);
}

// One shortening pass: the last middle word that is not yet an initial becomes one.
QString resumeNamePass(const QString &name, bool ignorePrepositions)
{
    QStringList pieces = name.split(u' ');
    for (qsizetype i = pieces.size() - 2; i >= 1; --i) {
        const QString piece = pieces.at(i);
        if (trimText(piece).endsWith(u'.'))
            continue;
        if (isPreposition(piece)) {
            if (ignorePrepositions)
                pieces[i].clear();
            continue;
        }
        if (piece.isEmpty())
            continue;
        pieces[i] = piece.left(1) + QStringLiteral(". ");
        break;
    }
    return trimText(TUtils::RemoveDupeSpace(pieces.join(u' ')));
}

// `stuck` is set once a pass with the prepositions dropped changes nothing: the name cannot get
// any shorter and every caller returns what it has.
QString resumeName(const QString &name, bool ignorePrepositions, int size, bool &stuck)
{
    if (trimText(name).size() <= size)
        return name;
    QString result = resumeNamePass(name, ignorePrepositions);
    if (result == trimText(name)) {
        if (ignorePrepositions) {
            stuck = true;
            return result;
        }
        result = resumeName(result, true, size, stuck);
        if (stuck)
            return result;
    }
    if (result.size() > size)
        result = resumeName(result, ignorePrepositions, size, stuck);
    return result;
}

QString accentFree(const QString &text)
{
    static const QHash<QChar, QChar> table = [] {
        const QString from = QStringLiteral("áéíóúÁÉÍÓÚàèìòùÀÈÌÒÙäëïöüÄËÏÖÜãõÃÕâêîôûÂÊÎÔÛçÇñÑ");
        const QString to = QStringLiteral("aeiouAEIOUaeiouAEIOUaeiouAEIOUaoAOaeiouAEIOUcCnN");
        QHash<QChar, QChar> map;
        for (qsizetype i = 0; i < from.size(); ++i)
            map.insert(from.at(i), to.at(i));
        return map;
    }();
    QString result = text;
    for (QChar &c : result)
        c = table.value(c, c);
    return result;
}

} // namespace

// --- Name rules ------------------------------------------------------------------------------

QString TUtils::convertClassPropToTableField(const QString &Value)
{
    return splitWords(Value, u'_');
}

QString TUtils::convertTableFieldToClassProp(const QString &Value)
{
    QString name = Value;
    name.remove(u'"');
    QString result;
    result.reserve(name.size());
    bool wordStart = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (i == 0) {
            result += upperAscii(c);
        } else if (c == u'_') {
            wordStart = true;
        } else {
            result += wordStart ? upperAscii(c) : lowerAscii(c);
            wordStart = false;
        }
    }
    return result;
}

QString TUtils::convertNameToResource(const QString &Value)
{
    return splitWords(Value, u'-');
}

bool TUtils::columnMatchesProperty(const QString &AColumn, const QString &AProperty)
{
    return convertTableFieldToClassProp(AColumn.trimmed()).compare(AProperty, Qt::CaseInsensitive)
        == 0;
}

bool TUtils::propertyMatchesColumn(const QString &AProperty, const QString &AColumn)
{
    return convertClassPropToTableField(AProperty).compare(AColumn, Qt::CaseInsensitive) == 0;
}

// --- Copying between objects and table records ----------------------------------------------
//
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

void writeValue(TMode mode,
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
        writeValue(pair.Mode, AObject, *pair.Property, *pair.Field);
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
    writeValue(writeMode(AProperty, AField), AObject, AProperty, AField);
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

// --- Dates -----------------------------------------------------------------------------------

TDateTime TUtils::CaclularDataPorPeriodo(TDateTime AData, const QString &ATipoPeriodo)
{
    static const QHash<QString, int> months = {
        { QStringLiteral("03"), 1 }, { QStringLiteral("04"), 2 },  { QStringLiteral("05"), 3 },
        { QStringLiteral("06"), 6 }, { QStringLiteral("07"), 12 },
    };
    if (ATipoPeriodo == QStringLiteral("01"))
        return double(AData) + 1;
    if (ATipoPeriodo == QStringLiteral("02"))
        return double(AData) + 7;
    const auto found = months.constFind(ATipoPeriodo);
    if (found == months.constEnd())
        return 0.0;
    return IncMonth(AData, found.value());
}

int TUtils::CalcularMesesEntreDatas(TDateTime ADataInicial, TDateTime ADataFinal)
{
    try {
        if (double(ADataInicial) == 0.0)
            ADataInicial = Now();
        if (double(ADataFinal) == 0.0)
            return 0;
        const TDateTime start = PrimeiroDiaMes(ADataInicial);
        // The fourth day lets a short month (February) count as a whole one.
        const TDateTime end = double(PrimeiroDiaMes(ADataFinal)) + 3;
        constexpr std::int64_t averageMonthMs = 2629800000; // 30.4375 days
        return int(MilliSecondsBetween(start, end) / averageMonthMs);
    } catch (const Exception &) {
        return 0;
    }
}

TDateTime TUtils::PrimeiroDiaMes(TDateTime AData)
{
    const TDateParts p = DecodeDateTime(AData);
    return EncodeDate(p.Year, p.Month, 1);
}

TDateTime TUtils::UltimoDiaMes(TDateTime AData)
{
    const TDateParts p = DecodeDateTime(AData);
    return EncodeDate(p.Year, p.Month, DaysInAMonth(p.Year, p.Month));
}

TDateTime TUtils::DataMesAnterior(TDateTime AData)
{
    const TDateTime lastOfPrevious = double(PrimeiroDiaMes(AData)) - 1;
    return StrToDate(FormatDateTime(QStringLiteral("dd"), AData) + u'/'
                     + FormatDateTime(QStringLiteral("mm/yyyy"), lastOfPrevious));
}

QStringList TUtils::ListDayOfWeek(TDateTime AData, int ADayWeek)
{
    QStringList days;
    const TDateTime first = PrimeiroDiaMes(AData);
    const TDateTime last = UltimoDiaMes(AData);
    for (double day = first; day <= double(last); day += 1) {
        if (DayOfWeek(day) == ADayWeek)
            days << FormatDateTime(QStringLiteral("dd/mm/yyyy"), day);
    }
    return days;
}

// --- Tolerant conversions --------------------------------------------------------------------

TDateTime TUtils::StrEmptyToDateTime(const QString &Value)
{
    TDateTime value;
    if (Value.isEmpty() || !TryStrToDateTime(Value, value))
        return 0.0;
    return value;
}

double TUtils::StrEmptyToFloat(const QString &Value)
{
    double value = 0;
    if (Value.isEmpty() || !TryStrToFloat(QString(Value).remove(u'.'), value))
        return 0;
    return value;
}

std::int64_t TUtils::StrEmptyToInt64(const QString &Value)
{
    std::int64_t value = 0;
    if (Value.isEmpty() || !TryStrToInt64(trimText(Value), value))
        return 0;
    return value;
}

int TUtils::StrEmptyToInteger(const QString &Value)
{
    int value = 0;
    if (Value.isEmpty() || !TryStrToInt(Value, value))
        return 0;
    return value;
}

QString TUtils::StrDateJsonToStrDate(const QString &Value)
{
    return QString(Value).replace(u'-', u'/');
}

// --- Numbers ---------------------------------------------------------------------------------

double TUtils::FormatDouble(double Value, int Decimals)
{
    if (Decimals < -20 || Decimals > 20)
        throw EInvalidArgument(QStringLiteral("Invalid argument"));
    // Powers of ten up to 10^22 are exact doubles: dividing by one (rather than multiplying by
    // its inexact inverse) gives the double nearest to the rounded value.
    const double factor = std::pow(10.0, std::abs(Decimals));
    const double scaled = Decimals >= 0 ? Value * factor : Value / factor;
    if (!(std::fabs(scaled) < 4503599627370496.0)) // 2^52: no fraction left to round
        return Value;
    const double rounded = roundHalfEven(scaled);
    return Decimals >= 0 ? rounded / factor : rounded * factor;
}

bool TUtils::CompareDoubleTo(double Value1, double Value2, int Decimals)
{
    const QString format = QStringLiteral(",0.") + QString(std::max(Decimals, 0), u'0');
    const double rounded1 = FormatDouble(Value1, Decimals);
    const double rounded2 = FormatDouble(Value2, Decimals);
    if (FormatFloat(format, rounded1) == FormatFloat(format, rounded2))
        return true;
    const double oneUnit
        = StrEmptyToFloat(QStringLiteral("0,") + QString(std::max(Decimals - 1, 0), u'0') + u'1');
    return FormatFloat(format, std::fabs(rounded1 - rounded2)) == FormatFloat(format, oneUnit);
}

int TUtils::ContarCasasDecimais(double AValor)
{
    const QString text = FloatToStr(AValor);
    const QChar separator = text.contains(u'.') ? u'.' : u',';
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? 0 : int(text.size() - at - 1);
}

QString TUtils::ValorExtenso(double Valor)
{
    if (Valor > 999999.99 || Valor < 0)
        throw Exception(
            QStringLiteral("O valor está fora do intervalo permitido.\r\n"
                           "O número deve ser maior ou igual a zero e menor que 999.999,99.\r\n"
                           "Se não for corrigido o número não será escrito por extenso."));
    const QString text = FormatFloat(QStringLiteral("000000.00"), Valor);
    const QString thousands = text.mid(0, 3);
    const QString units = text.mid(3, 3);
    const QString cents = text.mid(7, 2);
    // Zero, and an amount under half a cent, which would otherwise read "." alone.
    if (thousands == u"000" && units == u"000" && cents == u"00")
        return QString();

    const QString m = groupInWords(thousands);
    const QString c = groupInWords(units);
    const QString k = groupInWords(u'0' + cents);

    QString result = m;
    if (!m.isEmpty())
        result += units == u"000" ? QStringLiteral(" Mil Reais") : QStringLiteral(" Mil, ");
    if (!m.isEmpty()
        && ((units.startsWith(QStringLiteral("00")) && !units.endsWith(u'0'))
            || (k.isEmpty() && units != u"000")))
        result += QStringLiteral(" e ");
    result += c;
    if (m.isEmpty()) {
        if (units == u"001")
            result += QStringLiteral(" Real");
        else if (units != u"000")
            result += QStringLiteral(" Reais");
    } else if (units != u"000") {
        result += QStringLiteral(" Reais");
    }
    if (k.isEmpty())
        return result + u'.';
    if (m.isEmpty() && c.isEmpty())
        result = k;
    else
        result += QStringLiteral(", e ") + k;
    return result + (cents == u"01" ? QStringLiteral(" Centavo.") : QStringLiteral(" Centavos."));
}

bool TUtils::IsUserAdministrator(std::int64_t AUserLogin)
{
    return AUserLogin == 1;
}

// --- Texts -----------------------------------------------------------------------------------

QString TUtils::RemoveDupeSpace(const QString &AText)
{
    const QStringList pieces = AText.split(u' ');
    QString result;
    if (!pieces.first().isEmpty())
        result = trimText(pieces.first());
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        if (pieces.at(i).isEmpty())
            continue;
        result += u' ';
        result += trimText(pieces.at(i));
    }
    return result;
}

QString TUtils::RemoveDupeSpaceAndAccent(const QString &AText)
{
    return accentFree(RemoveDupeSpace(AText));
}

QString TUtils::ResumeName(const QString &AName, bool IsIgnoredProposition, int ASize)
{
    bool stuck = false;
    return resumeName(AName, IsIgnoredProposition, ASize, stuck);
}

QString
TUtils::RetornaDescricaoSeparadaPorEspaco(const QString &AText, int ASize, bool AIsResumeName)
{
    Q_UNUSED(AIsResumeName)
    const QStringList pieces = AText.split(u' ');
    const qsizetype count = ASize <= 0 || ASize > pieces.size() ? pieces.size() : ASize;
    QString result;
    for (qsizetype i = 0; i < count; ++i)
        result += pieces.at(i) + u' ';
    return trimText(result);
}

QString TUtils::GetValueFieldFilter(const QString &Value)
{
    const QStringList pieces = Value.split(u'#');
    if (Value.isEmpty() || pieces.size() != 2 || pieces.at(1).isEmpty())
        return QString();
    return pieces.at(0);
}

QString TUtils::GetDescriptionFieldFilter(const QString &Value, bool AIsDate)
{
    const QStringList pieces = Value.split(u'#');
    if (Value.isEmpty() || pieces.size() != 2 || pieces.at(1).isEmpty())
        return QString();
    if (!AIsDate)
        return pieces.at(1);
    const QString text = QString(pieces.at(1)).replace(u'-', u'/');
    const QString dayFirst = text.mid(3, 2) + u'/' + text.mid(0, 2) + u'/' + text.mid(6, 4);
    return FormatDateTime(QStringLiteral("dd/mm/yyyy"), StrToDate(dayFirst));
}

// --- Lists -----------------------------------------------------------------------------------

QString TUtils::convertIntListToStr(const QList<std::int64_t> &AList)
{
    QStringList texts;
    texts.reserve(AList.size());
    for (std::int64_t value : AList)
        texts << QString::number(value);
    return texts.join(u',');
}

QString TUtils::convertStringListToInt(const QStringList &AList)
{
    return AList.join(u',');
}

QString TUtils::convertStringListToStr(const QStringList &AList)
{
    QStringList texts;
    texts.reserve(AList.size());
    for (const QString &line : AList)
        texts << quoted(line);
    return texts.join(u',');
}

QList<std::int64_t> TUtils::convertStringListToIntList(const QStringList &AList)
{
    QList<std::int64_t> values;
    values.reserve(AList.size());
    for (const QString &line : AList)
        values << StrEmptyToInt64(line);
    return values;
}

// --- Credentials, configuration, pictures ----------------------------------------------------

TUserLogin TUtils::AuthLoginToUserLogin(const QString &AAuthentication)
{
    QString encoded = AAuthentication;
    const qsizetype at = encoded.indexOf(QStringLiteral("basic "), 0, Qt::CaseInsensitive);
    if (at >= 0)
        encoded.remove(at, 6);
    const QString decoded = QString::fromUtf8(DecodeBase64(encoded.toUtf8()));
    const QStringList pieces = decoded.split(u':');
    if (pieces.size() < 2)
        throw EListError(QStringLiteral("List index out of bounds (1)"));
    return TUserLogin { pieces.at(0), pieces.at(1) };
}

QString TUtils::getLinkServidor()
{
    return QStringLiteral("https://localhost:3580");
}

QString TUtils::RetornaValorParamsIniFile(const QString &AFileIni,
                                          const QString &ASection,
                                          const QString &AParam)
{
    return TIniFile(AFileIni).ReadString(ASection, AParam);
}

QImage &TUtils::GetImageResizeAndCompress(QImage &AImage, int ASizeKB)
{
    QByteArray bytes;
    QBuffer stream(&bytes);
    stream.open(QIODevice::WriteOnly);
    AImage.save(&stream, "PNG");
    const qsizetype sizeKB = bytes.size() / 1024;
    // Under 1 KB the size is 0 and the ratio has no divisor: such a picture already fits.
    if (sizeKB == 0 || ASizeKB <= 0 || sizeKB <= ASizeKB)
        return AImage;
    const double ratio = double(ASizeKB) / double(sizeKB);
    const int width = std::max(1, int(AImage.width() * ratio));
    const int height = std::max(1, int(AImage.height() * ratio));
    AImage = AImage.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return AImage;
}

QString
TUtils::getValueStringProp(const QString &ATypeName, const QVariant &AValue, bool AForceZeroOrEmpty)
{
    const QString type = ATypeName.toUpper();
    const QString null = QStringLiteral("null");
    if (type == u"INTEGER" || type == u"INT64") {
        const QString text = QString::number(AValue.toLongLong());
        return text == u"0" && !AForceZeroOrEmpty ? null : text;
    }
    if (type == u"FLOAT" || type == u"DOUBLE" || type == u"EXTEND") {
        const double value = AValue.toDouble();
        if (value == 0 && !AForceZeroOrEmpty)
            return null;
        return FloatToStr(value).replace(u',', u'.');
    }
    if (type == u"TDATETIME") {
        const double value = AValue.toDouble();
        if (value == 0 && !AForceZeroOrEmpty)
            return null;
        return quoted(FormatDateTime(QStringLiteral("yyyy/mm/dd hh:nn:ss"), value));
    }
    const QString text = AValue.typeId() == QMetaType::Bool
        ? (AValue.toBool() ? QStringLiteral("True") : QStringLiteral("False"))
        : AValue.toString();
    if (text.isEmpty() && !AForceZeroOrEmpty)
        return null;
    return quoted(RemoveDupeSpaceAndAccent(text));
}

QString TUtils::getValueStringProp(const TSerializeObject &AObject,
                                   const TMemberInfo &AProperty,
                                   bool AForceZeroOrEmpty)
{
    const TValue value = AProperty.GetValue(AObject);
    QVariant variant;
    if (const auto *v = std::get_if<bool>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<std::int32_t>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<std::int64_t>(&value))
        variant = qlonglong(*v);
    else if (const auto *v = std::get_if<double>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<TDateTime>(&value))
        variant = v->Value();
    else if (const auto *v = std::get_if<QString>(&value))
        variant = *v;
    else if (const auto *v = std::get_if<TSString>(&value))
        variant = QString(*v);
    return getValueStringProp(AProperty.TypeName(), variant, AForceZeroOrEmpty);
}

// --- Worker threads --------------------------------------------------------------------------

QString TWorkerThread::FatalMessage() const
{
    if (!m_fatal)
        return QString();
    return ExceptionMessage(m_fatal, QStringLiteral("Unknown failure"));
}

namespace {

// Thrown on a worker when the main thread no longer serves its steps (the application is
// quitting): the worker ends without running any further main-thread step. Deliberately not a
// std::exception, so no step guard takes it for a failure.
struct StepsCancelled
{
};

enum class CallState { Pending, Running, Done, Cancelled };

// One main-thread step a worker is waiting for.
struct MainCall
{
    std::function<void()> step;
    CallState state = CallState::Pending;
    std::exception_ptr failure;
};

bool onMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// The live workers and the main-thread steps they wait for. It is never destroyed, so a worker
// still running when the process ends never touches a dead object.
class WorkerRegistry
{
public:
    static WorkerRegistry &instance()
    {
        static WorkerRegistry *registry = new WorkerRegistry;
        return *registry;
    }

    bool enter()
    {
        const std::lock_guard lock(m_mutex);
        if (m_closing)
            return false;
        ++m_live;
        return true;
    }

    void leave()
    {
        {
            const std::lock_guard lock(m_mutex);
            --m_live;
        }
        m_changed.notify_all();
    }

    // Runs the step on the main thread while the calling worker waits; rethrows its failure.
    // On the main thread itself the step runs at once: waiting for our own event loop would
    // never end.
    void runOnMain(const std::function<void()> &step)
    {
        if (onMainThread()) {
            step();
            return;
        }
        auto call = std::make_shared<MainCall>();
        call->step = step;
        {
            const std::lock_guard lock(m_mutex);
            if (m_closing)
                throw StepsCancelled();
            m_pending.push_back(call);
        }
        QCoreApplication *app = QCoreApplication::instance();
        if (!app
            || !QMetaObject::invokeMethod(
                app, [this, call] { serve(call); }, Qt::QueuedConnection)) {
            cancel(call);
            throw StepsCancelled();
        }
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] {
            return call->state == CallState::Done || call->state == CallState::Cancelled;
        });
        if (call->state == CallState::Cancelled)
            throw StepsCancelled();
        if (call->failure)
            std::rethrow_exception(call->failure);
    }

    bool shutdown(int timeoutMs)
    {
        std::unique_lock lock(m_mutex);
        m_closing = true;
        for (const auto &call : m_pending)
            call->state = CallState::Cancelled;
        m_pending.clear();
        m_changed.notify_all();
        return m_changed.wait_for(
            lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), [&] { return m_live == 0; });
    }

    void reopen()
    {
        const std::lock_guard lock(m_mutex);
        m_closing = false;
    }

    int live()
    {
        const std::lock_guard lock(m_mutex);
        return m_live;
    }

    void setFailureHandler(TThreadFailureHandler handler)
    {
        const std::lock_guard lock(m_mutex);
        m_failureHandler = std::move(handler);
    }

    // On the main thread. A failure of the handler itself can only be logged.
    void reportFailure(const TWorkerThread &sender)
    {
        TThreadFailureHandler handler;
        {
            const std::lock_guard lock(m_mutex);
            handler = m_failureHandler;
        }
        try {
            if (handler) {
                handler(sender);
                return;
            }
        } catch (...) {
            qWarning("Worker thread failure handler failed");
        }
        qWarning("Worker thread failed: %s", qUtf8Printable(sender.FatalMessage()));
    }

    void quitWithApplication()
    {
        std::call_once(m_quitConnected, [] {
            if (QCoreApplication *app = QCoreApplication::instance())
                QObject::connect(
                    app, &QCoreApplication::aboutToQuit, app, [] { TUtils::ShutdownThreads(); });
        });
    }

private:
    void serve(const std::shared_ptr<MainCall> &call)
    {
        {
            const std::lock_guard lock(m_mutex);
            if (call->state != CallState::Pending)
                return;
            call->state = CallState::Running;
            std::erase(m_pending, call);
        }
        try {
            call->step();
        } catch (...) {
            call->failure = std::current_exception();
        }
        {
            const std::lock_guard lock(m_mutex);
            call->state = CallState::Done;
        }
        m_changed.notify_all();
    }

    void cancel(const std::shared_ptr<MainCall> &call)
    {
        const std::lock_guard lock(m_mutex);
        call->state = CallState::Cancelled;
        std::erase(m_pending, call);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_live = 0;
    bool m_closing = false;
    std::vector<std::shared_ptr<MainCall>> m_pending;
    TThreadFailureHandler m_failureHandler;
    std::once_flag m_quitConnected;
};

QString messageOf(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const Exception *>(&e))
        return own->Message();
    return QString::fromUtf8(e.what());
}

} // namespace

// The body of one worker: its steps, its error flag and its thread object.
class TWorkerRun
{
public:
    TProc OnStart;
    TProc OnProcess;
    TProcWithError OnComplete;
    TThreadNotifyEvent OnTerminate;
    TProcedureExcept OnError;
    QString MessageErrorDefault;

    void run()
    {
        WorkerRegistry &registry = WorkerRegistry::instance();
        bool errorRan = false; // written by the error step, read by the completion step
        bool cancelled = false;
        std::exception_ptr fatal;
        try {
            try {
                if (OnStart)
                    registry.runOnMain([this] { OnStart(); });
                if (OnProcess)
                    OnProcess();
            } catch (const StepsCancelled &) {
                throw;
            } catch (const std::exception &e) {
                if (OnError) {
                    const QString message
                        = MessageErrorDefault.isEmpty() ? messageOf(e) : MessageErrorDefault;
                    registry.runOnMain([&] {
                        errorRan = true;
                        OnError(message);
                    });
                } else {
                    // Nobody handles it: it must not pass for a success.
                    fatal = std::current_exception();
                }
            }
        } catch (const StepsCancelled &) {
            cancelled = true;
        } catch (...) {
            fatal = std::current_exception();
        }

        if (!cancelled && OnComplete) {
            try {
                registry.runOnMain([&] { OnComplete(errorRan); });
            } catch (const StepsCancelled &) {
                cancelled = true;
            } catch (...) {
                fatal = std::current_exception();
            }
        }

        m_thread.m_fatal = fatal;
        if (!cancelled) {
            try {
                registry.runOnMain([this] { terminate(); });
            } catch (const StepsCancelled &) {
                cancelled = true;
            }
        }
        if (cancelled && fatal)
            qWarning("Worker thread failed while the application quit: %s",
                     qUtf8Printable(m_thread.FatalMessage()));
    }

private:
    // On the main thread. The steps' captures are released here too, so whatever they hold is
    // freed on the thread that made it.
    void terminate()
    {
        WorkerRegistry &registry = WorkerRegistry::instance();
        if (OnTerminate) {
            try {
                OnTerminate(m_thread);
            } catch (...) {
                m_thread.m_fatal = std::current_exception();
                registry.reportFailure(m_thread);
            }
        } else if (m_thread.m_fatal) {
            registry.reportFailure(m_thread);
        }
        OnStart = nullptr;
        OnProcess = nullptr;
        OnComplete = nullptr;
        OnTerminate = nullptr;
        OnError = nullptr;
    }

    TWorkerThread m_thread;
};

void TUtils::CustomThread(TProc AOnStart,
                          TProc AOnProcess,
                          TProcWithError AOnComplete,
                          TThreadNotifyEvent AOnTerminateThread,
                          TProcedureExcept AOnError,
                          const QString &AMessageErrorDefault)
{
    WorkerRegistry &registry = WorkerRegistry::instance();
    registry.quitWithApplication();
    if (!registry.enter())
        return;
    auto run = std::make_unique<TWorkerRun>();
    run->OnStart = std::move(AOnStart);
    run->OnProcess = std::move(AOnProcess);
    run->OnComplete = std::move(AOnComplete);
    run->OnTerminate = std::move(AOnTerminateThread);
    run->OnError = std::move(AOnError);
    run->MessageErrorDefault = AMessageErrorDefault;
    try {
        std::thread([run = std::move(run)]() mutable {
            run->run();
            run.reset();
            WorkerRegistry::instance().leave();
        }).detach();
    } catch (...) {
        registry.leave();
        throw;
    }
}

void TUtils::SetThreadFailureHandler(TThreadFailureHandler AHandler)
{
    WorkerRegistry::instance().setFailureHandler(std::move(AHandler));
}

bool TUtils::ShutdownThreads(int ATimeoutMs)
{
    return WorkerRegistry::instance().shutdown(ATimeoutMs);
}

int TUtils::RunningThreadCount()
{
    return WorkerRegistry::instance().live();
}

void TUtils::AcceptThreads()
{
    WorkerRegistry::instance().reopen();
}

QString TUtils::getPropertyText(const TSerializeObject &AObject, const TMemberInfo &AProperty)
{
    return textForm(AProperty.GetValue(AObject));
}

#include "Common.Lib.JSON.h"

#include "Common.Base.ClassInfo.Visit.h"

#include "FormatSettings.h"
#include "JsonValueDom.h"
#include "JsonWriter.h"
#include "SysUtils.h"

#include <QDate>

#include <limits>

namespace dom = simdjson::dom;

namespace {

// A list travels as {"listHelper":[…]}; a missing list is null.
template<class WriteElements>
void writeListHelper(TJsonWriter &writer, bool exists, WriteElements writeElements)
{
    if (!exists) {
        writer.Null();
        return;
    }
    writer.BeginObject();
    writer.RawName("\"listHelper\":");
    writer.BeginArray();
    writeElements();
    writer.EndArray();
    writer.EndObject();
}

[[noreturn]] void raiseStructure()
{
    throw Exception(TDravikJson::StructureErrorText());
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString elementText(dom::element value)
{
    switch (value.type()) {
    case dom::element_type::STRING:
        return fromUtf8(std::string_view(value));
    case dom::element_type::INT64:
        return QString::number(std::int64_t(value));
    case dom::element_type::UINT64:
        return QString::number(std::uint64_t(value));
    case dom::element_type::DOUBLE:
        return FloatToStrInvariant(double(value));
    case dom::element_type::BOOL:
        return bool(value) ? QStringLiteral("true") : QStringLiteral("false");
    case dom::element_type::NULL_VALUE:
        return QStringLiteral("null");
    case dom::element_type::ARRAY:
        return QStringLiteral("[array]");
    case dom::element_type::OBJECT:
        break;
    }
    return QStringLiteral("{object}");
}

// A reply member that cannot go into its field: the conversion error, naming both.
[[noreturn]] void raiseMember(const TMemberInfo &member, dom::element value)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid value for %2 (%3)")
                            .arg(elementText(value), member.JsonName(), member.TypeName()));
}

// A whole number within range, however it is written (5, 5.0, 1e3); a fraction, a value out of
// range and a text (also "5") are the conversion error.
std::int64_t
readValue(std::type_identity<std::int64_t>, const TMemberInfo &member, dom::element value)
{
    std::int64_t v = 0;
    if (TryJsonToInt64(value, v))
        return v;
    if (value.is_null())
        return 0;
    raiseMember(member, value);
}

std::int32_t
readValue(std::type_identity<std::int32_t>, const TMemberInfo &member, dom::element value)
{
    const std::int64_t v = readValue(std::type_identity<std::int64_t>(), member, value);
    if (v < std::numeric_limits<std::int32_t>::min()
        || v > std::numeric_limits<std::int32_t>::max())
        raiseMember(member, value);
    return std::int32_t(v);
}

double readValue(std::type_identity<double>, const TMemberInfo &member, dom::element value)
{
    switch (value.type()) {
    case dom::element_type::INT64:
    case dom::element_type::UINT64:
    case dom::element_type::DOUBLE: {
        double v = 0;
        if (value.get(v) == simdjson::SUCCESS)
            return v;
        break;
    }
    case dom::element_type::NULL_VALUE:
        return 0;
    default:
        break;
    }
    raiseMember(member, value);
}

bool readValue(std::type_identity<bool>, const TMemberInfo &member, dom::element value)
{
    switch (value.type()) {
    case dom::element_type::BOOL:
        return bool(value);
    case dom::element_type::STRING: {
        const QString text = fromUtf8(std::string_view(value));
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        break;
    }
    case dom::element_type::NULL_VALUE:
        return false;
    default:
        break;
    }
    raiseMember(member, value);
}

QString readValue(std::type_identity<QString>, const TMemberInfo &member, dom::element value)
{
    switch (value.type()) {
    case dom::element_type::STRING:
        return fromUtf8(std::string_view(value));
    case dom::element_type::INT64:
    case dom::element_type::UINT64:
    case dom::element_type::DOUBLE:
        // A number read into a text field gives its text, as the original's reader does.
        return elementText(value);
    case dom::element_type::NULL_VALUE:
        return QString();
    default:
        break;
    }
    raiseMember(member, value);
}

TSString readValue(std::type_identity<TSString>, const TMemberInfo &member, dom::element value)
{
    return readValue(std::type_identity<QString>(), member, value);
}

bool parseDigits(std::string_view text, std::size_t &pos, std::size_t count, int &out)
{
    if (pos + count > text.size())
        return false;
    int v = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    pos += count;
    out = v;
    return true;
}

// ISO 8601: yyyy-mm-dd, then optionally "T" (or a blank) and hh:nn[:ss[.fraction]], then
// optionally "Z" or an offset +hh[:nn]. A value with an offset is turned into UTC; without one
// (or with Z) the clock time is taken as it stands.
bool tryIsoToDateTime(std::string_view text, TDateTime &result)
{
    std::size_t pos = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    if (!parseDigits(text, pos, 4, year) || pos >= text.size() || text[pos++] != '-'
        || !parseDigits(text, pos, 2, month) || pos >= text.size() || text[pos++] != '-'
        || !parseDigits(text, pos, 2, day))
        return false;
    int offsetMinutes = 0;
    if (pos < text.size() && (text[pos] == 'T' || text[pos] == 't' || text[pos] == ' ')) {
        ++pos;
        if (!parseDigits(text, pos, 2, hour) || pos >= text.size() || text[pos++] != ':'
            || !parseDigits(text, pos, 2, minute))
            return false;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            if (!parseDigits(text, pos, 2, second))
                return false;
            if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
                ++pos;
                int digits = 0;
                while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
                    if (digits < 3)
                        msec = msec * 10 + (text[pos] - '0');
                    ++digits;
                    ++pos;
                }
                if (digits == 0)
                    return false;
                for (int d = digits; d < 3; ++d)
                    msec *= 10;
            }
        }
        if (pos < text.size() && (text[pos] == 'Z' || text[pos] == 'z')) {
            ++pos;
        } else if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            const int sign = text[pos++] == '-' ? -1 : 1;
            int offsetHours = 0, offsetMins = 0;
            if (!parseDigits(text, pos, 2, offsetHours))
                return false;
            if (pos < text.size() && text[pos] == ':')
                ++pos;
            if (pos < text.size() && !parseDigits(text, pos, 2, offsetMins))
                return false;
            if (offsetHours > 23 || offsetMins > 59)
                return false;
            offsetMinutes = sign * (offsetHours * 60 + offsetMins);
        }
    }
    if (pos != text.size() || !IsValidDate(year, month, day)
        || !IsValidTime(hour, minute, second, msec))
        return false;
    if (offsetMinutes == 0) {
        result = EncodeDateTime(year, month, day, hour, minute, second, msec);
        return true;
    }
    // Shift by whole days and milliseconds so that dates before 1899 come out right too.
    qint64 julianDay = QDate(year, month, day).toJulianDay();
    qint64 msOfDay = ((qint64(hour) * 60 + minute) * 60 + second) * 1000 + msec
        - qint64(offsetMinutes) * 60000;
    const qint64 msPerDay = 86400000;
    while (msOfDay < 0) {
        msOfDay += msPerDay;
        --julianDay;
    }
    while (msOfDay >= msPerDay) {
        msOfDay -= msPerDay;
        ++julianDay;
    }
    const QDate date = QDate::fromJulianDay(julianDay);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return false;
    result = EncodeDateTime(date.year(),
                            date.month(),
                            date.day(),
                            int(msOfDay / 3600000),
                            int(msOfDay / 60000 % 60),
                            int(msOfDay / 1000 % 60),
                            int(msOfDay % 1000));
    return true;
}

TDateTime readValue(std::type_identity<TDateTime>, const TMemberInfo &member, dom::element value)
{
    if (value.is_null())
        return TDateTime();
    TDateTime result;
    if (value.is_string() && tryIsoToDateTime(std::string_view(value), result))
        return result;
    raiseMember(member, value);
}

std::int64_t readEnum(const TMemberInfo &member, dom::element value)
{
    const std::vector<TEnumerator> &enumerators = *member.Enumerators();
    if (value.is_null())
        return enumerators.empty() ? 0 : enumerators.front().Value;
    if (value.is_string()) {
        const QString name = fromUtf8(std::string_view(value));
        for (const TEnumerator &e : enumerators) {
            if (e.Name.compare(name, Qt::CaseInsensitive) == 0)
                return e.Value;
        }
    }
    raiseMember(member, value);
}

void readObject(TSerializeObject &target, dom::object object);

std::unique_ptr<TSerializeObject> readNewObject(const TClassInfo &info, dom::object object)
{
    std::unique_ptr<TSerializeObject> created = info.Create();
    if (!created)
        raiseStructure();
    readObject(*created, object);
    return created;
}

// The array of a list object: the "listHelper" member, none when the member is missing.
bool listItems(const TMemberInfo &member, dom::element value, dom::array &items)
{
    if (!value.is_object())
        raiseMember(member, value);
    dom::element helper;
    if (dom::object(value).at_key("listHelper").get(helper) != simdjson::SUCCESS)
        return false;
    if (helper.get(items) != simdjson::SUCCESS)
        raiseMember(member, helper);
    return true;
}

// A list of ids or texts: {"listHelper":[...]}, each element read as the list's element type.
template<class TList>
void readScalarList(const TMemberInfo &member, void *field, dom::element value)
{
    using Element = typename TList::value_type;
    auto &list = *static_cast<std::unique_ptr<TList> *>(field);
    if (value.is_null()) {
        list.reset();
        return;
    }
    auto fresh = std::make_unique<TList>();
    dom::array items;
    if (listItems(member, value, items)) {
        fresh->reserve(decltype(fresh->size())(items.size()));
        for (const dom::element item : items) {
            if (item.is_null() || item.is_array() || item.is_object())
                raiseMember(member, item);
            fresh->push_back(readValue(std::type_identity<Element>(), member, item));
        }
    }
    list = std::move(fresh);
}

void readObjectList(const TMemberInfo &member, void *field, dom::element value)
{
    const TMemberInfo::TAccess &access = member.Access();
    if (value.is_null()) {
        access.ListReset(field, false, 0);
        return;
    }
    dom::array items;
    if (!listItems(member, value, items)) {
        access.ListReset(field, true, 0);
        return;
    }
    // Built aside and put in place whole, so that a failure leaves the old list.
    const TClassInfo &element = access.ElementClass();
    std::vector<std::unique_ptr<TSerializeObject>> built;
    built.reserve(items.size());
    for (const dom::element item : items) {
        if (!item.is_object())
            raiseMember(member, item);
        built.push_back(readNewObject(element, dom::object(item)));
    }
    access.ListReset(field, true, built.size());
    for (auto &item : built)
        access.ListAppend(field, std::move(item));
}

// A member given by accessors (the root's nameClass): the value through its setter.
void readAccessorMember(TSerializeObject &target, const TMemberInfo &member, dom::element value)
{
    const TMemberInfo::TAccess &access = member.Access();
    if (!access.Setter)
        return;
    VisitMemberKind(member.Kind(), [&](auto visited) {
        using K = decltype(visited);
        if constexpr (K::IsValue)
            access.Setter(target,
                          TValue(readValue(std::type_identity<typename K::Type>(), member, value)));
        else
            raiseMember(member, value);
    });
}

void readMember(TSerializeObject &target, const TMemberInfo &member, dom::element value)
{
    const TMemberInfo::TAccess &access = member.Access();
    if (!access.Address) {
        readAccessorMember(target, member, value);
        return;
    }
    void *field = access.Address(target);
    VisitMemberKind(member.Kind(), [&](auto visited) {
        using K = decltype(visited);
        using V = typename K::Type;
        if constexpr (K::IsValue) {
            *static_cast<V *>(field) = readValue(std::type_identity<V>(), member, value);
        } else if constexpr (K::Kind == TMemberKind::Enum) {
            access.SetEnum(field, readEnum(member, value));
        } else if constexpr (K::Kind == TMemberKind::Object) {
            if (value.is_null())
                access.SetObject(field, nullptr);
            else if (value.is_object())
                access.SetObject(field, readNewObject(access.ElementClass(), dom::object(value)));
            else
                raiseMember(member, value);
        } else if constexpr (K::IsScalarList) {
            readScalarList<typename V::element_type>(member, field, value);
        } else if constexpr (K::Kind == TMemberKind::ListObject) {
            readObjectList(member, field, value);
        } else {
            static_assert(UnvisitedMemberKind<K>, "the JSON reader does not take this kind");
        }
    });
}

void readObject(TSerializeObject &target, dom::object object)
{
    const TClassInfo &info = target.ClassInfo();
    std::size_t hint = 0;
    for (const dom::key_value_pair member : object) {
        if (const TMemberInfo *field = info.FindField(member.key, &hint))
            readMember(target, *field, member.value);
    }
}

std::vector<std::unique_ptr<TSerializeObject>> readList(const TClassInfo &info, dom::element array)
{
    if (!array.is_array())
        raiseStructure();
    const dom::array items(array);
    std::vector<std::unique_ptr<TSerializeObject>> list;
    list.reserve(items.size());
    for (const dom::element item : items) {
        if (!item.is_object())
            raiseStructure();
        list.push_back(readNewObject(info, dom::object(item)));
    }
    return list;
}

std::vector<std::unique_ptr<TSerializeObject>> readListObject(const TClassInfo &info,
                                                              dom::element listObject)
{
    dom::element helper;
    if (!listObject.is_object()
        || dom::object(listObject).at_key("listHelper").get(helper) != simdjson::SUCCESS)
        raiseStructure();
    return readList(info, helper);
}

void writeObject(TJsonWriter &writer, const TSerializeObject &object);

// The writing of each plain value, by its C++ type (the absent value is null).
void writeValue(TJsonWriter &writer, std::monostate)
{
    writer.Null();
}
void writeValue(TJsonWriter &writer, bool value)
{
    writer.Boolean(value);
}
void writeValue(TJsonWriter &writer, std::int32_t value)
{
    writer.Integer(value);
}
void writeValue(TJsonWriter &writer, std::int64_t value)
{
    writer.Integer(value);
}
void writeValue(TJsonWriter &writer, double value)
{
    writer.Double(value);
}
void writeValue(TJsonWriter &writer, TDateTime value)
{
    writer.DateTime(value);
}
void writeValue(TJsonWriter &writer, const QString &value) // TSString too
{
    writer.String(value);
}

void writeEnum(TJsonWriter &writer, const TMemberInfo::TAccess &access, const void *field)
{
    const std::int64_t value = access.GetEnum(field);
    for (const TEnumerator &e : *access.Enumerators) {
        if (e.Value == value) {
            writer.StringUtf8(e.NameUtf8);
            return;
        }
    }
    // A value without an identifier: its number, as the original writes it.
    writer.Integer(value);
}

void writeMember(TJsonWriter &writer, const TSerializeObject &object, const TMemberInfo &member)
{
    const TMemberInfo::TAccess &access = member.Access();
    if (!access.Address) {
        std::visit([&writer](const auto &value) { writeValue(writer, value); },
                   member.GetValue(object));
        return;
    }
    const void *field = access.Address(const_cast<TSerializeObject &>(object));
    VisitMemberKind(member.Kind(), [&](auto visited) {
        using K = decltype(visited);
        using V = typename K::Type;
        if constexpr (K::IsValue) {
            writeValue(writer, *static_cast<const V *>(field));
        } else if constexpr (K::Kind == TMemberKind::Enum) {
            writeEnum(writer, access, field);
        } else if constexpr (K::Kind == TMemberKind::Object) {
            if (const TSerializeObject *nested = access.GetObject(field))
                writeObject(writer, *nested);
            else
                writer.Null();
        } else if constexpr (K::IsScalarList) {
            const V &list = *static_cast<const V *>(field);
            writeListHelper(writer, list != nullptr, [&] {
                for (const auto &item : *list)
                    writeValue(writer, item);
            });
        } else if constexpr (K::Kind == TMemberKind::ListObject) {
            writeListHelper(writer, access.ListExists(field), [&] {
                const std::size_t count = access.ListCount(field);
                for (std::size_t i = 0; i < count; ++i) {
                    if (const TSerializeObject *item = access.ListItem(field, i))
                        writeObject(writer, *item);
                    else
                        writer.Null();
                }
            });
        } else {
            static_assert(UnvisitedMemberKind<K>, "the JSON writer does not take this kind");
        }
    });
}

void writeObject(TJsonWriter &writer, const TSerializeObject &object)
{
    writer.BeginObject();
    for (const TMemberInfo *member : object.ClassInfo().Fields()) {
        writer.RawName(member->JsonKey());
        writeMember(writer, object, *member);
    }
    writer.EndObject();
}

QString toQString(const std::string &utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString blanks(int count)
{
    return QString(count, u' ');
}

// Trim as the original trims: every character up to the blank, at both ends.
QString trimControls(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= u' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= u' ')
        --end;
    return text.mid(begin, end - begin);
}

const QString LineBreak = QStringLiteral("\r\n");

QString joinLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += LineBreak;
    }
    return text;
}

void prettyPrint(const TJsonValue &owner, dom::element value, int level, QStringList &lines)
{
    if (value.is_object()) {
        lines.append(blanks(level + 2) + u'{');
        const dom::object object(value);
        std::size_t index = 0;
        const std::size_t count = object.size();
        for (const dom::key_value_pair member : object) {
            QStringList nested;
            prettyPrint(owner, member.value, level + 2, nested);
            QString line = blanks(level + 4) + toQString(TJsonWriter::Quote(fromUtf8(member.key)))
                + u':' + trimControls(joinLines(nested));
            if (++index < count)
                line += u',';
            lines.append(line);
        }
        lines.append(blanks(level + 2) + u'}');
    } else if (value.is_array()) {
        lines.append(blanks(level + 4) + u'[');
        const dom::array array(value);
        std::size_t index = 0;
        const std::size_t count = array.size();
        for (const dom::element item : array) {
            prettyPrint(owner, item, level + 2, lines);
            if (++index < count)
                lines.last() += u',';
        }
        lines.append(blanks(level + 2) + u']');
    } else {
        lines.append(blanks(level + 2) + TJsonValueAccess::Make(owner, value).ToJson());
    }
}

} // namespace

const QString &TDravikJson::StructureErrorText()
{
    static const QString text
        = QStringLiteral("ERROR:Estrutura do JSON não obedece os requisitos.");
    return text;
}

QString TDravikJson::ObjectToJson(const TSerializeObject *object)
{
    if (!object)
        return QString();
    return toQString(ObjectToJsonUtf8(*object));
}

std::string TDravikJson::ObjectToJsonUtf8(const TSerializeObject &object)
{
    TJsonWriter writer;
    writeObject(writer, object);
    return writer.Take();
}

void TDravikJson::WriteObject(TJsonWriter &writer, const TSerializeObject &object)
{
    writeObject(writer, object);
}

QString TDravikJson::ListInt64ToJson(const TListInt64 *list)
{
    if (!list || list->empty())
        return QString();
    TJsonWriter writer;
    writer.BeginObject();
    writer.RawName("\"listHelper\":");
    writer.BeginArray();
    for (const std::int64_t id : *list)
        writer.Integer(id);
    writer.EndArray();
    writer.EndObject();
    return toQString(writer.Text());
}

std::string TDravikJson::ObjectsToJsonUtf8(const std::vector<const TSerializeObject *> &items)
{
    if (items.empty())
        return std::string();
    TJsonWriter writer;
    writer.BeginObject();
    writer.RawName("\"listHelper\":");
    writer.BeginArray();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i])
            writeObject(writer, *items[i]);
        else
            writer.Null();
        // Rows of one list are alike: size the text once from the first.
        if (i == 0)
            writer.Reserve(writer.Size() * items.size() * 9 / 8 + 64);
    }
    writer.EndArray();
    writer.EndObject();
    return writer.Take();
}

QString TDravikJson::ObjectsToJson(const std::vector<const TSerializeObject *> &items)
{
    if (items.empty())
        return QString();
    return toQString(ObjectsToJsonUtf8(items));
}

TListInt64 TDravikJson::ListJsonInt64ToList(const QString &text)
{
    QString rest = text;
    rest.remove(QStringLiteral("{\"listHelper\":["));
    rest.remove(QStringLiteral("]}"));
    TListInt64 list;
    if (rest.isEmpty())
        return list;
    const QStringList pieces = rest.split(u',');
    list.reserve(std::size_t(pieces.size()));
    for (const QString &piece : pieces)
        list.push_back(StrToInt64(piece));
    return list;
}

std::unique_ptr<TSerializeObject> TDravikJson::JsonToObject(const TClassInfo &info,
                                                            const TJsonValue &json)
{
    if (!json.IsObject())
        raiseStructure();
    return readNewObject(info, dom::object(TJsonValueAccess::Element(json)));
}

std::unique_ptr<TSerializeObject> TDravikJson::JsonTextToObject(const TClassInfo &info,
                                                                std::string_view utf8)
{
    const TScopedJsonParse parse(utf8);
    if (!parse.Ok() || !parse.Root().is_object())
        raiseStructure();
    return readNewObject(info, dom::object(parse.Root()));
}

std::vector<std::unique_ptr<TSerializeObject>> TDravikJson::JsonToList(const TClassInfo &info,
                                                                       const TJsonValue &array)
{
    if (array.IsMissing())
        raiseStructure();
    return readList(info, TJsonValueAccess::Element(array));
}

std::vector<std::unique_ptr<TSerializeObject>>
TDravikJson::JsonListObjectToList(const TClassInfo &info, const TJsonValue &listObject)
{
    if (listObject.IsMissing())
        raiseStructure();
    return readListObject(info, TJsonValueAccess::Element(listObject));
}

std::vector<std::unique_ptr<TSerializeObject>>
TDravikJson::JsonListTextToList(const TClassInfo &info, std::string_view utf8)
{
    const TScopedJsonParse parse(utf8);
    if (!parse.Ok())
        raiseStructure();
    return readListObject(info, parse.Root());
}

void TDravikJson::ReadObject(const TJsonValue &json, TSerializeObject &target)
{
    if (!json.IsObject())
        raiseStructure();
    readObject(target, dom::object(TJsonValueAccess::Element(json)));
}

void TDravikJson::JsonStringToObject(const QString &text, TSerializeObject &target)
{
    const QByteArray utf8 = text.toUtf8();
    const TScopedJsonParse parse(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    if (!parse.Ok())
        return;
    const dom::element root = parse.Root();
    if (root.is_object()) {
        readObject(target, dom::object(root));
        return;
    }
    // An array would go to a field named Items, which no class has; null changes nothing.
    if (root.is_array() || root.is_null())
        return;
    throw EConvertError(QStringLiteral("The input value is not a valid Object"));
}

QString TDravikJson::PrettyPrintJSON(const QString &json)
{
    const TJsonValue root = TJsonValue::Parse(json);
    if (root.IsMissing())
        return QString();
    QStringList lines;
    prettyPrint(root, TJsonValueAccess::Element(root), 0, lines);
    return joinLines(lines);
}

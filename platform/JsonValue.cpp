#include "JsonValue.h"

#include "JsonValueDom.h"
#include "JsonWriter.h"
#include "SysUtils.h"

#include <cstring>
#include <limits>
#include <type_traits>

namespace dom = simdjson::dom;

static_assert(sizeof(dom::element) == 16 && alignof(dom::element) <= 8,
              "TJsonValue keeps the parser's element in 16 bytes");
static_assert(std::is_trivially_copyable_v<dom::element>);

struct TJsonValue::TDocument
{
    dom::document Document;
};

namespace {

// One parser per thread, reused, and the padded copy of the input it reads.
struct TThreadParser
{
    dom::parser Parser;
    std::unique_ptr<char[]> Buffer;
    std::size_t Capacity = 0;
    bool InUse = false;

    const char *pad(std::string_view text)
    {
        const std::size_t needed = text.size() + simdjson::SIMDJSON_PADDING;
        if (needed > Capacity) {
            Buffer.reset(new char[needed]);
            Capacity = needed;
        }
        std::memcpy(Buffer.get(), text.data(), text.size());
        std::memset(Buffer.get() + text.size(), 0, simdjson::SIMDJSON_PADDING);
        return Buffer.get();
    }
};

TThreadParser &threadParser()
{
    thread_local TThreadParser parser;
    return parser;
}

[[noreturn]] void raiseKind(const TJsonValue &value, const char *what)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid %2 value")
                            .arg(value.ToJson(), QString::fromLatin1(what)));
}

void writeElement(TJsonWriter &writer, dom::element element)
{
    switch (element.type()) {
    case dom::element_type::OBJECT:
        writer.BeginObject();
        for (const dom::key_value_pair member : dom::object(element)) {
            writer.RawName(TJsonWriter::Quote(
                               QString::fromUtf8(member.key.data(), qsizetype(member.key.size())))
                           + ':');
            writeElement(writer, member.value);
        }
        writer.EndObject();
        break;
    case dom::element_type::ARRAY:
        writer.BeginArray();
        for (const dom::element item : dom::array(element))
            writeElement(writer, item);
        writer.EndArray();
        break;
    case dom::element_type::STRING:
        writer.StringUtf8(std::string_view(element));
        break;
    case dom::element_type::INT64:
        writer.Integer(std::int64_t(element));
        break;
    case dom::element_type::UINT64: {
        char buffer[24];
        const int n = std::snprintf(
            buffer, sizeof buffer, "%llu", static_cast<unsigned long long>(std::uint64_t(element)));
        writer.Raw(std::string_view(buffer, std::size_t(n)));
        break;
    }
    case dom::element_type::DOUBLE:
        writer.Double(double(element));
        break;
    case dom::element_type::BOOL:
        writer.Boolean(bool(element));
        break;
    case dom::element_type::NULL_VALUE:
        writer.Null();
        break;
    }
}

} // namespace

simdjson::dom::element TJsonValueAccess::Element(const TJsonValue &value)
{
    dom::element element;
    std::memcpy(static_cast<void *>(&element), value.m_element, sizeof element);
    return element;
}

TJsonValue TJsonValueAccess::Make(const TJsonValue &owner, simdjson::dom::element element)
{
    TJsonValue value;
    value.m_document = owner.m_document;
    std::memcpy(value.m_element, static_cast<const void *>(&element), sizeof element);
    return value;
}

TScopedJsonParse::TScopedJsonParse(std::string_view utf8)
{
    TThreadParser &shared = threadParser();
    if (!shared.InUse) {
        shared.InUse = true;
        m_usesThreadParser = true;
        const char *padded = shared.pad(utf8);
        m_ok = shared.Parser.parse(padded, utf8.size(), false).get(m_root) == simdjson::SUCCESS;
    } else {
        m_ownParser = std::make_unique<dom::parser>();
        const simdjson::padded_string padded(utf8);
        m_ok = m_ownParser->parse(padded).get(m_root) == simdjson::SUCCESS;
    }
}

TScopedJsonParse::~TScopedJsonParse()
{
    if (m_usesThreadParser)
        threadParser().InUse = false;
}

TJsonValue TJsonValue::Parse(std::string_view utf8)
{
    auto document = std::make_shared<TDocument>();
    dom::element root;
    TThreadParser &shared = threadParser();
    simdjson::error_code error;
    if (!shared.InUse) {
        shared.InUse = true;
        const char *padded = shared.pad(utf8);
        error = shared.Parser
                    .parse_into_document(document->Document,
                                         reinterpret_cast<const std::uint8_t *>(padded),
                                         utf8.size(),
                                         false)
                    .get(root);
        shared.InUse = false;
    } else {
        dom::parser parser;
        const simdjson::padded_string padded(utf8);
        error = parser
                    .parse_into_document(document->Document,
                                         reinterpret_cast<const std::uint8_t *>(padded.data()),
                                         padded.size(),
                                         false)
                    .get(root);
    }
    if (error != simdjson::SUCCESS)
        return {};
    TJsonValue value;
    value.m_document = std::move(document);
    std::memcpy(value.m_element, static_cast<const void *>(&root), sizeof root);
    return value;
}

TJsonValue TJsonValue::Parse(const QByteArray &utf8)
{
    return Parse(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

TJsonValue TJsonValue::Parse(const QString &text)
{
    return Parse(text.toUtf8());
}

TJsonValue::TKind TJsonValue::Kind() const
{
    if (IsMissing())
        return TKind::Missing;
    switch (TJsonValueAccess::Element(*this).type()) {
    case dom::element_type::OBJECT:
        return TKind::Object;
    case dom::element_type::ARRAY:
        return TKind::Array;
    case dom::element_type::STRING:
        return TKind::String;
    case dom::element_type::INT64:
    case dom::element_type::UINT64:
        return TKind::Integer;
    case dom::element_type::DOUBLE:
        return TKind::Float;
    case dom::element_type::BOOL:
        return TKind::Boolean;
    case dom::element_type::NULL_VALUE:
        break;
    }
    return TKind::Null;
}

TJsonValue TJsonValue::Value(std::string_view name) const
{
    if (!IsObject())
        return {};
    dom::element member;
    if (dom::object(TJsonValueAccess::Element(*this)).at_key(name).get(member) != simdjson::SUCCESS)
        return {};
    return TJsonValueAccess::Make(*this, member);
}

QStringList TJsonValue::Names() const
{
    QStringList names;
    if (!IsObject())
        return names;
    for (const dom::key_value_pair member : dom::object(TJsonValueAccess::Element(*this)))
        names.append(QString::fromUtf8(member.key.data(), qsizetype(member.key.size())));
    return names;
}

std::vector<TJsonValue> TJsonValue::Elements() const
{
    std::vector<TJsonValue> elements;
    if (!IsArray())
        return elements;
    const dom::array array(TJsonValueAccess::Element(*this));
    elements.reserve(array.size());
    for (const dom::element item : array)
        elements.push_back(TJsonValueAccess::Make(*this, item));
    return elements;
}

std::size_t TJsonValue::Count() const
{
    if (IsArray())
        return dom::array(TJsonValueAccess::Element(*this)).size();
    if (IsObject())
        return dom::object(TJsonValueAccess::Element(*this)).size();
    return 0;
}

QString TJsonValue::AsString() const
{
    if (!IsString())
        raiseKind(*this, "string");
    const std::string_view text(TJsonValueAccess::Element(*this));
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::int64_t TJsonValue::AsInt64() const
{
    std::int64_t value = 0;
    if (IsMissing() || !TryJsonToInt64(TJsonValueAccess::Element(*this), value))
        raiseKind(*this, "integer");
    return value;
}

std::int32_t TJsonValue::AsInt32() const
{
    const std::int64_t value = AsInt64();
    if (value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        raiseKind(*this, "integer");
    return std::int32_t(value);
}

double TJsonValue::AsDouble() const
{
    if (!IsNumber())
        raiseKind(*this, "floating point");
    double value = 0;
    if (TJsonValueAccess::Element(*this).get(value) != simdjson::SUCCESS)
        raiseKind(*this, "floating point");
    return value;
}

bool TJsonValue::AsBoolean() const
{
    if (!IsBoolean())
        raiseKind(*this, "boolean");
    return bool(TJsonValueAccess::Element(*this));
}

std::string TJsonValue::ToJsonUtf8() const
{
    if (IsMissing())
        return {};
    TJsonWriter writer;
    writeElement(writer, TJsonValueAccess::Element(*this));
    return writer.Take();
}

QString TJsonValue::ToJson() const
{
    const std::string text = ToJsonUtf8();
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// A parsed JSON value that keeps its document alive, in place of the platform's JSON value
// objects: replies are parsed once and their members ("total", "pages", "listHelper") handed on
// without parsing again. Copies are cheap and share the document. A default value is missing
// (no JSON at all), which is not the same as JSON null.
class TJsonValue
{
public:
    enum class TKind { Missing, Null, Boolean, Integer, Float, String, Array, Object };

    TJsonValue() = default;

    // The text parsed as JSON (UTF-8); missing when it is not valid JSON, empty text included.
    static TJsonValue Parse(std::string_view utf8);
    static TJsonValue Parse(const QByteArray &utf8);
    static TJsonValue Parse(const QString &text);

    TKind Kind() const;
    bool IsMissing() const { return !m_document; }
    explicit operator bool() const { return !IsMissing(); }
    bool IsNull() const { return Kind() == TKind::Null; }
    bool IsBoolean() const { return Kind() == TKind::Boolean; }
    bool IsNumber() const { return Kind() == TKind::Integer || Kind() == TKind::Float; }
    bool IsInteger() const { return Kind() == TKind::Integer; }
    bool IsString() const { return Kind() == TKind::String; }
    bool IsArray() const { return Kind() == TKind::Array; }
    bool IsObject() const { return Kind() == TKind::Object; }

    // An object's member by its exact name (as the original's JSON objects find them); missing
    // when there is no such member or this is not an object.
    TJsonValue Value(std::string_view name) const;
    TJsonValue operator[](std::string_view name) const { return Value(name); }
    bool Contains(std::string_view name) const { return !Value(name).IsMissing(); }
    // Member names in document order; empty for anything but an object.
    QStringList Names() const;
    // Array elements in order; empty for anything but an array.
    std::vector<TJsonValue> Elements() const;
    // Elements of an array or members of an object; 0 otherwise.
    std::size_t Count() const;

    // Scalars; EConvertError when the value is not of that kind ("12" is no number here).
    QString AsString() const;
    // A whole number within 64 bits, also when written with a fraction or exponent (5.0, 1e3).
    std::int64_t AsInt64() const;
    // The same within 32 bits.
    std::int32_t AsInt32() const;
    double AsDouble() const;
    bool AsBoolean() const;

    // Compact JSON text of the value (strings with "\/" like every text the system writes);
    // the empty text for a missing value.
    QString ToJson() const;
    std::string ToJsonUtf8() const;

private:
    friend struct TJsonValueAccess;
    struct TDocument;

    std::shared_ptr<const TDocument> m_document;
    // The parser's element (a document pointer and a tape position), kept opaque so that this
    // header does not pull the parser's headers into every unit.
    alignas(8) unsigned char m_element[16] = {};
};

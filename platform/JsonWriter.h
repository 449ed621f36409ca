#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <string>
#include <string_view>

class TDateTime;

// A forward-only JSON text writer producing UTF-8, in the form the back end has always received:
// the solidus escaped as "\/", floating numbers in the general 15-digit form with ".", dates as
// "yyyy-mm-ddThh:nn:ss.zzzZ" with the clock time unchanged. Commas are placed by the writer; the
// caller only opens, names and closes.
class TJsonWriter
{
public:
    TJsonWriter() = default;
    explicit TJsonWriter(std::size_t reserve) { m_out.reserve(reserve); }

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();

    // A member name; the next value belongs to it.
    void Name(QStringView name);
    // A member name already written as JSON text with its quotes and colon ("\"id\":"), so that
    // generated writers escape each name once instead of once per value.
    void RawName(std::string_view quotedNameAndColon);

    void Null();
    void Boolean(bool value);
    void Integer(std::int64_t value);
    // Non-finite values have no JSON form and are written as null.
    void Double(double value);
    void String(QStringView value);
    void StringUtf8(std::string_view value);
    void DateTime(TDateTime value);
    // A value already written as JSON text.
    void Raw(std::string_view json);

    void Reserve(std::size_t bytes) { m_out.reserve(bytes); }
    std::size_t Size() const { return m_out.size(); }
    const std::string &Text() const { return m_out; }
    std::string Take() { return std::move(m_out); }
    QString ToQString() const { return QString::fromUtf8(m_out.data(), qsizetype(m_out.size())); }

    // The text of one string value with its quotes, by the same escaping rules.
    static std::string Quote(QStringView value);
    // A date by the rule above, without quotes.
    static std::string FormatDateTime(TDateTime value);

private:
    void beforeValue()
    {
        if (m_afterName)
            m_afterName = false;
        else if (m_needComma)
            m_out += ',';
    }
    void appendEscaped(QStringView value);
    void appendEscapedUtf8(std::string_view value);

    std::string m_out;
    bool m_needComma = false;
    bool m_afterName = false;
};

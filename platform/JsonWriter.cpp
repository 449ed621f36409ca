#include "JsonWriter.h"

#include "DateTime.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const char HexDigits[] = "0123456789abcdef";

// The escape of one ASCII character, or nullptr when it goes out as it is.
inline const char *asciiEscape(char16_t c)
{
    switch (c) {
    case u'"':
        return "\\\"";
    case u'\\':
        return "\\\\";
    case u'/':
        return "\\/";
    case u'\b':
        return "\\b";
    case u'\f':
        return "\\f";
    case u'\n':
        return "\\n";
    case u'\r':
        return "\\r";
    case u'\t':
        return "\\t";
    default:
        return nullptr;
    }
}

inline void appendControl(std::string &out, unsigned c)
{
    out += "\\u00";
    out += HexDigits[(c >> 4) & 0xF];
    out += HexDigits[c & 0xF];
}

inline bool needsEscape(char16_t c)
{
    return c < 0x20 || c == u'"' || c == u'\\' || c == u'/';
}

// The digits of v with at least `width` of them, as "%.*d" writes it (a sign before them).
void appendPadded(std::string &out, int v, int width)
{
    if (v < 0) {
        out += '-';
        v = -v;
    }
    char buffer[12];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    for (auto n = result.ptr - buffer; n < width; ++n)
        out += '0';
    out.append(buffer, result.ptr);
}

// "%.4d-%.2d-%.2dT%.2d:%.2d:%.2d.%.3dZ" of the value's calendar parts.
void appendDateTime(std::string &out, TDateTime value)
{
    const TDateParts p = DecodeDateTime(value);
    appendPadded(out, p.Year, 4);
    out += '-';
    appendPadded(out, p.Month, 2);
    out += '-';
    appendPadded(out, p.Day, 2);
    out += 'T';
    appendPadded(out, p.Hour, 2);
    out += ':';
    appendPadded(out, p.Minute, 2);
    out += ':';
    appendPadded(out, p.Second, 2);
    out += '.';
    appendPadded(out, p.MSec, 3);
    out += 'Z';
}

// FloatToStrInvariant written straight into the text: 15 significant digits rounded, trailing
// zeros dropped, plain notation for decimal exponents from -5 to 14, "dE±x" beyond.
void appendGeneralFloat(std::string &out, double value)
{
    if (value == 0.0) {
        out += '0';
        return;
    }
    // Rounded up to 15 digits, the largest doubles would pass the largest double and read back
    // as out of range, which no JSON reader takes: they are written rounded down.
    constexpr double Largest15 = 1.79769313486231e308;
    const double magnitude = std::min(std::fabs(value), Largest15);
    char buffer[40];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    // "d.dddddddddddddde±XX"
    char digits[16];
    int count = 0;
    digits[count++] = buffer[0];
    const char *p = buffer + 2;
    while (p < result.ptr && *p != 'e')
        digits[count++] = *p++;
    int exponent = 0;
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, exponent);
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const int pointPos = exponent + 1;
    if (value < 0)
        out += '-';
    if (pointPos <= 15 && pointPos >= -4) {
        if (pointPos <= 0) {
            out += "0.";
            out.append(std::size_t(-pointPos), '0');
            out.append(digits, std::size_t(count));
        } else if (pointPos >= count) {
            out.append(digits, std::size_t(count));
            out.append(std::size_t(pointPos - count), '0');
        } else {
            out.append(digits, std::size_t(pointPos));
            out += '.';
            out.append(digits + pointPos, std::size_t(count - pointPos));
        }
        return;
    }
    out += digits[0];
    if (count > 1) {
        out += '.';
        out.append(digits + 1, std::size_t(count - 1));
    }
    out += 'E';
    char exponentText[8];
    const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText, exponent);
    out.append(exponentText, written.ptr);
}

} // namespace

void TJsonWriter::BeginObject()
{
    beforeValue();
    m_out += '{';
    m_needComma = false;
}

void TJsonWriter::EndObject()
{
    m_out += '}';
    m_needComma = true;
}

void TJsonWriter::BeginArray()
{
    beforeValue();
    m_out += '[';
    m_needComma = false;
}

void TJsonWriter::EndArray()
{
    m_out += ']';
    m_needComma = true;
}

void TJsonWriter::Name(QStringView name)
{
    if (m_needComma)
        m_out += ',';
    m_out += '"';
    appendEscaped(name);
    m_out += "\":";
    m_afterName = true;
}

void TJsonWriter::RawName(std::string_view quotedNameAndColon)
{
    if (m_needComma)
        m_out += ',';
    m_out += quotedNameAndColon;
    m_afterName = true;
}

void TJsonWriter::Null()
{
    beforeValue();
    m_out += "null";
    m_needComma = true;
}

void TJsonWriter::Boolean(bool value)
{
    beforeValue();
    m_out += value ? "true" : "false";
    m_needComma = true;
}

void TJsonWriter::Integer(std::int64_t value)
{
    beforeValue();
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_out.append(buffer, result.ptr);
    m_needComma = true;
}

void TJsonWriter::Double(double value)
{
    if (!std::isfinite(value)) {
        Null();
        return;
    }
    beforeValue();
    appendGeneralFloat(m_out, value);
    m_needComma = true;
}

void TJsonWriter::String(QStringView value)
{
    beforeValue();
    m_out += '"';
    appendEscaped(value);
    m_out += '"';
    m_needComma = true;
}

void TJsonWriter::StringUtf8(std::string_view value)
{
    beforeValue();
    m_out += '"';
    appendEscapedUtf8(value);
    m_out += '"';
    m_needComma = true;
}

void TJsonWriter::DateTime(TDateTime value)
{
    beforeValue();
    m_out += '"';
    appendDateTime(m_out, value);
    m_out += '"';
    m_needComma = true;
}

void TJsonWriter::Raw(std::string_view json)
{
    beforeValue();
    m_out += json;
    m_needComma = true;
}

std::string TJsonWriter::Quote(QStringView value)
{
    TJsonWriter writer;
    writer.String(value);
    return writer.Take();
}

std::string TJsonWriter::FormatDateTime(TDateTime value)
{
    std::string text;
    appendDateTime(text, value);
    return text;
}

void TJsonWriter::appendEscaped(QStringView value)
{
    const char16_t *p = value.utf16();
    const char16_t *const end = p + value.size();
    while (p < end) {
        // Runs of plain ASCII go out in one append.
        const char16_t *run = p;
        while (p < end && *p < 0x80 && !needsEscape(*p))
            ++p;
        if (p != run) {
            const std::size_t start = m_out.size();
            m_out.resize(start + std::size_t(p - run));
            char *dest = m_out.data() + start;
            for (const char16_t *q = run; q < p; ++q)
                *dest++ = char(*q);
        }
        if (p == end)
            break;
        const char16_t c = *p++;
        if (c < 0x80) {
            if (const char *escape = asciiEscape(c))
                m_out += escape;
            else
                appendControl(m_out, c);
        } else if (c < 0x800) {
            m_out += char(0xC0 | (c >> 6));
            m_out += char(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c <= 0xDBFF && p < end && *p >= 0xDC00 && *p <= 0xDFFF) {
            const char32_t code
                = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(*p) - 0xDC00);
            ++p;
            m_out += char(0xF0 | (code >> 18));
            m_out += char(0x80 | ((code >> 12) & 0x3F));
            m_out += char(0x80 | ((code >> 6) & 0x3F));
            m_out += char(0x80 | (code & 0x3F));
        } else {
            // A lone surrogate has no UTF-8 form: the replacement character, as Qt converts it.
            const char32_t code = (c >= 0xD800 && c <= 0xDFFF) ? 0xFFFD : c;
            m_out += char(0xE0 | (code >> 12));
            m_out += char(0x80 | ((code >> 6) & 0x3F));
            m_out += char(0x80 | (code & 0x3F));
        }
    }
}

void TJsonWriter::appendEscapedUtf8(std::string_view value)
{
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || !needsEscape(c))
            m_out += ch;
        else if (const char *escape = asciiEscape(c))
            m_out += escape;
        else
            appendControl(m_out, c);
    }
}

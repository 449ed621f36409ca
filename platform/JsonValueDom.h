#pragma once

// The parser's view of TJsonValue, for the few units that walk documents themselves (the wire
// object reader). Includes the parser's large header: keep it out of other headers.

#include "JsonValue.h"

#include <simdjson.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

struct TJsonValueAccess
{
    // The element of a value that is not missing.
    static simdjson::dom::element Element(const TJsonValue &value);
    // A value for an element of the same document as owner.
    static TJsonValue Make(const TJsonValue &owner, simdjson::dom::element element);
};

// A JSON number that is a whole number within the 64-bit range: integers, and numbers written
// with a fraction or an exponent whose value is whole (5.0, 1e3). Anything else (a fraction, a
// value out of range, a text, null) gives false.
inline bool TryJsonToInt64(simdjson::dom::element element, std::int64_t &result)
{
    switch (element.type()) {
    case simdjson::dom::element_type::INT64:
        result = std::int64_t(element);
        return true;
    case simdjson::dom::element_type::UINT64: {
        const std::uint64_t value = std::uint64_t(element);
        if (value > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
            return false;
        result = std::int64_t(value);
        return true;
    }
    case simdjson::dom::element_type::DOUBLE: {
        // -2^63 and 2^63 are exact doubles; NaN fails the first test.
        const double value = double(element);
        if (std::trunc(value) != value || value < -0x1p63 || value >= 0x1p63)
            return false;
        result = std::int64_t(value);
        return true;
    }
    default:
        return false;
    }
}

// Parses text with this thread's parser, without copying the document out: the fastest way to
// read a text once. The root is valid while the object lives. Nested use on one thread (a parse
// while another is being read) falls back to a parser of its own.
class TScopedJsonParse
{
public:
    explicit TScopedJsonParse(std::string_view utf8);
    ~TScopedJsonParse();
    TScopedJsonParse(const TScopedJsonParse &) = delete;
    TScopedJsonParse &operator=(const TScopedJsonParse &) = delete;

    bool Ok() const { return m_ok; }
    simdjson::dom::element Root() const { return m_root; }

private:
    std::unique_ptr<simdjson::dom::parser> m_ownParser;
    simdjson::dom::element m_root;
    bool m_ok = false;
    bool m_usesThreadParser = false;
};

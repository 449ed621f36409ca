#pragma once

// The parser's view of TJsonValue, for the few units that walk documents themselves (the wire
// object reader). Includes the parser's large header: keep it out of other headers.

#include "JsonValue.h"

#include <simdjson.h>

#include <string_view>

struct TJsonValueAccess
{
    // The element of a value that is not missing.
    static simdjson::dom::element Element(const TJsonValue &value);
    // A value for an element of the same document as owner.
    static TJsonValue Make(const TJsonValue &owner, simdjson::dom::element element);
};

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

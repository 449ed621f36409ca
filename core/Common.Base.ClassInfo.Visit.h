#pragma once

// The one dispatch from a member kind to code written once per kind: the JSON reader and writer,
// the value access and the clearing of an entity all visit kinds through VisitMemberKind, so a
// new kind is added here and every visitor that cannot take it stops compiling. Include only in
// the .cpp files that visit.
//
//     VisitMemberKind(member.Kind(), [&](auto kind) {
//         using K = decltype(kind);
//         if constexpr (K::IsValue)
//             use(member.Ref<typename K::Type>(object));   // a plain value of C++ type Type
//         else if constexpr (K::Kind == TMemberKind::Enum)
//             ...
//     });

#include "Common.Base.ClassInfo.h"

#include <QtGlobal>

#include <type_traits>

// What a kind stores. Type is the member's C++ type where it is the same for every member of the
// kind; void for enumerations, nested objects and object lists, whose types depend on the class
// and which are reached through TMemberInfo::TAccess.
template<TMemberKind K>
struct TMemberKindTraits;

// The type names are those the name rules compare ("Integer", "Int64" …); a nested object's is
// its class name and an object list's "TObjectList<class>", so those give none here.
template<>
struct TMemberKindTraits<TMemberKind::Int32>
{
    using Type = std::int32_t;
    static constexpr const char *TypeName = "Integer";
};
template<>
struct TMemberKindTraits<TMemberKind::Int64>
{
    using Type = std::int64_t;
    static constexpr const char *TypeName = "Int64";
};
template<>
struct TMemberKindTraits<TMemberKind::Double>
{
    using Type = double;
    static constexpr const char *TypeName = "Double";
};
template<>
struct TMemberKindTraits<TMemberKind::Boolean>
{
    using Type = bool;
    static constexpr const char *TypeName = "Boolean";
};
template<>
struct TMemberKindTraits<TMemberKind::String>
{
    using Type = QString;
    static constexpr const char *TypeName = "string";
};
template<>
struct TMemberKindTraits<TMemberKind::SString>
{
    using Type = TSString;
    static constexpr const char *TypeName = "TSString";
};
template<>
struct TMemberKindTraits<TMemberKind::DateTime>
{
    using Type = TDateTime;
    static constexpr const char *TypeName = "TDateTime";
};
template<>
struct TMemberKindTraits<TMemberKind::Enum>
{
    using Type = void;
    static constexpr const char *TypeName = "Enumeration";
};
template<>
struct TMemberKindTraits<TMemberKind::Object>
{
    using Type = void;
    static constexpr const char *TypeName = nullptr;
};
template<>
struct TMemberKindTraits<TMemberKind::ListInt64>
{
    using Type = std::unique_ptr<TListInt64>;
    static constexpr const char *TypeName = "TList<Int64>";
};
template<>
struct TMemberKindTraits<TMemberKind::ListString>
{
    using Type = std::unique_ptr<TListString>;
    static constexpr const char *TypeName = "TList<string>";
};
template<>
struct TMemberKindTraits<TMemberKind::ListObject>
{
    using Type = void;
    static constexpr const char *TypeName = nullptr;
};

// The argument a visitor receives: the kind as a constant, its C++ type and what sort it is.
template<TMemberKind K>
struct TMemberKindTag
{
    static constexpr TMemberKind Kind = K;
    using Type = typename TMemberKindTraits<K>::Type;
    static constexpr const char *TypeName = TMemberKindTraits<K>::TypeName;
    // A plain value: a TValue alternative of the same type, a table column, a control's value
    // (the kinds declared before Enum).
    static constexpr bool IsValue = K < TMemberKind::Enum;
    // A list of numbers or texts, held as std::unique_ptr of the list (null is a missing list).
    static constexpr bool IsScalarList
        = K == TMemberKind::ListInt64 || K == TMemberKind::ListString;
};

// Calls visitor(TMemberKindTag<kind>{}) and returns what it returns (the same type for every
// kind).
template<class TVisitor>
decltype(auto) VisitMemberKind(TMemberKind kind, TVisitor &&visitor)
{
    switch (kind) {
    case TMemberKind::Int32:
        return visitor(TMemberKindTag<TMemberKind::Int32>());
    case TMemberKind::Int64:
        return visitor(TMemberKindTag<TMemberKind::Int64>());
    case TMemberKind::Double:
        return visitor(TMemberKindTag<TMemberKind::Double>());
    case TMemberKind::Boolean:
        return visitor(TMemberKindTag<TMemberKind::Boolean>());
    case TMemberKind::String:
        return visitor(TMemberKindTag<TMemberKind::String>());
    case TMemberKind::SString:
        return visitor(TMemberKindTag<TMemberKind::SString>());
    case TMemberKind::DateTime:
        return visitor(TMemberKindTag<TMemberKind::DateTime>());
    case TMemberKind::Enum:
        return visitor(TMemberKindTag<TMemberKind::Enum>());
    case TMemberKind::Object:
        return visitor(TMemberKindTag<TMemberKind::Object>());
    case TMemberKind::ListInt64:
        return visitor(TMemberKindTag<TMemberKind::ListInt64>());
    case TMemberKind::ListString:
        return visitor(TMemberKindTag<TMemberKind::ListString>());
    case TMemberKind::ListObject:
        return visitor(TMemberKindTag<TMemberKind::ListObject>());
    }
    Q_UNREACHABLE(); // no member is built with a kind outside the enumeration
}

// For the final else of a visitor: a kind it does not take stops the build.
template<class TKindTag>
inline constexpr bool UnvisitedMemberKind = false;

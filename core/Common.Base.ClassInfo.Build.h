#pragma once

// Builds a class's TClassInfo from its Boost.Describe line and registers the class by name. Heavy
// templates: include this only in the .cpp of a wire class, never in a header. Usage, in
// Common.Dto.Banco.cpp:
//
//     #include "Common.Dto.Banco.h"
//     #include "Common.Base.ClassInfo.Build.h"
//
//     ZUNTA_DEFINE_CLASS(TBancoDto)
//
// A JSON member that is not the property name with a lower first letter, or a property reached
// through accessors, is declared with a second argument:
//
//     ZUNTA_DEFINE_CLASS(TPlanoEntity, [](auto &c) {
//         c.JsonName("IsGenerateValoresParcelaPlano", "generateValoresParcelaPlano");
//     })

#include "Common.Base.Serialize.h"

#include <boost/describe/bases.hpp>
#include <boost/describe/enumerators.hpp>
#include <boost/describe/members.hpp>
#include <boost/describe/modifiers.hpp>
#include <boost/mp11/algorithm.hpp>

#include <type_traits>

namespace ClassInfoBuild {

template<class>
inline constexpr bool DependentFalse = false;

template<class T>
struct UniquePtrElement
{
    using Type = void;
};
template<class T>
struct UniquePtrElement<std::unique_ptr<T>>
{
    using Type = T;
};

template<class T>
struct ObjectListElement
{
    using Type = void;
};
template<class T>
struct ObjectListElement<std::unique_ptr<TObjectList<T>>>
{
    using Type = T;
};

template<class E>
struct ObjectOps
{
    static TSerializeObject *get(const void *field)
    {
        return static_cast<const std::unique_ptr<E> *>(field)->get();
    }
    static void set(void *field, std::unique_ptr<TSerializeObject> value)
    {
        static_cast<std::unique_ptr<E> *>(field)->reset(static_cast<E *>(value.release()));
    }
};

template<class E>
struct ListOps
{
    using List = std::unique_ptr<TObjectList<E>>;
    static const List &list(const void *field) { return *static_cast<const List *>(field); }
    static bool exists(const void *field) { return bool(list(field)); }
    static void reset(void *field, bool exists, std::size_t reserve)
    {
        List &l = *static_cast<List *>(field);
        if (!exists) {
            l.reset();
            return;
        }
        l = std::make_unique<TObjectList<E>>();
        l->reserve(reserve);
    }
    static std::size_t count(const void *field) { return exists(field) ? list(field)->size() : 0; }
    static TSerializeObject *item(const void *field, std::size_t index)
    {
        return (*list(field))[index].get();
    }
    static void append(void *field, std::unique_ptr<TSerializeObject> item)
    {
        (*static_cast<List *>(field))->emplace_back(static_cast<E *>(item.release()));
    }
};

template<class E>
struct EnumOps
{
    static std::int64_t get(const void *field)
    {
        return static_cast<std::int64_t>(*static_cast<const E *>(field));
    }
    static void set(void *field, std::int64_t value)
    {
        *static_cast<E *>(field) = static_cast<E>(value);
    }
    static const std::vector<TEnumerator> *enumerators()
    {
        static const std::vector<TEnumerator> list = [] {
            std::vector<TEnumerator> names;
            boost::mp11::mp_for_each<boost::describe::describe_enumerators<E>>([&](auto d) {
                names.push_back(
                    { QString::fromLatin1(d.name), std::string(d.name), std::int64_t(d.value) });
            });
            return names;
        }();
        return &list;
    }
};

// The kind of a member's C++ type and the access functions that depend on it.
template<class M>
TMemberKind describeType(TMemberInfo::TAccess &access)
{
    using Element = typename UniquePtrElement<M>::Type;
    using ListElement = typename ObjectListElement<M>::Type;
    if constexpr (std::is_same_v<M, std::int32_t>) {
        return TMemberKind::Int32;
    } else if constexpr (std::is_same_v<M, std::int64_t>) {
        return TMemberKind::Int64;
    } else if constexpr (std::is_same_v<M, double>) {
        return TMemberKind::Double;
    } else if constexpr (std::is_same_v<M, bool>) {
        return TMemberKind::Boolean;
    } else if constexpr (std::is_same_v<M, TSString>) {
        return TMemberKind::SString;
    } else if constexpr (std::is_same_v<M, QString>) {
        return TMemberKind::String;
    } else if constexpr (std::is_same_v<M, TDateTime>) {
        return TMemberKind::DateTime;
    } else if constexpr (std::is_enum_v<M>) {
        static_assert(boost::describe::has_describe_enumerators<M>::value,
                      "an enumeration of a wire class needs BOOST_DESCRIBE_ENUM");
        access.GetEnum = &EnumOps<M>::get;
        access.SetEnum = &EnumOps<M>::set;
        access.Enumerators = EnumOps<M>::enumerators();
        return TMemberKind::Enum;
    } else if constexpr (std::is_same_v<M, std::unique_ptr<TListInt64>>) {
        return TMemberKind::ListInt64;
    } else if constexpr (std::is_same_v<M, std::unique_ptr<TListString>>) {
        return TMemberKind::ListString;
    } else if constexpr (!std::is_void_v<ListElement>) {
        static_assert(std::is_base_of_v<TSerializeObject, ListElement>,
                      "list elements of a wire class must be wire classes");
        access.ListExists = &ListOps<ListElement>::exists;
        access.ListReset = &ListOps<ListElement>::reset;
        access.ListCount = &ListOps<ListElement>::count;
        access.ListItem = &ListOps<ListElement>::item;
        access.ListAppend = &ListOps<ListElement>::append;
        access.ElementClass = &ListElement::StaticClassInfo;
        return TMemberKind::ListObject;
    } else if constexpr (!std::is_void_v<Element> && std::is_base_of_v<TSerializeObject, Element>) {
        access.GetObject = &ObjectOps<Element>::get;
        access.SetObject = &ObjectOps<Element>::set;
        access.ElementClass = &Element::StaticClassInfo;
        return TMemberKind::Object;
    } else {
        static_assert(DependentFalse<M>,
                      "unsupported member type in a wire class: use std::int32_t, std::int64_t, "
                      "double, bool, QString, TSString, TDateTime, a described enumeration, "
                      "std::unique_ptr of a wire class, of TObjectList, TListInt64 or TListString");
        return TMemberKind::Int32;
    }
}

template<class T, class D>
void *memberAddress(TSerializeObject &object)
{
    return &(static_cast<T &>(object).*D::pointer);
}

// The JSON member of a data member: its name with a lower first letter; a non-public member
// named as the original's field ("FValor") loses the "F" first.
inline QString jsonNameOf(const char *memberName, bool isPublic)
{
    QString name = QString::fromLatin1(memberName);
    if (!isPublic && name.size() > 1 && (name.at(0) == u'F' || name.at(0) == u'f'))
        name.remove(0, 1);
    if (!name.isEmpty())
        name[0] = name.at(0).toLower();
    return name;
}

template<class T, class D>
void addDataMember(TClassInfo &info)
{
    using M = std::remove_cv_t<std::remove_reference_t<decltype(std::declval<T &>().*D::pointer)>>;
    TMemberInfo::TAccess access;
    access.Address = &memberAddress<T, D>;
    const TMemberKind kind = describeType<M>(access);
    const bool isPublic = (D::modifiers & boost::describe::mod_public) != 0;
    QString name = QString::fromLatin1(D::name);
    if (!isPublic && name.size() > 1 && name.at(0) == u'F')
        name.remove(0, 1);
    info.AddMember(
        std::make_unique<TMemberInfo>(name, jsonNameOf(D::name, isPublic), kind, access));
}

template<auto Getter, class T>
TValue getterThunk(const TSerializeObject &object)
{
    return (static_cast<const T &>(object).*Getter)();
}

template<auto Setter, class T, class V>
void setterThunk(TSerializeObject &object, const TValue &value)
{
    (static_cast<T &>(object).*Setter)(std::get<V>(value));
}

// What a class's definition may add to the description taken from its Boost.Describe line.
template<class T>
class TClassInfoBuilder
{
public:
    explicit TClassInfoBuilder(TClassInfo &info)
        : m_info(info)
    { }

    // The JSON member of a property, where it is not the property name with a lower first
    // letter.
    TClassInfoBuilder &JsonName(const char *property, const char *jsonName)
    {
        TMemberInfo *member = m_info.FindOwnMember(QString::fromLatin1(property));
        Q_ASSERT_X(member, "JsonName", property);
        if (member)
            member->SetJsonName(QString::fromLatin1(jsonName));
        return *this;
    }

    // A property reached through accessors (a getter, and a setter with behaviour, or none for
    // a read-only property). A data member of the same name stays the JSON field and stops
    // being the property.
    template<auto Getter, auto Setter = nullptr>
    TClassInfoBuilder &Property(const char *name)
    {
        using V = std::remove_cvref_t<decltype((std::declval<const T &>().*Getter)())>;
        TMemberInfo::TAccess access;
        const TMemberKind kind = describeType<V>(access);
        static_assert(
            std::is_same_v<
                V,
                std::
                    int32_t> || std::is_same_v<V, std::int64_t> || std::is_same_v<V, double> || std::is_same_v<V, bool> || std::is_same_v<V, QString> || std::is_same_v<V, TSString> || std::is_same_v<V, TDateTime>,
            "an accessor property holds a plain value");
        access.Getter = &getterThunk<Getter, T>;
        if constexpr (!std::is_same_v<decltype(Setter), std::nullptr_t>)
            access.Setter = &setterThunk<Setter, T, V>;
        const QString propertyName = QString::fromLatin1(name);
        QString jsonName = propertyName;
        jsonName[0] = jsonName.at(0).toLower();
        if (TMemberInfo *field = m_info.FindOwnMember(propertyName))
            field->SetRoles(true, false);
        m_info.AddMember(std::make_unique<TMemberInfo>(propertyName, jsonName, kind, access))
            .SetRoles(false, true);
        return *this;
    }

private:
    TClassInfo &m_info;
};

template<class T, class TCustomise = std::nullptr_t>
TClassInfo Build(const char *name, TCustomise customise = nullptr)
{
    namespace describe = boost::describe;
    using Bases = describe::describe_bases<T, describe::mod_any_access>;
    static_assert(boost::mp11::mp_size<Bases>::value == 1,
                  "a wire class names exactly one base in its Boost.Describe line");
    using Base = typename boost::mp11::mp_front<Bases>::type;
    static_assert(std::is_base_of_v<TSerializeObject, Base>);

    TClassInfo::TFactory factory = nullptr;
    if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>)
        factory = []() -> std::unique_ptr<TSerializeObject> { return std::make_unique<T>(); };
    TClassInfo info(QString::fromLatin1(name), &Base::StaticClassInfo(), factory);
    boost::mp11::mp_for_each<describe::describe_members<T, describe::mod_any_access>>(
        [&info](auto d) { addDataMember<T, decltype(d)>(info); });
    if constexpr (!std::is_same_v<TCustomise, std::nullptr_t>) {
        TClassInfoBuilder<T> builder(info);
        customise(builder);
    }
    info.Finish();
    return info;
}

} // namespace ClassInfoBuild

// In a wire class's .cpp: its description, built once on first use, the accessor that every
// object of the class answers with, and its registration by name from start-up on.
#define ZUNTA_DEFINE_CLASS(ClassName, ...)                                                         \
    ZUNTA_DEFINE_CLASS_UNREGISTERED(ClassName __VA_OPT__(, ) __VA_ARGS__)                          \
    namespace {                                                                                    \
    const TClassRegistration zuntaRegistration##ClassName(ClassName::StaticClassInfo());           \
    }

// ZUNTA_DEFINE_CLASS without the registration: for the test stand-ins of classes of later
// subsystems, which a test registers (TClassRegistration) only while it runs, so that the other
// tests see the class missing as a program without that subsystem does.
#define ZUNTA_DEFINE_CLASS_UNREGISTERED(ClassName, ...)                                            \
    const TClassInfo &ClassName::StaticClassInfo()                                                 \
    {                                                                                              \
        static const TClassInfo info                                                               \
            = ClassInfoBuild::Build<ClassName>(#ClassName __VA_OPT__(, ) __VA_ARGS__);             \
        return info;                                                                               \
    }                                                                                              \
    const TClassInfo &ClassName::ClassInfo() const                                                 \
    {                                                                                              \
        return StaticClassInfo();                                                                  \
    }

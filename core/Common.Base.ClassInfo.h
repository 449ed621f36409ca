#pragma once

#include "Common.Base.Types.h"
#include "DateTime.h"

#include <QString>
#include <QStringView>

#include <any>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The run-time description of the wire classes (every TSerializeObject descendant) and the class
// registry. One TClassInfo per class, built once from the class's Boost.Describe line (see
// Common.Base.ClassInfo.Build.h): its name as the system spells it, its base, a factory and its
// members in declaration order. The JSON mapping, the table copying and the control binding all
// work from it, for every class at once.

class TSerializeObject;
class TClassInfo;

enum class TMemberKind : std::uint8_t {
    Int32,
    Int64,
    Double,
    Boolean,
    String,
    SString,
    DateTime,
    Enum, // written as its identifier
    Object, // std::unique_ptr<T>, T a wire class; null is a missing object
    ListInt64, // std::unique_ptr<TListInt64>
    ListString, // std::unique_ptr<TListString>
    ListObject, // std::unique_ptr<TObjectList<T>>
};

// One property value, for code that treats every property alike (tables, copying, clearing). An
// enumeration's value is its identifier; objects and lists have no value of this kind.
using TValue = std::
    variant<std::monostate, bool, std::int32_t, std::int64_t, double, QString, TSString, TDateTime>;

struct TEnumerator
{
    QString Name;
    std::string NameUtf8;
    std::int64_t Value = 0;
};

// One member of a wire class: a field that travels in JSON, a property that tables and controls
// reach by name, or (the usual case) both at once: a public data member named as the property.
class TMemberInfo
{
public:
    // How the member is reached. A plain data member has Address; a property with behaviour
    // (NameClass, AsJson) has Getter and, when writable, Setter. The Ops pointers serve the kinds
    // whose C++ type depends on a class or an enumeration.
    struct TAccess
    {
        void *(*Address)(TSerializeObject &object) = nullptr;
        TValue (*Getter)(const TSerializeObject &object) = nullptr;
        void (*Setter)(TSerializeObject &object, const TValue &value) = nullptr;

        TSerializeObject *(*GetObject)(const void *field) = nullptr;
        void (*SetObject)(void *field, std::unique_ptr<TSerializeObject> value) = nullptr;
        bool (*ListExists)(const void *field) = nullptr;
        void (*ListReset)(void *field, bool exists, std::size_t reserve) = nullptr;
        std::size_t (*ListCount)(const void *field) = nullptr;
        TSerializeObject *(*ListItem)(const void *field, std::size_t index) = nullptr;
        void (*ListAppend)(void *field, std::unique_ptr<TSerializeObject> item) = nullptr;
        std::int64_t (*GetEnum)(const void *field) = nullptr;
        void (*SetEnum)(void *field, std::int64_t value) = nullptr;

        const TClassInfo &(*ElementClass)() = nullptr;
        const std::vector<TEnumerator> *Enumerators = nullptr;
    };

    TMemberInfo(QString name, QString jsonName, TMemberKind kind, const TAccess &access);

    // The property name ("IdOwner"): tables, controls and copying.
    const QString &Name() const { return m_name; }
    // The JSON member name ("idOwner").
    const QString &JsonName() const { return m_jsonName; }
    TMemberKind Kind() const { return m_kind; }
    // The name of the member's type as the name rules compare it: "Integer", "Int64", "Double",
    // "Boolean", "string", "TSString", "TDateTime"; a class name for a nested object.
    QString TypeName() const;
    // Nested objects and every kind of list: no value, no column.
    bool IsObject() const { return m_kind >= TMemberKind::Object; }
    bool CanWrite() const { return m_access.Address || m_access.Setter; }
    bool IsField() const { return m_isField; }
    bool IsProperty() const { return m_isProperty; }
    // The class of a nested object or of the elements of an object list; null otherwise.
    const TClassInfo *ElementClass() const;
    // The identifiers of an enumeration; null otherwise.
    const std::vector<TEnumerator> *Enumerators() const { return m_access.Enumerators; }

    // The value by kind (the empty value for objects and lists).
    TValue GetValue(const TSerializeObject &object) const;
    // Stores a value of the member's kind; whole numbers, floating numbers, dates and the two text
    // kinds convert among themselves, an enumeration takes its identifier. Anything else raises
    // EInvalidCast; the empty value (std::monostate) stores 0, false or the empty text.
    void SetValue(TSerializeObject &object, const TValue &value) const;

    // The storage of a plain data member; null for a property reached through accessors. Ref
    // gives it typed: V must be the member's own C++ type.
    void *Address(TSerializeObject &object) const
    {
        return m_access.Address ? m_access.Address(object) : nullptr;
    }
    const void *Address(const TSerializeObject &object) const
    {
        return Address(const_cast<TSerializeObject &>(object));
    }
    template<class V>
    V &Ref(TSerializeObject &object) const
    {
        return *static_cast<V *>(Address(object));
    }
    template<class V>
    const V &Ref(const TSerializeObject &object) const
    {
        return *static_cast<const V *>(Address(object));
    }

    // Nested objects (Object) and object lists (ListObject). A list that does not exist (null in
    // JSON) counts 0 items.
    TSerializeObject *GetObject(const TSerializeObject &object) const;
    void SetObject(TSerializeObject &object, std::unique_ptr<TSerializeObject> value) const;
    bool ListExists(const TSerializeObject &object) const;
    std::size_t ListCount(const TSerializeObject &object) const;
    TSerializeObject *ListItem(const TSerializeObject &object, std::size_t index) const;

    // The access functions, for the JSON reader and writer.
    const TAccess &Access() const { return m_access; }
    // The member's name as JSON text with quotes and colon ("\"idOwner\":"), and in lower case
    // for the case-blind match of reply members.
    const std::string &JsonKey() const { return m_jsonKey; }
    const std::string &FoldedJsonName() const { return m_foldedJsonName; }
    const std::string &JsonNameUtf8() const { return m_jsonNameUtf8; }

    // Set while the class description is built.
    void SetJsonName(const QString &jsonName);
    void SetRoles(bool isField, bool isProperty)
    {
        m_isField = isField;
        m_isProperty = isProperty;
    }

private:
    QString m_name;
    QString m_jsonName;
    TMemberKind m_kind;
    TAccess m_access;
    std::string m_jsonKey;
    std::string m_jsonNameUtf8;
    std::string m_foldedJsonName;
    bool m_isField = true;
    bool m_isProperty = true;
};

class TClassInfo
{
public:
    using TFactory = std::unique_ptr<TSerializeObject> (*)();

    TClassInfo(QString name, const TClassInfo *base, TFactory factory);
    TClassInfo(TClassInfo &&) = default;
    TClassInfo(const TClassInfo &) = delete;
    TClassInfo &operator=(const TClassInfo &) = delete;

    // The class name as the system spells it ("TListaSistemaEntity").
    const QString &Name() const { return m_name; }
    const TClassInfo *Base() const { return m_base; }
    // A new object of the class (through its constructor); null for a class that cannot be
    // created on its own.
    std::unique_ptr<TSerializeObject> Create() const { return m_factory ? m_factory() : nullptr; }
    bool InheritsFrom(const TClassInfo &other) const;

    // The JSON fields: the class's own in declaration order, then each base's up to the root.
    const std::vector<const TMemberInfo *> &Fields() const { return m_fields; }
    // The properties in the same order (the root's AsJson and NameClass last).
    const std::vector<const TMemberInfo *> &Properties() const { return m_properties; }
    // The members this class itself declares.
    const std::vector<std::unique_ptr<TMemberInfo>> &OwnMembers() const { return m_own; }

    // A field by its JSON member name, without regard to (ASCII) letter case; null when none.
    // The hint is the position to try first: readers pass the position after the last match,
    // since replies mostly list members in field order.
    const TMemberInfo *FindField(std::string_view jsonName, std::size_t *hint = nullptr) const;
    // A property by name, without regard to letter case; null when none.
    const TMemberInfo *FindProperty(QStringView name) const;

    // Set while the description is built: members in declaration order, then Finish once.
    TMemberInfo &AddMember(std::unique_ptr<TMemberInfo> member);
    TMemberInfo *FindOwnMember(QStringView name);
    void Finish();

private:
    QString m_name;
    const TClassInfo *m_base = nullptr;
    TFactory m_factory = nullptr;
    std::vector<std::unique_ptr<TMemberInfo>> m_own;
    std::vector<const TMemberInfo *> m_fields;
    std::vector<const TMemberInfo *> m_properties;
};

// The class registry: classes registered by name at start-up and found by name later (the menu
// opens windows by class name, a lookup creates a presenter of a later subsystem). It holds wire
// classes (with their TClassInfo, whose factory creates them) and any other class through a
// factory of the registering unit's choosing, kept as it is given: FindFactory hands it back only
// to a caller asking for the same factory type. Names are found without regard to case, as the
// original platform finds them.
class TClassRegistry
{
public:
    static void RegisterClass(const TClassInfo &info);
    template<class TFactoryType>
    static void RegisterFactory(const QString &name, TFactoryType factory)
    {
        registerEntry(name, nullptr, std::any(std::move(factory)));
    }
    // Removes every class registered under the name.
    static void UnRegisterClass(const QString &name);

    static bool IsRegistered(const QString &name);
    // The wire class registered under the name; null when none.
    static const TClassInfo *FindClass(const QString &name);
    // The factory registered under the name; an empty factory when none or of another type.
    template<class TFactoryType>
    static TFactoryType FindFactory(const QString &name)
    {
        const std::shared_ptr<const std::any> entry = findFactoryEntry(name);
        if (const auto *factory = entry ? std::any_cast<TFactoryType>(entry.get()) : nullptr)
            return *factory;
        return TFactoryType {};
    }
    static QStringList RegisteredNames();

private:
    friend class TClassRegistration;

    // The entry's serial number, by which its registration removes exactly this entry.
    static std::uint64_t
    registerEntry(const QString &name, const TClassInfo *info, std::any factory);
    static void removeEntry(const QString &name, std::uint64_t serial);
    static std::shared_ptr<const std::any> findFactoryEntry(const QString &name);
};

// Registers a class for as long as the object lives: at namespace scope, from start-up to the end
// of the program, as the units of the original register their classes; in a test, for that test.
// A registration under a name already registered stands in for the earlier class until it ends,
// and the earlier class is found again afterwards.
class TClassRegistration
{
public:
    explicit TClassRegistration(const TClassInfo &info);
    template<class TFactoryType>
    TClassRegistration(const QString &name, TFactoryType factory)
        : m_name(name)
        , m_serial(TClassRegistry::registerEntry(name, nullptr, std::any(std::move(factory))))
    { }
    ~TClassRegistration();
    TClassRegistration(const TClassRegistration &) = delete;
    TClassRegistration &operator=(const TClassRegistration &) = delete;

private:
    QString m_name;
    std::uint64_t m_serial = 0;
};

// Inside a wire class's declaration: its description accessors, defined by ZUNTA_DEFINE_CLASS in
// the class's .cpp (which also registers the class by name). Leaves the class in its public
// section.
#define ZUNTA_CLASS(ClassName)                                                                     \
public:                                                                                            \
    static const TClassInfo &StaticClassInfo();                                                    \
    const TClassInfo &ClassInfo() const override;                                                  \
                                                                                                   \
public:

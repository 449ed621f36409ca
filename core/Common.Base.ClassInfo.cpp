#include "Common.Base.ClassInfo.h"

#include "Common.Base.ClassInfo.Visit.h"

#include "Common.Base.Serialize.h"
#include "JsonWriter.h"
#include "SysUtils.h"

#include <QHash>

#include <cmath>
#include <limits>
#include <mutex>

namespace {

[[noreturn]] void raiseInvalidCast()
{
    throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

std::string foldAscii(std::string_view text)
{
    std::string folded(text);
    for (char &c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return folded;
}

inline bool equalsFolded(std::string_view text, const std::string &folded)
{
    if (text.size() != folded.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
        if (c != folded[i])
            return false;
    }
    return true;
}

std::int64_t toInt64(const TValue &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return 0;
    if (const auto *v = std::get_if<std::int32_t>(&value))
        return *v;
    if (const auto *v = std::get_if<std::int64_t>(&value))
        return *v;
    raiseInvalidCast();
}

double toDouble(const TValue &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return 0;
    if (const auto *v = std::get_if<std::int32_t>(&value))
        return *v;
    if (const auto *v = std::get_if<std::int64_t>(&value))
        return double(*v);
    if (const auto *v = std::get_if<double>(&value))
        return *v;
    if (const auto *v = std::get_if<TDateTime>(&value))
        return v->Value();
    raiseInvalidCast();
}

QString toText(const TValue &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return QString();
    if (const auto *v = std::get_if<QString>(&value))
        return *v;
    if (const auto *v = std::get_if<TSString>(&value))
        return *v;
    raiseInvalidCast();
}

std::int64_t toEnum(const TValue &value, const std::vector<TEnumerator> &enumerators)
{
    if (std::holds_alternative<std::monostate>(value))
        return enumerators.empty() ? 0 : enumerators.front().Value;
    if (std::holds_alternative<QString>(value)) {
        const QString &name = std::get<QString>(value);
        for (const TEnumerator &e : enumerators) {
            if (e.Name.compare(name, Qt::CaseInsensitive) == 0)
                return e.Value;
        }
        raiseInvalidCast();
    }
    const std::int64_t number = toInt64(value);
    for (const TEnumerator &e : enumerators) {
        if (e.Value == number)
            return number;
    }
    raiseInvalidCast();
}

// A value converted to a plain kind's C++ type.
std::int32_t coerceTo(std::type_identity<std::int32_t>, const TValue &value)
{
    const std::int64_t v = toInt64(value);
    if (v < std::numeric_limits<std::int32_t>::min()
        || v > std::numeric_limits<std::int32_t>::max())
        raiseInvalidCast();
    return std::int32_t(v);
}

std::int64_t coerceTo(std::type_identity<std::int64_t>, const TValue &value)
{
    return toInt64(value);
}

double coerceTo(std::type_identity<double>, const TValue &value)
{
    return toDouble(value);
}

TDateTime coerceTo(std::type_identity<TDateTime>, const TValue &value)
{
    return TDateTime(toDouble(value));
}

bool coerceTo(std::type_identity<bool>, const TValue &value)
{
    if (std::holds_alternative<std::monostate>(value))
        return false;
    if (const auto *v = std::get_if<bool>(&value))
        return *v;
    raiseInvalidCast();
}

QString coerceTo(std::type_identity<QString>, const TValue &value)
{
    return toText(value);
}

TSString coerceTo(std::type_identity<TSString>, const TValue &value)
{
    return TSString(toText(value));
}

// The value in the one alternative that belongs to the kind (an enumeration's number).
TValue coerce(TMemberKind kind, const TValue &value, const std::vector<TEnumerator> *enumerators)
{
    return VisitMemberKind(kind, [&](auto visited) -> TValue {
        using K = decltype(visited);
        if constexpr (K::IsValue)
            return coerceTo(std::type_identity<typename K::Type>(), value);
        else if constexpr (K::Kind == TMemberKind::Enum)
            return toEnum(value, *enumerators);
        else
            raiseInvalidCast();
    });
}

QString enumName(std::int64_t value, const std::vector<TEnumerator> &enumerators)
{
    for (const TEnumerator &e : enumerators) {
        if (e.Value == value)
            return e.Name;
    }
    return QString::number(value);
}

} // namespace

TMemberInfo::TMemberInfo(QString name, QString jsonName, TMemberKind kind, const TAccess &access)
    : m_name(std::move(name))
    , m_kind(kind)
    , m_access(access)
{
    SetJsonName(jsonName);
}

void TMemberInfo::SetJsonName(const QString &jsonName)
{
    m_jsonName = jsonName;
    m_jsonKey = TJsonWriter::Quote(jsonName) + ':';
    m_jsonNameUtf8 = jsonName.toStdString();
    m_foldedJsonName = foldAscii(m_jsonNameUtf8);
}

QString TMemberInfo::TypeName() const
{
    return VisitMemberKind(m_kind, [this](auto visited) -> QString {
        using K = decltype(visited);
        if constexpr (K::Kind == TMemberKind::Object)
            return ElementClass()->Name();
        else if constexpr (K::Kind == TMemberKind::ListObject)
            return QStringLiteral("TObjectList<%1>").arg(ElementClass()->Name());
        else
            return QString::fromLatin1(K::TypeName);
    });
}

const TClassInfo *TMemberInfo::ElementClass() const
{
    return m_access.ElementClass ? &m_access.ElementClass() : nullptr;
}

TValue TMemberInfo::GetValue(const TSerializeObject &object) const
{
    if (m_access.Getter)
        return m_access.Getter(object);
    const void *field = Address(object);
    return VisitMemberKind(m_kind, [&](auto visited) -> TValue {
        using K = decltype(visited);
        if constexpr (K::IsValue)
            return *static_cast<const typename K::Type *>(field);
        else if constexpr (K::Kind == TMemberKind::Enum)
            return enumName(m_access.GetEnum(field), *m_access.Enumerators);
        else
            return std::monostate();
    });
}

void TMemberInfo::SetValue(TSerializeObject &object, const TValue &value) const
{
    if (IsObject())
        raiseInvalidCast();
    const TValue stored = coerce(m_kind, value, m_access.Enumerators);
    if (!m_access.Address) {
        if (!m_access.Setter)
            throw EInvalidCast(QStringLiteral("Property %1 is read-only").arg(m_name));
        m_access.Setter(object, stored);
        return;
    }
    void *field = m_access.Address(object);
    VisitMemberKind(m_kind, [&](auto visited) {
        using K = decltype(visited);
        if constexpr (K::IsValue)
            *static_cast<typename K::Type *>(field) = std::get<typename K::Type>(stored);
        else if constexpr (K::Kind == TMemberKind::Enum)
            m_access.SetEnum(field, std::get<std::int64_t>(stored));
    });
}

TSerializeObject *TMemberInfo::GetObject(const TSerializeObject &object) const
{
    if (m_kind != TMemberKind::Object)
        return nullptr;
    return m_access.GetObject(Address(object));
}

void TMemberInfo::SetObject(TSerializeObject &object, std::unique_ptr<TSerializeObject> value) const
{
    if (m_kind != TMemberKind::Object)
        raiseInvalidCast();
    if (value && !value->ClassInfo().InheritsFrom(*ElementClass()))
        raiseInvalidCast();
    m_access.SetObject(Address(object), std::move(value));
}

bool TMemberInfo::ListExists(const TSerializeObject &object) const
{
    const void *field = Address(object);
    return VisitMemberKind(m_kind, [&](auto visited) {
        using K = decltype(visited);
        if constexpr (K::IsScalarList)
            return bool(*static_cast<const typename K::Type *>(field));
        else if constexpr (K::Kind == TMemberKind::ListObject)
            return m_access.ListExists(field);
        else
            return false;
    });
}

std::size_t TMemberInfo::ListCount(const TSerializeObject &object) const
{
    if (!ListExists(object))
        return 0;
    const void *field = Address(object);
    return VisitMemberKind(m_kind, [&](auto visited) -> std::size_t {
        using K = decltype(visited);
        if constexpr (K::IsScalarList)
            return std::size_t((*static_cast<const typename K::Type *>(field))->size());
        else if constexpr (K::Kind == TMemberKind::ListObject)
            return m_access.ListCount(field);
        else
            return 0;
    });
}

TSerializeObject *TMemberInfo::ListItem(const TSerializeObject &object, std::size_t index) const
{
    if (m_kind != TMemberKind::ListObject || index >= ListCount(object))
        return nullptr;
    return m_access.ListItem(Address(object), index);
}

TClassInfo::TClassInfo(QString name, const TClassInfo *base, TFactory factory)
    : m_name(std::move(name))
    , m_base(base)
    , m_factory(factory)
{ }

bool TClassInfo::InheritsFrom(const TClassInfo &other) const
{
    for (const TClassInfo *c = this; c; c = c->m_base) {
        if (c == &other)
            return true;
    }
    return false;
}

const TMemberInfo *TClassInfo::FindField(std::string_view jsonName, std::size_t *hint) const
{
    const std::size_t count = m_fields.size();
    // Replies mostly spell the names as we do and list them in field order: try that first.
    if (hint && *hint < count) {
        const TMemberInfo *expected = m_fields[*hint];
        if (jsonName == expected->JsonNameUtf8()
            || equalsFolded(jsonName, expected->FoldedJsonName())) {
            ++*hint;
            return expected;
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (equalsFolded(jsonName, m_fields[i]->FoldedJsonName())) {
            if (hint)
                *hint = i + 1;
            return m_fields[i];
        }
    }
    return nullptr;
}

const TMemberInfo *TClassInfo::FindProperty(QStringView name) const
{
    for (const TMemberInfo *member : m_properties) {
        if (member->Name().compare(name, Qt::CaseInsensitive) == 0)
            return member;
    }
    return nullptr;
}

TMemberInfo &TClassInfo::AddMember(std::unique_ptr<TMemberInfo> member)
{
    m_own.push_back(std::move(member));
    return *m_own.back();
}

TMemberInfo *TClassInfo::FindOwnMember(QStringView name)
{
    for (const auto &member : m_own) {
        if (member->Name() == name)
            return member.get();
    }
    return nullptr;
}

void TClassInfo::Finish()
{
    m_fields.clear();
    m_properties.clear();
    for (const auto &member : m_own) {
        if (member->IsField())
            m_fields.push_back(member.get());
        if (member->IsProperty())
            m_properties.push_back(member.get());
    }
    if (m_base) {
        m_fields.insert(m_fields.end(), m_base->m_fields.begin(), m_base->m_fields.end());
        m_properties.insert(
            m_properties.end(), m_base->m_properties.begin(), m_base->m_properties.end());
    }
}

namespace {

struct TRegistryEntry
{
    QString Name;
    const TClassInfo *Info = nullptr;
    std::shared_ptr<const std::any> Factory;
};

struct TRegistry
{
    std::mutex Mutex;
    QHash<QString, TRegistryEntry> Entries; // by the name in lower case
};

TRegistry &registry()
{
    static TRegistry instance;
    return instance;
}

} // namespace

void TClassRegistry::RegisterClass(const TClassInfo &info)
{
    registerEntry(info.Name(), &info, std::any());
}

void TClassRegistry::registerEntry(const QString &name, const TClassInfo *info, std::any factory)
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    TRegistryEntry entry;
    entry.Name = name;
    entry.Info = info;
    if (factory.has_value())
        entry.Factory = std::make_shared<const std::any>(std::move(factory));
    r.Entries.insert(name.toLower(), std::move(entry));
}

void TClassRegistry::UnRegisterClass(const QString &name)
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    r.Entries.remove(name.toLower());
}

bool TClassRegistry::IsRegistered(const QString &name)
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    return r.Entries.contains(name.toLower());
}

const TClassInfo *TClassRegistry::FindClass(const QString &name)
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    const auto it = r.Entries.constFind(name.toLower());
    return it == r.Entries.cend() ? nullptr : it->Info;
}

std::shared_ptr<const std::any> TClassRegistry::findFactoryEntry(const QString &name)
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    const auto it = r.Entries.constFind(name.toLower());
    return it == r.Entries.cend() ? nullptr : it->Factory;
}

QStringList TClassRegistry::RegisteredNames()
{
    TRegistry &r = registry();
    std::lock_guard lock(r.Mutex);
    QStringList names;
    for (const TRegistryEntry &entry : std::as_const(r.Entries))
        names.append(entry.Name);
    names.sort();
    return names;
}

TClassRegistration::TClassRegistration(const TClassInfo &info)
    : m_name(info.Name())
{
    TClassRegistry::RegisterClass(info);
}

TClassRegistration::~TClassRegistration()
{
    TClassRegistry::UnRegisterClass(m_name);
}

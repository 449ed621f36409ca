#include "Common.Base.Serialize.h"

#include "Common.Lib.JSON.h"
#include "SysUtils.h"

TArrayMapper::~TArrayMapper() = default;

TSerializeObject::~TSerializeObject() = default;

struct TSerializeObjectAccess
{
    static TValue nameClass(const TSerializeObject &object) { return object.NameClass(); }
    // The JSON field: a reply may put any text there.
    static void setNameClassField(TSerializeObject &object, const TValue &value)
    {
        object.FNameClass = std::get<QString>(value);
        object.m_hasNameClass = true;
    }
    static void setNameClass(TSerializeObject &object, const TValue &value)
    {
        object.SetNameClass(std::get<QString>(value));
    }
    static TValue asJson(const TSerializeObject &object) { return object.AsJson(); }
    static void setAsJson(TSerializeObject &object, const TValue &value)
    {
        object.SetAsJson(std::get<QString>(value));
    }
};

const TClassInfo &TSerializeObject::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo c(QStringLiteral("TSerializeObject"), nullptr, [] {
            return std::make_unique<TSerializeObject>();
        });
        const auto nameClass = QStringLiteral("NameClass");
        const auto jsonName = QStringLiteral("nameClass");

        // The properties come after the fields of every class: AsJson, then NameClass.
        TMemberInfo::TAccess asJson;
        asJson.Getter = &TSerializeObjectAccess::asJson;
        asJson.Setter = &TSerializeObjectAccess::setAsJson;
        c
            .AddMember(std::make_unique<TMemberInfo>(
                QStringLiteral("AsJson"), QStringLiteral("asJson"), TMemberKind::String, asJson))
            .SetRoles(false, true);

        TMemberInfo::TAccess property;
        property.Getter = &TSerializeObjectAccess::nameClass;
        property.Setter = &TSerializeObjectAccess::setNameClass;
        c.AddMember(
             std::make_unique<TMemberInfo>(nameClass, jsonName, TMemberKind::String, property))
            .SetRoles(false, true);

        TMemberInfo::TAccess field;
        field.Getter = &TSerializeObjectAccess::nameClass;
        field.Setter = &TSerializeObjectAccess::setNameClassField;
        c.AddMember(std::make_unique<TMemberInfo>(nameClass, jsonName, TMemberKind::String, field))
            .SetRoles(true, false);
        c.Finish();
        return c;
    }();
    return info;
}

const TClassInfo &TSerializeObject::ClassInfo() const
{
    return StaticClassInfo();
}

QString TSerializeObject::AsJson() const
{
    return TDravikJson::ObjectToJson(this);
}

void TSerializeObject::SetAsJson(const QString &json)
{
    TDravikJson::JsonStringToObject(json, *this);
}

QString TSerializeObject::NameClass() const
{
    return m_hasNameClass ? FNameClass : ClassInfo().Name();
}

void TSerializeObject::SetNameClass(const QString &)
{
    FNameClass.clear();
    m_hasNameClass = false;
}

QString TSerializeObject::PrettyPrintJSON(const QString &json)
{
    return TDravikJson::PrettyPrintJSON(json);
}

#include "Common.Base.Entity.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TBaseEntity)

void TBaseEntity::Clear()
{
    for (const TMemberInfo *property : ClassInfo().Properties()) {
        if (!property->CanWrite() || property->IsObject()
            || property->Name().compare(QLatin1String("ASJSON"), Qt::CaseInsensitive) == 0)
            continue;
        switch (property->Kind()) {
        case TMemberKind::Int32:
        case TMemberKind::Int64:
        case TMemberKind::Double:
        case TMemberKind::DateTime:
        case TMemberKind::String:
        case TMemberKind::Boolean:
            // The empty value is 0, the empty text or false by kind; NameClass's setter puts the
            // class name back.
            property->SetValue(*this, std::monostate());
            break;
        case TMemberKind::SString:
        case TMemberKind::Enum:
        default:
            break;
        }
    }
    AfterClear();
}

void TBaseEntity::AfterClear() { }

#include "Common.Base.Entity.h"

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.ClassInfo.Visit.h"

ZUNTA_DEFINE_CLASS(TBaseEntity)

void TBaseEntity::Clear()
{
    for (const TMemberInfo *property : ClassInfo().Properties()) {
        if (!property->CanWrite() || property->IsObject()
            || property->Name().compare(QLatin1String("ASJSON"), Qt::CaseInsensitive) == 0)
            continue;
        VisitMemberKind(property->Kind(), [&](auto visited) {
            using K = decltype(visited);
            // The empty value is 0, the empty text or false by kind; NameClass's setter puts the
            // class name back. Pictures (TSString) and enumerations keep their values.
            if constexpr (K::IsValue && K::Kind != TMemberKind::SString)
                property->SetValue(*this, std::monostate());
        });
    }
    AfterClear();
}

void TBaseEntity::AfterClear() { }

#include "Common.ComplexPost.Carencia.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TCarenciaComplexPost)

namespace {

template<class T>
void empty(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TCarenciaComplexPost::AfterClear()
{
    TCarenciaEntity::AfterClear();
    empty(RemoveItemCarencias);
    empty(ItemCarencias);
}

#include "Common.ComplexPost.Servico.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TServicoComplexPost)

namespace {

template<class T>
void emptyServicoList(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TServicoComplexPost::AfterClear()
{
    TServicoEntity::AfterClear();
    emptyServicoList(ValorServicos);
    emptyServicoList(CarenciaServicos);
    emptyServicoList(ItemKitServicos);
    emptyServicoList(RemoveValorServicos);
    emptyServicoList(RemoveCarenciaServicos);
    emptyServicoList(RemoveItemKitServicos);
}

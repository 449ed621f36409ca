#include "Common.ComplexPost.Convenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TConvenioComplexPost)

namespace {

template<class T>
void emptyConvenioList(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TConvenioComplexPost::AfterClear()
{
    TConvenioEntity::AfterClear();
    emptyConvenioList(ProfissionalConvenios);
    emptyConvenioList(RemoveProfissionalConvenios);
    emptyConvenioList(RemoveServicoConvenios);
    emptyConvenioList(ServicoConvenios);
}

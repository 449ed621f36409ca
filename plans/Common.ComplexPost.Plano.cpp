#include "Common.ComplexPost.Plano.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TPlanoComplexPost)

namespace {

template<class T>
void emptyPlanoList(std::unique_ptr<T> &list)
{
    if (list)
        list->clear();
    else
        list = std::make_unique<T>();
}

} // namespace

void TPlanoComplexPost::AfterClear()
{
    TPlanoEntity::AfterClear();
    emptyPlanoList(ValorPlanos);
    emptyPlanoList(ServicoPlanos);
    emptyPlanoList(DependentePlanos);
    emptyPlanoList(CarenciaPlanos);
    emptyPlanoList(FaixaEtariaPlanos);
    emptyPlanoList(AdicionalContratoPlanos);
    emptyPlanoList(ConvenioPlanos);
    emptyPlanoList(VendedorPlanos);
    emptyPlanoList(RemoveValorPlanos);
    emptyPlanoList(RemoveServicoPlanos);
    emptyPlanoList(RemoveDependentePlanos);
    emptyPlanoList(RemoveCarenciaPlanos);
    emptyPlanoList(RemoveFaixaEtariaPlanos);
    emptyPlanoList(RemoveAdicionalContratoPlanos);
    emptyPlanoList(RemoveConvenioPlanos);
    emptyPlanoList(RemoveVendedorPlanos);
}

#include "Common.ComplexPost.ProfissionalConvenio.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TProfissionalConvenioComplexPost)

void TProfissionalConvenioComplexPost::AfterClear()
{
    TProfissionalConvenioEntity::AfterClear();
    if (RemoveEspecialidadeProfissionalConvenios)
        RemoveEspecialidadeProfissionalConvenios->clear();
    else
        RemoveEspecialidadeProfissionalConvenios = std::make_unique<TListInt64>();
    if (EspecialidadeProfissionalConvenios)
        EspecialidadeProfissionalConvenios->clear();
    else
        EspecialidadeProfissionalConvenios
            = std::make_unique<TObjectList<TEspecialidadeProfissionalConvenioEntity>>();
}

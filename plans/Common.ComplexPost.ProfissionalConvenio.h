#pragma once

#include "Common.Entity.EspecialidadeProfissionalConvenio.h"
#include "Common.Entity.ProfissionalConvenio.h"

#include <memory>

// One professional of an agreement's aggregate body, carrying his or her specialties and the ids
// of stored specialty rows removed in the window. Both lists exist from the start.
class TProfissionalConvenioComplexPost final : public TProfissionalConvenioEntity
{
    ZUNTA_CLASS(TProfissionalConvenioComplexPost)

    std::unique_ptr<TListInt64> RemoveEspecialidadeProfissionalConvenios
        = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TEspecialidadeProfissionalConvenioEntity>>
        EspecialidadeProfissionalConvenios
        = std::make_unique<TObjectList<TEspecialidadeProfissionalConvenioEntity>>();

    // Empties both lists; a list a reply left null is created again.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(TProfissionalConvenioComplexPost,
                      (TProfissionalConvenioEntity),
                      (RemoveEspecialidadeProfissionalConvenios,
                       EspecialidadeProfissionalConvenios))

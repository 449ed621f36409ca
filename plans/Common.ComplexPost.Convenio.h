#pragma once

#include "Common.ComplexPost.ProfissionalConvenio.h"
#include "Common.Entity.Convenio.h"
#include "Common.Entity.ServicoConvenio.h"

#include <memory>

// The aggregate body of an agreement saved with its children (POST /convenio/complex): every
// professional with his or her specialties, every service, and the ids of stored professionals
// and services removed in the window (removed specialties travel inside the first professional).
// The four lists exist from the start.
class TConvenioComplexPost final : public TConvenioEntity
{
    ZUNTA_CLASS(TConvenioComplexPost)

    std::unique_ptr<TObjectList<TProfissionalConvenioComplexPost>> ProfissionalConvenios
        = std::make_unique<TObjectList<TProfissionalConvenioComplexPost>>();
    std::unique_ptr<TListInt64> RemoveProfissionalConvenios = std::make_unique<TListInt64>();
    std::unique_ptr<TListInt64> RemoveServicoConvenios = std::make_unique<TListInt64>();
    std::unique_ptr<TObjectList<TServicoConvenioEntity>> ServicoConvenios
        = std::make_unique<TObjectList<TServicoConvenioEntity>>();

    // Empties the two id lists and the two child lists; a list a reply left null is created
    // again, so the next save still sends it.
    void AfterClear() override;
};
BOOST_DESCRIBE_STRUCT(
    TConvenioComplexPost,
    (TConvenioEntity),
    (ProfissionalConvenios, RemoveProfissionalConvenios, RemoveServicoConvenios, ServicoConvenios))

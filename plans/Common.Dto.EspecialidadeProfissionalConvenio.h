#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One specialty of a professional of an agreement, with the professional's and the specialty's
// names.
class TEspecialidadeProfissionalConvenioDto final : public TBaseDto
{
    ZUNTA_CLASS(TEspecialidadeProfissionalConvenioDto)

    std::int64_t IdProfissionalConvenio = 0;
    std::int64_t IdEspecialidade = 0;
    QString Profissional;
    QString Especialidade;
};
BOOST_DESCRIBE_STRUCT(TEspecialidadeProfissionalConvenioDto,
                      (TBaseDto),
                      (IdProfissionalConvenio, IdEspecialidade, Profissional, Especialidade))

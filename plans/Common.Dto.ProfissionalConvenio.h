#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One professional of an agreement, with his or her name and specialties (one text).
class TProfissionalConvenioDto final : public TBaseDto
{
    ZUNTA_CLASS(TProfissionalConvenioDto)

    std::int64_t IdPessoa = 0;
    QString Profissional;
    QString Especialidades;
};
BOOST_DESCRIBE_STRUCT(TProfissionalConvenioDto,
                      (TBaseDto),
                      (IdPessoa, Profissional, Especialidades))

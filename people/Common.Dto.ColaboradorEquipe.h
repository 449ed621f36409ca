#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One member of a team's member history, with the names of the staff member and of the end
// reason.
class TColaboradorEquipeDto final : public TBaseDto
{
    ZUNTA_CLASS(TColaboradorEquipeDto)

    std::int64_t IdEquipe = 0;
    std::int64_t IdColaborador = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    QString Motivo;
    QString Colaborador;
};
BOOST_DESCRIBE_STRUCT(
    TColaboradorEquipeDto,
    (TBaseDto),
    (IdEquipe, IdColaborador, IdMotivo, DataInicial, DataFinal, Motivo, Colaborador))

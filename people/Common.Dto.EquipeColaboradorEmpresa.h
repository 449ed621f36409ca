#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One team of an employment's team history, with the names of the team and of the end reason.
class TEquipeColaboradorEmpresaDto final : public TBaseDto
{
    ZUNTA_CLASS(TEquipeColaboradorEmpresaDto)

    std::int64_t IdColaboradorEmpresa = 0;
    std::int64_t IdEquipe = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
    QString Motivo;
    QString Equipe;
};
BOOST_DESCRIBE_STRUCT(
    TEquipeColaboradorEmpresaDto,
    (TBaseDto),
    (IdColaboradorEmpresa, IdEquipe, IdMotivo, DataInicial, DataFinal, Motivo, Equipe))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One employment of a staff member, with the names of its company and dismissal reason.
class TColaboradorEmpresaDto final : public TBaseDto
{
    ZUNTA_CLASS(TColaboradorEmpresaDto)

    std::int64_t IdEmpresa = 0;
    std::int64_t IdMotivo = 0;
    QString CodigoRegistro;
    TDateTime DataAdmissao;
    TDateTime DataDemissao;
    QString Motivo;
    QString Empresa;
};
BOOST_DESCRIBE_STRUCT(
    TColaboradorEmpresaDto,
    (TBaseDto),
    (IdEmpresa, IdMotivo, CodigoRegistro, DataAdmissao, DataDemissao, Motivo, Empresa))

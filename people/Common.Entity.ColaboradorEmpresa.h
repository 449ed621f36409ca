#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// An employment of a staff member in one of the companies, from admission to dismissal; IdMotivo
// is the dismissal reason.
class TColaboradorEmpresaEntity : public TBaseEntity
{
    ZUNTA_CLASS(TColaboradorEmpresaEntity)

    std::int64_t IdColaborador = 0;
    std::int64_t IdEmpresa = 0;
    std::int64_t IdMotivo = 0;
    QString CodigoRegistro;
    TDateTime DataAdmissao;
    TDateTime DataDemissao;
};
BOOST_DESCRIBE_STRUCT(
    TColaboradorEmpresaEntity,
    (TBaseEntity),
    (IdColaborador, IdEmpresa, IdMotivo, CodigoRegistro, DataAdmissao, DataDemissao))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A team an employee belonged to during an employment; IdMotivo is why the membership ended.
class TEquipeColaboradorEmpresaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TEquipeColaboradorEmpresaEntity)

    std::int64_t IdColaboradorEmpresa = 0;
    std::int64_t IdEquipe = 0;
    std::int64_t IdMotivo = 0;
    TDateTime DataInicial;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TEquipeColaboradorEmpresaEntity,
                      (TBaseEntity),
                      (IdColaboradorEmpresa, IdEquipe, IdMotivo, DataInicial, DataFinal))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// One step of an employment's function and salary history, valid from Data; ListaSalario is the
// row of the salary-type system list ("SALARIO"), IdMotivo the reason of the change.
class TFuncaoColaboradorEmpresaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFuncaoColaboradorEmpresaEntity)

    std::int64_t IdColaboradorEmpresa = 0;
    std::int64_t IdFuncao = 0;
    std::int64_t IdMotivo = 0;
    std::int64_t ListaSalario = 0;
    TDateTime Data;
    double Salario = 0;
};
BOOST_DESCRIBE_STRUCT(TFuncaoColaboradorEmpresaEntity,
                      (TBaseEntity),
                      (IdColaboradorEmpresa, IdFuncao, IdMotivo, ListaSalario, Data, Salario))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One step of an employment's function and salary history, with the texts of its reason,
// salary type (description and code) and function.
class TFuncaoColaboradorEmpresaDto final : public TBaseDto
{
    ZUNTA_CLASS(TFuncaoColaboradorEmpresaDto)

    std::int64_t IdColaboradorEmpresa = 0;
    std::int64_t IdFuncao = 0;
    std::int64_t IdMotivo = 0;
    std::int64_t ListaSalario = 0;
    TDateTime Data;
    double Salario = 0;
    QString Motivo;
    QString TipoSalario;
    QString CodigoTipoSalario;
    QString Funcao;
};
BOOST_DESCRIBE_STRUCT(TFuncaoColaboradorEmpresaDto,
                      (TBaseDto),
                      (IdColaboradorEmpresa,
                       IdFuncao,
                       IdMotivo,
                       ListaSalario,
                       Data,
                       Salario,
                       Motivo,
                       TipoSalario,
                       CodigoTipoSalario,
                       Funcao))

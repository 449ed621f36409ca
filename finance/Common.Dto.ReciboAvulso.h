#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One stand-alone receipt of the list, with the names of its person, town, type, company and
// of the user who registered it.
class TReciboAvulsoDto final : public TBaseDto
{
    ZUNTA_CLASS(TReciboAvulsoDto)

    std::int64_t IdPessoa = 0;
    std::int64_t IdMunicipio = 0;
    QString Descricao;
    std::int64_t ListaTipoRecibo = 0;
    QString Pessoa;
    QString Municipio;
    QString TipoRecibo;
    TDateTime DataCadastro;
    std::int64_t IdOwner = 0;
    QString Usuario;
    TDateTime Data;
    std::int64_t IdEmpresa = 0;
    double Valor = 0;
    QString Empresa;
};
BOOST_DESCRIBE_STRUCT(TReciboAvulsoDto,
                      (TBaseDto),
                      (IdPessoa,
                       IdMunicipio,
                       Descricao,
                       ListaTipoRecibo,
                       Pessoa,
                       Municipio,
                       TipoRecibo,
                       DataCadastro,
                       IdOwner,
                       Usuario,
                       Data,
                       IdEmpresa,
                       Valor,
                       Empresa))

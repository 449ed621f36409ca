#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a stand-alone receipt: issued for a person, in a town, by a company, with its
// value, date, description and type (a row of "TIPO_TITULO", 0 when none was chosen).
class TReciboAvulsoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TReciboAvulsoEntity)

    std::int64_t IdPessoa = 0;
    std::int64_t IdMunicipio = 0;
    QString Descricao;
    std::int64_t ListaTipoRecibo = 0;
    TDateTime Data;
    std::int64_t IdEmpresa = 0;
    double Valor = 0;
};
BOOST_DESCRIBE_STRUCT(TReciboAvulsoEntity,
                      (TBaseEntity),
                      (IdPessoa, IdMunicipio, Descricao, ListaTipoRecibo, Data, IdEmpresa, Valor))

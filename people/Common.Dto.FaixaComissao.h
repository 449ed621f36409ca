#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One commission band of a time band, with its commission type's description and code.
class TFaixaComissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFaixaComissaoDto)

    std::int64_t IdFaixaHorarioComissao = 0;
    std::int64_t ListaTipoComissao = 0;
    double Quantidade = 0;
    double Percentual = 0;
    double Valor = 0;
    QString TipoComissao;
    QString CodigoTipoComissao;
};
BOOST_DESCRIBE_STRUCT(TFaixaComissaoDto,
                      (TBaseDto),
                      (IdFaixaHorarioComissao,
                       ListaTipoComissao,
                       Quantidade,
                       Percentual,
                       Valor,
                       TipoComissao,
                       CodigoTipoComissao))

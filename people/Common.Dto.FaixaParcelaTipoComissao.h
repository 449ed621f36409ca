#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One instalment band of a commission type, with its receipt method's description and code and
// its commission table's description.
class TFaixaParcelaTipoComissaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFaixaParcelaTipoComissaoDto)

    std::int64_t IdTipoComissaoFuncao = 0;
    std::int64_t IdComissao = 0;
    std::int64_t ListaFormaRecebimento = 0;
    double FaixaParcela = 0;
    QString FormaRecebimento;
    QString CodigoFormaRecebimento;
    QString Comissao;
};
BOOST_DESCRIBE_STRUCT(TFaixaParcelaTipoComissaoDto,
                      (TBaseDto),
                      (IdTipoComissaoFuncao,
                       IdComissao,
                       ListaFormaRecebimento,
                       FaixaParcela,
                       FormaRecebimento,
                       CodigoFormaRecebimento,
                       Comissao))

#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of an instalment band of a commission type: a receipt method (a row of the system
// list "FORMA_RECEBIMENTO"), the instalment band number and the commission table that applies.
class TFaixaParcelaTipoComissaoEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TFaixaParcelaTipoComissaoEntity)

    std::int64_t IdTipoComissaoFuncao = 0;
    std::int64_t IdComissao = 0;
    std::int64_t ListaFormaRecebimento = 0;
    double FaixaParcela = 0;
};
BOOST_DESCRIBE_STRUCT(TFaixaParcelaTipoComissaoEntity,
                      (TBaseEntity),
                      (IdTipoComissaoFuncao, IdComissao, ListaFormaRecebimento, FaixaParcela))

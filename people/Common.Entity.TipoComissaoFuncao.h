#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// The body of a commission type of a model's function: four classifications, each a row of its
// system list ("CATEGORIA_REALIZACAO", "ORIGEM_CALCULO_COMISSAO", "BASE_COMISSAO",
// "TIPO_COMISSAO").
class TTipoComissaoFuncaoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TTipoComissaoFuncaoEntity)

    std::int64_t IdComissaoFuncao = 0;
    std::int64_t ListaCategoriaRealizacao = 0;
    std::int64_t ListaOrigemCalculoComissao = 0;
    std::int64_t ListaBaseComissao = 0;
    std::int64_t ListaTipoComissao = 0;
};
BOOST_DESCRIBE_STRUCT(TTipoComissaoFuncaoEntity,
                      (TBaseEntity),
                      (IdComissaoFuncao,
                       ListaCategoriaRealizacao,
                       ListaOrigemCalculoComissao,
                       ListaBaseComissao,
                       ListaTipoComissao))

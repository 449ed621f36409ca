#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One commission type of a model's function, with the code and description of each of its four
// classifications.
class TTipoComissaoFuncaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TTipoComissaoFuncaoDto)

    std::int64_t IdComissaoFuncao = 0;
    std::int64_t ListaCategoriaRealizacao = 0;
    std::int64_t ListaOrigemCalculoComissao = 0;
    std::int64_t ListaBaseComissao = 0;
    std::int64_t ListaTipoComissao = 0;
    QString CodigoOrigemCalculoComissao;
    QString CodigoCategoriaRealizacao;
    QString BaseComissao;
    QString TipoComissao;
    QString CodigoBaseComissao;
    QString OrigemCalculoComissao;
    QString CategoriaRealizacao;
    QString CodigoTipoComissao;
};
BOOST_DESCRIBE_STRUCT(TTipoComissaoFuncaoDto,
                      (TBaseDto),
                      (IdComissaoFuncao,
                       ListaCategoriaRealizacao,
                       ListaOrigemCalculoComissao,
                       ListaBaseComissao,
                       ListaTipoComissao,
                       CodigoOrigemCalculoComissao,
                       CodigoCategoriaRealizacao,
                       BaseComissao,
                       TipoComissao,
                       CodigoBaseComissao,
                       OrigemCalculoComissao,
                       CategoriaRealizacao,
                       CodigoTipoComissao))

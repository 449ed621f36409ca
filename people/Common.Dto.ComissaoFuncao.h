#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One function of a commission model, with the function's description.
class TComissaoFuncaoDto final : public TBaseDto
{
    ZUNTA_CLASS(TComissaoFuncaoDto)

    std::int64_t IdModeloComissao = 0;
    std::int64_t IdFuncao = 0;
    QString Funcao;
};
BOOST_DESCRIBE_STRUCT(TComissaoFuncaoDto, (TBaseDto), (IdModeloComissao, IdFuncao, Funcao))

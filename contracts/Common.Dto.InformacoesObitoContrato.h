#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// An open service order in which a member of the contract is recorded as deceased.
class TInformacoesObitoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TInformacoesObitoContratoDto)

    QString PessoaFalecido;
    std::int64_t IdOrdemServico = 0;
    std::int64_t IdPessoaFalecido = 0;
    QString Parentesco;
};
BOOST_DESCRIBE_STRUCT(TInformacoesObitoContratoDto,
                      (TBaseDto),
                      (PessoaFalecido, IdOrdemServico, IdPessoaFalecido, Parentesco))

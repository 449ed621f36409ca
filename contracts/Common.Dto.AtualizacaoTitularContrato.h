#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A change of a contract's holder: who leaves, when and why, and who takes over.
class TAtualizacaoTitularContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TAtualizacaoTitularContratoDto)

    std::int64_t IdPessoaAtual = 0;
    TDateTime DataBaixa;
    QString Justificativa;
    std::int64_t IdPessoaNovo = 0;
    std::int64_t ListaBaixaContrato = 0;
};
BOOST_DESCRIBE_STRUCT(TAtualizacaoTitularContratoDto,
                      (TBaseDto),
                      (IdPessoaAtual, DataBaixa, Justificativa, IdPessoaNovo, ListaBaixaContrato))

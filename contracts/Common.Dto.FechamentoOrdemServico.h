#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// The closing of a funeral service order as far as the contract is concerned: whose death it
// records, whether that person was a holder or a dependant, the holder's contract and who takes
// over as holder (0 when nobody was chosen).
class TFechamentoOrdemServicoDto final : public TBaseDto
{
    ZUNTA_CLASS(TFechamentoOrdemServicoDto)

    std::int64_t IdOrdemServico = 0;
    std::int64_t IdPessoaFalecido = 0;
    std::int64_t IdPessoaNovoTitular = 0;
    std::int64_t IdContratoTitular = 0;
    bool IsFalecidoTitular = false;
    bool IsFalecidoDependente = false;
    int QuantidadeDependentesAtivos = 0;
    bool GerarBoletos = false;
};
BOOST_DESCRIBE_STRUCT(TFechamentoOrdemServicoDto,
                      (TBaseDto),
                      (IdOrdemServico,
                       IdPessoaFalecido,
                       IdPessoaNovoTitular,
                       IdContratoTitular,
                       IsFalecidoTitular,
                       IsFalecidoDependente,
                       QuantidadeDependentesAtivos,
                       GerarBoletos))

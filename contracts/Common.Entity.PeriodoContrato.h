#pragma once

#include "Common.Base.Entity.h"

#include <cstdint>

// A validity period of a contract; IdPessoa is the company the contract came from by transfer.
class TPeriodoContratoEntity : public TBaseEntity
{
    ZUNTA_CLASS(TPeriodoContratoEntity)

    std::int64_t IdContrato = 0;
    std::int64_t IdPessoa = 0;
    TDateTime DataContrato;
    TDateTime DataContratoTransferencia;
    int ParcelasPagas = 0;
    int Fidelidade = 0;
};
BOOST_DESCRIBE_STRUCT(
    TPeriodoContratoEntity,
    (TBaseEntity),
    (IdContrato, IdPessoa, DataContrato, DataContratoTransferencia, ParcelasPagas, Fidelidade))

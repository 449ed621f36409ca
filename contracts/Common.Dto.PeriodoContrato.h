#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A validity period as the period list shows it: its contract date, the company and date of a
// contract brought over by transfer with the instalments paid there, the fidelity days and the
// back end's summary (only shown).
class TPeriodoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TPeriodoContratoDto)

    std::int64_t IdPessoa = 0;
    QString Nome;
    TDateTime DataContrato;
    TDateTime DataContratoTransferencia;
    int ParcelasPagas = 0;
    int Fidelidade = 0;
    std::int64_t IdContrato = 0;
    QString Informacoes;
};
BOOST_DESCRIBE_STRUCT(TPeriodoContratoDto,
                      (TBaseDto),
                      (IdPessoa,
                       Nome,
                       DataContrato,
                       DataContratoTransferencia,
                       ParcelasPagas,
                       Fidelidade,
                       IdContrato,
                       Informacoes))

#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// A change of a contract's closing reason (Id is the contract), with the manual occurrence typed
// with it.
class TAlterarMotivoEncerramentoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TAlterarMotivoEncerramentoContratoDto)

    QString OcorrenciaManual;
    std::int64_t IdMotivo = 0;
    TDateTime DataFinal;
};
BOOST_DESCRIBE_STRUCT(TAlterarMotivoEncerramentoContratoDto,
                      (TBaseDto),
                      (OcorrenciaManual, IdMotivo, DataFinal))

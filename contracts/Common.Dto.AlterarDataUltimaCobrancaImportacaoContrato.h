#pragma once

#include "Common.Base.Dto.h"

// A change of the date of the last charge paid before the contract entered the system (Id is the
// contract), with the manual occurrence typed with it.
class TAlterarDataUltimaCobrancaImportacaoContratoDto final : public TBaseDto
{
    ZUNTA_CLASS(TAlterarDataUltimaCobrancaImportacaoContratoDto)

    QString OcorrenciaManual;
    TDateTime Data;
};
BOOST_DESCRIBE_STRUCT(TAlterarDataUltimaCobrancaImportacaoContratoDto,
                      (TBaseDto),
                      (OcorrenciaManual, Data))

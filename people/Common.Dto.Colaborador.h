#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One staff member of the staff list and lookup: the person's name and, as the back end fills
// them, a function, a company and the admission and dismissal dates.
class TColaboradorDto final : public TBaseDto
{
    ZUNTA_CLASS(TColaboradorDto)

    QString Funcao;
    QString Colaborador;
    TDateTime DataAdmissao;
    TDateTime DataDemissao;
    QString Empresa;
};
BOOST_DESCRIBE_STRUCT(TColaboradorDto,
                      (TBaseDto),
                      (Funcao, Colaborador, DataAdmissao, DataDemissao, Empresa))

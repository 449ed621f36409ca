#pragma once

#include "Common.Base.Dto.h"

// A row of one of the back end's code tables (system lists).
class TListaSistemaDto final : public TBaseDto
{
    ZUNTA_CLASS(TListaSistemaDto)

    QString Codigo;
    QString Descricao;
    QString Tipo;
};
BOOST_DESCRIBE_STRUCT(TListaSistemaDto, (TBaseDto), (Codigo, Descricao, Tipo))

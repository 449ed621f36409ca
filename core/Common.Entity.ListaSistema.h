#pragma once

#include "Common.Base.Entity.h"

// The body of a system-list item saved from its registration window.
class TListaSistemaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TListaSistemaEntity)

    QString Codigo;
    QString Descricao;
    QString Tipo;
    bool IsGeral = false;
};
BOOST_DESCRIBE_STRUCT(TListaSistemaEntity, (TBaseEntity), (Codigo, Descricao, Tipo, IsGeral))

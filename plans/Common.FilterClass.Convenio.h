#pragma once

#include "Common.Base.FilterClass.h"

// The search filter of the agreement list, filled by the window's filter bar. Every property is
// a filter text: the chosen id, "#" and the text shown ("7#CARDIOLOGIA"), empty when its control
// is empty.
class TConvenioFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TConvenioFilterClass)

    QString IdEspecialidade;
    QString ListaSegmento;
    QString IdProfissional;
};
BOOST_DESCRIBE_STRUCT(TConvenioFilterClass,
                      (TBaseFilterClass),
                      (IdEspecialidade, ListaSegmento, IdProfissional))

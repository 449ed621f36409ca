#pragma once

#include "Common.Base.FilterClass.h"

// The search filter of the occurrence list. Every property is a filter text: the value, "#" and
// the text shown ("42#42"), empty when its control is empty.
class TOcorrenciaFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TOcorrenciaFilterClass)

    QString IdObjeto;
    QString IdUsuario;
    QString IdNomeClasse;
    QString PeriodoDataFinal;
    QString PeriodoDataInicial;
    QString SomenteDelete;
};
BOOST_DESCRIBE_STRUCT(
    TOcorrenciaFilterClass,
    (TBaseFilterClass),
    (IdObjeto, IdUsuario, IdNomeClasse, PeriodoDataFinal, PeriodoDataInicial, SomenteDelete))

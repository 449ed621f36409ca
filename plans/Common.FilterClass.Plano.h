#pragma once

#include "Common.Base.FilterClass.h"

// The search filter of the plan list: "Somente Ativos" as a filter text ("-1#SIM" ticked,
// "0#NÃO" not).
class TPlanoFilterClass final : public TBaseFilterClass
{
    ZUNTA_CLASS(TPlanoFilterClass)

    QString SomenteAtivos;
};
BOOST_DESCRIBE_STRUCT(TPlanoFilterClass, (TBaseFilterClass), (SomenteAtivos))

#include "Common.FilterClass.SimuladorCalculo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TSimuladorCalculoFilterClass)

#include "App.Lib.ValorTitulo.h"

#include "App.Base.Presenter.Of.h"

#include "MemTable.h"

#include <cmath>

double SomaValorTitulo(TMemTable &ADataSet)
{
    if (!ADataSet.Active())
        return 0;
    const TDataSetFilterKeeper keeper(ADataSet);
    ADataSet.SetFiltered(false);
    long long cents = 0;
    for (ADataSet.First(); !ADataSet.Eof(); ADataSet.Next())
        cents += std::llround(ADataSet.FieldByName(QStringLiteral("VALOR"))->AsFloat() * 100.0);
    return static_cast<double>(cents) / 100.0;
}

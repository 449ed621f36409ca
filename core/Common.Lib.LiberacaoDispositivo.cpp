#include "Common.Lib.LiberacaoDispositivo.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TLiberacaoDispositivo)

QString TLiberacaoDispositivo::QrText() const
{
    return AsJson().replace(QStringLiteral("\\/"), QStringLiteral("/"));
}

#include "Common.FilterClass.DependenteContrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS(TDependenteContratoFilterClass)

QString TDependenteContratoFilterClass::FilterText(const QString &AValue)
{
    return AValue + u'#' + AValue;
}

QString TDependenteContratoFilterClass::FilterTextOfBoolean(bool AValue)
{
    return FilterText(AValue ? QStringLiteral("-1") : QStringLiteral("0"));
}

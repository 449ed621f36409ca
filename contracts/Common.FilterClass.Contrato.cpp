#include "Common.FilterClass.Contrato.h"

#include "Common.Base.ClassInfo.Build.h"

ZUNTA_DEFINE_CLASS_UNREGISTERED(TContratoFilterClassRelatorio)
ZUNTA_DEFINE_CLASS(TContratoFilterClass)

QString TContratoFilterClass::FilterTextOfId(std::int64_t AId)
{
    const QString id = QString::number(AId);
    return id + u'#' + id;
}

// The name rules that tie properties to table columns and classes to REST resources.

#include "Common.Lib.Utils.h"

namespace {

bool isUpperAscii(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

QChar lowerAscii(QChar c)
{
    return isUpperAscii(c) ? QChar(c.unicode() + 32) : c;
}

QChar upperAscii(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

// Lower-cases A-Z and puts the separator before every capital but the first character.
QString splitWords(const QString &value, QChar separator)
{
    QString result;
    result.reserve(value.size() + value.size() / 2);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (i > 0 && isUpperAscii(c))
            result += separator;
        result += lowerAscii(c);
    }
    return result;
}

} // namespace

// --- Name rules ------------------------------------------------------------------------------

QString TUtils::convertClassPropToTableField(const QString &Value)
{
    return splitWords(Value, u'_');
}

QString TUtils::convertTableFieldToClassProp(const QString &Value)
{
    QString name = Value;
    name.remove(u'"');
    QString result;
    result.reserve(name.size());
    bool wordStart = false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (i == 0) {
            result += upperAscii(c);
        } else if (c == u'_') {
            wordStart = true;
        } else {
            result += wordStart ? upperAscii(c) : lowerAscii(c);
            wordStart = false;
        }
    }
    return result;
}

QString TUtils::convertNameToResource(const QString &Value)
{
    return splitWords(Value, u'-');
}

bool TUtils::columnMatchesProperty(const QString &AColumn, const QString &AProperty)
{
    return convertTableFieldToClassProp(AColumn.trimmed()).compare(AProperty, Qt::CaseInsensitive)
        == 0;
}

bool TUtils::propertyMatchesColumn(const QString &AProperty, const QString &AColumn)
{
    return convertClassPropToTableField(AProperty).compare(AColumn, Qt::CaseInsensitive) == 0;
}

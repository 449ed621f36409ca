#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// A text that carries a picture as Base64 (a company's logo and card layout, a person's photo, a
// signature). A type of its own so that clearing an entity and copying from a table can tell it
// from an ordinary text; on the wire it is a plain string.
class TSString : public QString
{
public:
    TSString() = default;
    TSString(const QString &text)
        : QString(text)
    { }
    TSString(QString &&text)
        : QString(std::move(text))
    { }
    TSString(const char16_t *text)
        : QString(QString::fromUtf16(text))
    { }
    TSString &operator=(const QString &text)
    {
        QString::operator=(text);
        return *this;
    }
    TSString &operator=(QString &&text)
    {
        QString::operator=(std::move(text));
        return *this;
    }
};

// A list that owns its objects: returned lists and child lists of wire objects.
template<class T>
using TObjectList = std::vector<std::unique_ptr<T>>;

// The id lists (the Remove lists of aggregate bodies, the ids of a removal) and text lists of
// wire objects.
using TListInt64 = std::vector<std::int64_t>;
using TListString = QStringList;

#pragma once

#include <QString>

// Helpers shared by the files that define TUtils; nothing outside them includes this.
namespace UtilsInternal {

// Trims blanks and control characters, as typed texts are trimmed throughout the system.
inline QString trimText(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= 32)
        ++first;
    while (last > first && text.at(last - 1).unicode() <= 32)
        --last;
    return text.mid(first, last - first);
}

} // namespace UtilsInternal

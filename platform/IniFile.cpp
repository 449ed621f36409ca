#include "IniFile.h"

#include <QFile>

TIniFile::TIniFile(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    QString section;
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed().toLower();
            if (!m_sections.contains(section))
                m_sections << section;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2
            && ((value.startsWith(u'"') && value.endsWith(u'"'))
                || (value.startsWith(u'\'') && value.endsWith(u'\''))))
            value = value.mid(1, value.size() - 2);
        const QString key = line.left(equals).trimmed().toLower();
        // The first occurrence of a key wins, as on the original platform.
        if (!find(section, key))
            m_entries.append({ section, key, value });
    }
}

const TIniFile::Entry *TIniFile::find(const QString &section, const QString &key) const
{
    const QString s = section.toLower();
    const QString k = key.toLower();
    for (const Entry &entry : m_entries)
        if (entry.section == s && entry.key == k)
            return &entry;
    return nullptr;
}

QString
TIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *entry = find(section, key);
    return entry ? entry->value : defaultValue;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return m_sections.contains(section.toLower());
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    return find(section, key) != nullptr;
}

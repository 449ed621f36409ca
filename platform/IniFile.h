#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A read-only INI file: "[section]" headers and "key=value" lines, sections and keys found without
// regard to case (as the original platform's INI files are), blanks around keys and values
// trimmed, ";" and "#" lines ignored. A missing file reads as empty.
class TIniFile
{
public:
    explicit TIniFile(const QString &path);

    const QString &FileName() const { return m_path; }
    bool Exists() const { return m_exists; }
    QString
    ReadString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;

private:
    struct Entry
    {
        QString section; // lower case
        QString key; // lower case
        QString value;
    };
    const Entry *find(const QString &section, const QString &key) const;

    QString m_path;
    bool m_exists = false;
    QList<Entry> m_entries;
    QList<QString> m_sections; // lower case
};

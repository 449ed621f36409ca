#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

// A list of pictures that buttons and images take by index.
class TImageList
{
public:
    explicit TImageList(const QSize &size = QSize(48, 48));

    // The size the pictures were drawn for.
    QSize size() const { return m_size; }
    int Count() const { return int(m_items.size()); }
    void Add(const QString &name, const QIcon &icon);

    // An empty icon or picture for an index outside the list.
    QIcon Icon(int index) const;
    QString Name(int index) const;
    QPixmap Bitmap(int index, const QSize &size = {}) const;

private:
    struct Item
    {
        QString Name;
        QIcon Icon;
    };
    QSize m_size;
    QList<Item> m_items;
};

#include "ImageList.h"

TImageList::TImageList(const QSize &size)
    : m_size(size)
{ }

void TImageList::Add(const QString &name, const QIcon &icon)
{
    m_items.append(Item { name, icon });
}

QIcon TImageList::Icon(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).Icon : QIcon();
}

QString TImageList::Name(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).Name : QString();
}

QPixmap TImageList::Bitmap(int index, const QSize &size) const
{
    return Icon(index).pixmap(size.isValid() ? size : m_size);
}

#include "Align.h"

#include <QChildEvent>
#include <QWidget>

#include <algorithm>
#include <climits>

namespace {

constexpr const char *AlignProperty = "zuntaAlign";

bool explicitlyHidden(const QWidget *widget)
{
    return widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

TAlignedLayout *alignedLayoutOf(QWidget *container)
{
    return container ? qobject_cast<TAlignedLayout *>(container->layout()) : nullptr;
}

void storeAlignInfo(QWidget *control, const TAlignInfo &info)
{
    control->setProperty(AlignProperty, QVariant::fromValue(info));
    if (TAlignedLayout *layout = alignedLayoutOf(control->parentWidget()))
        layout->updateAlignInfo(control, info);
}

void realignParentOf(QWidget *control)
{
    if (TAlignedLayout *layout = alignedLayoutOf(control->parentWidget()))
        layout->invalidate();
}

// No part of the widget shows through its ancestors (a row scrolled away in a long list).
bool outOfSight(const QWidget *widget)
{
    QRect area = widget->rect();
    for (const QWidget *w = widget; !w->isWindow(); w = w->parentWidget()) {
        area.translate(w->pos());
        area &= w->parentWidget()->rect();
        if (area.isEmpty())
            return true;
    }
    return false;
}

QRect nonNegative(const QRect &rect)
{
    return QRect(rect.topLeft(), QSize(std::max(0, rect.width()), std::max(0, rect.height())));
}

void place(QWidget *widget, const QRect &geometry)
{
    const QRect target = nonNegative(geometry);
    if (widget->geometry() != target)
        widget->setGeometry(target);
}

} // namespace

TAlignInfo GetAlignInfo(const QWidget *control)
{
    if (const TAlignedLayout *layout = alignedLayoutOf(control->parentWidget())) {
        if (const TAlignInfo *info = layout->alignInfoOf(control))
            return *info;
    }
    const QVariant value = control->property(AlignProperty);
    return value.isValid() ? value.value<TAlignInfo>() : TAlignInfo {};
}

TAlignLayout GetAlign(const QWidget *control)
{
    return GetAlignInfo(control).Align;
}

void SetAlign(QWidget *control, TAlignLayout align)
{
    TAlignInfo info = GetAlignInfo(control);
    if (info.Align == align && control->property(AlignProperty).isValid())
        return;
    info.Align = align;
    storeAlignInfo(control, info);
    realignParentOf(control);
}

QMargins GetMargins(const QWidget *control)
{
    return GetAlignInfo(control).Margins;
}

void SetMargins(QWidget *control, const QMargins &margins)
{
    TAlignInfo info = GetAlignInfo(control);
    info.Margins = margins;
    storeAlignInfo(control, info);
    realignParentOf(control);
}

QMargins GetPadding(const QWidget *container)
{
    if (const QLayout *layout = container->layout())
        return layout->contentsMargins();
    return {};
}

void SetPadding(QWidget *container, const QMargins &padding)
{
    InstallAlignLayout(container)->setContentsMargins(padding);
}

void SetPosition(QWidget *control, const QPoint &position)
{
    TAlignInfo info = GetAlignInfo(control);
    info.Placed = true;
    storeAlignInfo(control, info);
    control->move(position);
    realignParentOf(control);
}

void SetSize(QWidget *control, const QSize &size)
{
    control->resize(size);
    realignParentOf(control);
}

void Realign(QWidget *container)
{
    if (TAlignedLayout *layout = alignedLayoutOf(container)) {
        layout->invalidate();
        layout->activate();
    }
}

void RealignAll(QWidget *root)
{
    Realign(root);
    for (QWidget *child : root->findChildren<QWidget *>())
        Realign(child);
}

TAlignedLayout *InstallAlignLayout(QWidget *container, TAlignedLayout::Mode mode)
{
    if (TAlignedLayout *layout = alignedLayoutOf(container))
        return layout;
    return new TAlignedLayout(container, mode);
}

TAlignedLayout::TAlignedLayout(QWidget *container, Mode mode)
    : QLayout(container)
    , m_mode(mode)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    setSizeConstraint(mode == Mode::ScrollContent ? SetMinimumSize : SetNoConstraint);
    container->installEventFilter(this);
    for (QObject *child : container->children()) {
        if (child->isWidgetType())
            adopt(static_cast<QWidget *>(child));
    }
}

TAlignedLayout::~TAlignedLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void TAlignedLayout::setItemSize(const QSize &size)
{
    m_itemSize = size;
    invalidate();
}

void TAlignedLayout::adopt(QWidget *child)
{
    if (child->isWindow() || child->objectName().startsWith(QLatin1String("qt_")))
        return;
    // A set, not a walk through the entries: a list of thousands of rows adopts each of them.
    if (m_infos.contains(child))
        return;
    addWidget(child);
    child->installEventFilter(this);
}

void TAlignedLayout::addItem(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        m_infos.insert(widget, GetAlignInfo(widget));
    m_entries.append(Entry { item, m_nextOrder++ });
    invalidate();
}

QLayoutItem *TAlignedLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).Item : nullptr;
}

QLayoutItem *TAlignedLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).Item;
    if (QWidget *widget = item->widget())
        m_infos.remove(widget);
    invalidate();
    return item;
}

void TAlignedLayout::setReservedHeight(int height)
{
    height = std::max(0, height);
    if (height == m_reservedHeight)
        return;
    m_reservedHeight = height;
    invalidate();
}

const TAlignInfo *TAlignedLayout::alignInfoOf(const QWidget *child) const
{
    const auto found = m_infos.constFind(child);
    return found == m_infos.cend() ? nullptr : &found.value();
}

void TAlignedLayout::updateAlignInfo(const QWidget *child, const TAlignInfo &info)
{
    const auto found = m_infos.find(child);
    if (found != m_infos.end())
        found.value() = info;
}

int TAlignedLayout::count() const
{
    return int(m_entries.size());
}

QSize TAlignedLayout::sizeHint() const
{
    return contentExtent();
}

QSize TAlignedLayout::minimumSize() const
{
    if (m_mode == Mode::ScrollContent)
        return QSize(0, contentExtent().height());
    return QSize(0, 0);
}

QSize TAlignedLayout::contentExtent() const
{
    const QMargins padding = contentsMargins();
    int docked = 0;
    int free = 0;
    int width = 0;
    int visible = 0;
    for (const Entry &entry : m_entries) {
        QWidget *widget = entry.Item->widget();
        if (!widget || explicitlyHidden(widget))
            continue;
        ++visible;
        const TAlignInfo info = m_infos.value(widget);
        const QMargins m = info.Margins;
        switch (info.Align) {
        case TAlignLayout::Top:
        case TAlignLayout::Bottom:
            docked += m.top() + widget->height() + m.bottom();
            break;
        case TAlignLayout::None:
            free = std::max(free, widget->y() + widget->height());
            width = std::max(width, widget->x() + widget->width());
            break;
        default:
            break;
        }
    }
    if (m_mode == Mode::Grid) {
        const int available = parentWidget()
            ? parentWidget()->width() - padding.left() - padding.right()
            : m_itemSize.width();
        const int perRow = std::max(1, available / std::max(1, m_itemSize.width()));
        const int rows = (visible + perRow - 1) / perRow;
        return QSize(std::min(visible, perRow) * m_itemSize.width(), rows * m_itemSize.height());
    }
    const int reserved = m_mode == Mode::ScrollContent ? m_reservedHeight : 0;
    const int height
        = std::max(padding.top() + docked + reserved + padding.bottom(), free + padding.bottom());
    return QSize(width + padding.right(), height);
}

void TAlignedLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    if (m_arranging)
        return;
    m_arranging = true;
    const QRect area = rect.marginsRemoved(contentsMargins());
    if (m_mode == Mode::Grid)
        arrangeGrid(area);
    else
        arrangeDocked(area, rect);
    m_arranging = false;
}

void TAlignedLayout::arrangeDocked(const QRect &startArea, const QRect &whole)
{
    // One list reused from pass to pass, sorted by group, then position, then adoption: a list
    // of thousands of rows is laid out again each time a few rows are added to it.
    std::vector<Docked> &docked = m_docked;
    docked.clear();
    docked.reserve(std::size_t(m_entries.size()));
    for (const Entry &entry : std::as_const(m_entries)) {
        QWidget *widget = entry.Item->widget();
        if (!widget || explicitlyHidden(widget))
            continue;
        const TAlignInfo info = m_infos.value(widget);
        const bool placed = info.Placed;
        switch (info.Align) {
        case TAlignLayout::None:
            break;
        case TAlignLayout::Top:
            docked.push_back({ widget, info, entry.Order, 0, placed ? widget->y() : INT_MAX });
            break;
        case TAlignLayout::Bottom:
            docked.push_back({ widget, info, entry.Order, 1, placed ? -widget->y() : INT_MAX });
            break;
        case TAlignLayout::Left:
            docked.push_back({ widget, info, entry.Order, 2, placed ? widget->x() : INT_MAX });
            break;
        case TAlignLayout::Right:
            docked.push_back({ widget, info, entry.Order, 3, placed ? -widget->x() : INT_MAX });
            break;
        default:
            docked.push_back({ widget, info, entry.Order, 4, 0 });
            break;
        }
    }
    std::sort(docked.begin(), docked.end(), [](const Docked &a, const Docked &b) {
        if (a.Group != b.Group)
            return a.Group < b.Group;
        return a.Key != b.Key ? a.Key < b.Key : a.Order < b.Order;
    });

    QRect area = startArea;
    for (const Docked &d : std::as_const(docked)) {
        const QMargins m = d.Info.Margins;
        switch (d.Info.Align) {
        case TAlignLayout::Top: {
            const int height = d.Widget->height();
            place(d.Widget,
                  QRect(area.left() + m.left(),
                        area.top() + m.top(),
                        area.width() - m.left() - m.right(),
                        height));
            area.setTop(area.top() + m.top() + height + m.bottom());
            break;
        }
        case TAlignLayout::Bottom: {
            const int height = d.Widget->height();
            place(d.Widget,
                  QRect(area.left() + m.left(),
                        area.bottom() + 1 - m.bottom() - height,
                        area.width() - m.left() - m.right(),
                        height));
            area.setBottom(area.bottom() - (m.top() + height + m.bottom()));
            break;
        }
        case TAlignLayout::Left: {
            const int width = d.Widget->width();
            place(d.Widget,
                  QRect(area.left() + m.left(),
                        area.top() + m.top(),
                        width,
                        area.height() - m.top() - m.bottom()));
            area.setLeft(area.left() + m.left() + width + m.right());
            break;
        }
        case TAlignLayout::Right: {
            const int width = d.Widget->width();
            place(d.Widget,
                  QRect(area.right() + 1 - m.right() - width,
                        area.top() + m.top(),
                        width,
                        area.height() - m.top() - m.bottom()));
            area.setRight(area.right() - (m.left() + width + m.right()));
            break;
        }
        case TAlignLayout::Client:
            place(d.Widget, nonNegative(area).marginsRemoved(m));
            break;
        case TAlignLayout::Contents:
            place(d.Widget, whole.marginsRemoved(m));
            break;
        case TAlignLayout::Center: {
            const QRect inner = nonNegative(area).marginsRemoved(m);
            const QSize size = d.Widget->size();
            place(d.Widget,
                  QRect(inner.left() + (inner.width() - size.width()) / 2,
                        inner.top() + (inner.height() - size.height()) / 2,
                        size.width(),
                        size.height()));
            break;
        }
        case TAlignLayout::VertCenter: {
            const QRect inner = nonNegative(area).marginsRemoved(m);
            const QSize size = d.Widget->size();
            place(d.Widget,
                  QRect(inner.left(),
                        inner.top() + (inner.height() - size.height()) / 2,
                        inner.width(),
                        size.height()));
            break;
        }
        case TAlignLayout::HorzCenter: {
            const QRect inner = nonNegative(area).marginsRemoved(m);
            const QSize size = d.Widget->size();
            place(d.Widget,
                  QRect(inner.left() + (inner.width() - size.width()) / 2,
                        inner.top(),
                        size.width(),
                        inner.height()));
            break;
        }
        default:
            break;
        }
    }
    // Placing a widget may have freed or moved others: only those still here are marked.
    for (const Docked &d : std::as_const(docked)) {
        if (!d.Info.Placed && m_infos.contains(d.Widget)) {
            TAlignInfo info = d.Info;
            info.Placed = true;
            storeAlignInfo(d.Widget, info);
        }
    }
    docked.clear();
}

void TAlignedLayout::arrangeGrid(const QRect &area)
{
    const int cellWidth = std::max(1, m_itemSize.width());
    const int cellHeight = std::max(1, m_itemSize.height());
    int x = area.left();
    int y = area.top();
    for (const Entry &entry : std::as_const(m_entries)) {
        QWidget *widget = entry.Item->widget();
        if (!widget || explicitlyHidden(widget))
            continue;
        if (x > area.left() && x + cellWidth > area.left() + area.width()) {
            x = area.left();
            y += cellHeight;
        }
        const QMargins m = m_infos.value(widget).Margins;
        place(widget, QRect(x, y, cellWidth, cellHeight).marginsRemoved(m));
        x += cellWidth;
    }
}

bool TAlignedLayout::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *container = parentWidget();
    if (watched == container) {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType())
                adopt(static_cast<QWidget *>(child));
        }
        return false;
    }
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->parentWidget() != container) {
        widget->removeEventFilter(this);
        return false;
    }
    switch (event->type()) {
    case QEvent::Resize:
        if (!m_arranging && (GetAlign(widget) != TAlignLayout::None || m_mode != Mode::Align))
            invalidate();
        break;
    case QEvent::Move:
        if (!m_arranging && m_mode == Mode::ScrollContent && GetAlign(widget) == TAlignLayout::None)
            invalidate();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        invalidate();
        break;
    case QEvent::UpdateLater:
        // Each widget shown asks for a repaint; Qt weighs every such request against all the
        // widget's later siblings, so showing a list of thousands of rows at once took minutes.
        // A widget out of sight is repainted anyway when it is moved or scrolled into sight.
        return outOfSight(widget);
    default:
        break;
    }
    return false;
}

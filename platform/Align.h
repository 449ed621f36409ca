#pragma once

#include <QLayout>
#include <QList>
#include <QMargins>
#include <QMetaType>
#include <QHash>
#include <QSize>

#include <vector>

class QWidget;

// How a control places itself in its parent, as the forms describe it. Docked controls (Top,
// Bottom, Left, Right) take their slot from the parent's free area in that order, each group
// sorted by position; Client fills what is left, Center keeps its size in the middle of it, and
// Contents covers the whole parent whatever the others do. None keeps the control's own place.
enum class TAlignLayout {
    None,
    Top,
    Bottom,
    Left,
    Right,
    Client,
    Contents,
    Center,
    VertCenter,
    HorzCenter
};

// Alignment data carried by any widget (a dynamic property), so that plain Qt widgets can be
// aligned too.
struct TAlignInfo
{
    TAlignLayout Align = TAlignLayout::None;
    QMargins Margins;
    // The control has a place among its docked siblings (set by the layout or by SetPosition);
    // a control without one goes after the others of its group.
    bool Placed = false;
};
Q_DECLARE_METATYPE(TAlignInfo)

TAlignInfo GetAlignInfo(const QWidget *control);
TAlignLayout GetAlign(const QWidget *control);
void SetAlign(QWidget *control, TAlignLayout align);
QMargins GetMargins(const QWidget *control);
void SetMargins(QWidget *control, const QMargins &margins);
// The container's inner margins, kept free by its docked and client children.
QMargins GetPadding(const QWidget *container);
void SetPadding(QWidget *container, const QMargins &padding);
// Position and size that also tell the parent to realign (a docked control's order follows its
// position).
void SetPosition(QWidget *control, const QPoint &position);
void SetSize(QWidget *control, const QSize &size);
// Places the children of the container now instead of at the next turn of the event loop;
// RealignAll does so for every container inside it as well, outer ones first.
void Realign(QWidget *container);
void RealignAll(QWidget *root);

// The layout engine of the containers (layouts, rectangles, tab items, scroll-box contents). It
// adopts every child widget the container receives; a child created in a visible container is
// shown unless it was hidden explicitly.
class TAlignedLayout final : public QLayout
{
    Q_OBJECT

public:
    enum class Mode {
        Align,
        // Content of a vertical scroll box: also reports the height the children need.
        ScrollContent,
        // Children in a grid of equal cells, in rows from the left (ItemWidth x ItemHeight).
        Grid,
    };

    explicit TAlignedLayout(QWidget *container, Mode mode = Mode::Align);
    ~TAlignedLayout() override;

    Mode mode() const { return m_mode; }
    void setItemSize(const QSize &size);
    QSize itemSize() const { return m_itemSize; }
    // Height a scroll content keeps below its children for rows of a long list not built yet:
    // the content scrolls as if they were there.
    void setReservedHeight(int height);
    int reservedHeight() const { return m_reservedHeight; }
    // The alignment of an adopted child as last stored (nullptr for another widget); kept by
    // the alignment setters.
    const TAlignInfo *alignInfoOf(const QWidget *child) const;
    void updateAlignInfo(const QWidget *child, const TAlignInfo &info);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QLayoutItem *Item = nullptr;
        quint64 Order = 0;
    };

    struct Docked
    {
        QWidget *Widget;
        TAlignInfo Info;
        quint64 Order;
        int Group; // top, bottom, left, right, filling
        int Key;
    };

    void adopt(QWidget *child);
    QSize contentExtent() const;
    void arrangeDocked(const QRect &area, const QRect &whole);
    void arrangeGrid(const QRect &area);

    Mode m_mode;
    QSize m_itemSize { 100, 30 };
    int m_reservedHeight = 0;
    QList<Entry> m_entries;
    // The adopted children and their alignment: reading it from each child's property on
    // every pass made laying out a list of thousands of rows slow.
    QHash<const QWidget *, TAlignInfo> m_infos;
    std::vector<Docked> m_docked;
    quint64 m_nextOrder = 0;
    bool m_arranging = false;
};

// Gives the container an aligning layout (once) and returns it.
TAlignedLayout *InstallAlignLayout(QWidget *container,
                                   TAlignedLayout::Mode mode = TAlignedLayout::Mode::Align);

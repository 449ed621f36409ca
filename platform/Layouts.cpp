#include "Layouts.h"

TLayout::TLayout(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(50, 50);
    InstallAlignLayout(this);
}

TPanel::TPanel(QWidget *parent, const QString &name)
    : TRectangle(parent, name)
{
    setFillColor(0xFFF0F0F0);
    setStrokeColor(TAlphaColors::Null);
}

TToolBar::TToolBar(QWidget *parent, const QString &name)
    : TRectangle(parent, name)
{
    setFillColor(0xFFF2F2F2);
    setStrokeColor(TAlphaColors::Null);
    setHeight(40);
    setAlign(TAlignLayout::Top);
}

TStatusBar::TStatusBar(QWidget *parent, const QString &name)
    : TRectangle(parent, name)
{
    setFillColor(0xFFF0F0F0);
    setStrokeColor(TAlphaColors::Null);
    setHeight(22);
    setAlign(TAlignLayout::Bottom);
}

TGridLayout::TGridLayout(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(50, 50);
    InstallAlignLayout(this, TAlignedLayout::Mode::Grid);
}

int TGridLayout::itemWidth() const
{
    return static_cast<TAlignedLayout *>(layout())->itemSize().width();
}

int TGridLayout::itemHeight() const
{
    return static_cast<TAlignedLayout *>(layout())->itemSize().height();
}

void TGridLayout::setItemWidth(int width)
{
    auto *grid = static_cast<TAlignedLayout *>(layout());
    grid->setItemSize(QSize(width, grid->itemSize().height()));
}

void TGridLayout::setItemHeight(int height)
{
    auto *grid = static_cast<TAlignedLayout *>(layout());
    grid->setItemSize(QSize(grid->itemSize().width(), height));
}

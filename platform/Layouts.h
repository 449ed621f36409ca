#pragma once

#include "Control.h"
#include "Shapes.h"

// An invisible container that aligns its children.
class TLayout : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TLayout(QWidget *parent = nullptr, const QString &name = {});
};

// A container in the platform's panel look (light grey, no border).
class TPanel : public TRectangle
{
    Q_OBJECT

public:
    explicit TPanel(QWidget *parent = nullptr, const QString &name = {});
};

// The strip of tools at the top of a form: top-aligned, 40 high, light background.
class TToolBar : public TRectangle
{
    Q_OBJECT

public:
    explicit TToolBar(QWidget *parent = nullptr, const QString &name = {});
};

// The status line at the bottom of a form: bottom-aligned, 22 high.
class TStatusBar : public TRectangle
{
    Q_OBJECT

public:
    explicit TStatusBar(QWidget *parent = nullptr, const QString &name = {});
};

// Children in equal cells (ItemWidth x ItemHeight), in rows from the left.
class TGridLayout : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TGridLayout(QWidget *parent = nullptr, const QString &name = {});

    int itemWidth() const;
    int itemHeight() const;
    void setItemWidth(int width);
    void setItemHeight(int height);
};

#include "TextSettings.h"

#include <QPalette>
#include <QWidget>

#include <cmath>

namespace {

// Points per logical pixel at the 96 dots per inch the sizes refer to.
constexpr double PointsPerPixel = 72.0 / 96.0;

Qt::Alignment horizontalFlag(TTextAlign align)
{
    switch (align) {
    case TTextAlign::Leading:
        return Qt::AlignLeft;
    case TTextAlign::Trailing:
        return Qt::AlignRight;
    case TTextAlign::Center:
        break;
    }
    return Qt::AlignHCenter;
}

Qt::Alignment verticalFlag(TTextAlign align)
{
    switch (align) {
    case TTextAlign::Leading:
        return Qt::AlignTop;
    case TTextAlign::Trailing:
        return Qt::AlignBottom;
    case TTextAlign::Center:
        break;
    }
    return Qt::AlignVCenter;
}

} // namespace

Qt::Alignment ToQtAlignment(TTextAlign horizontal, TTextAlign vertical)
{
    return horizontalFlag(horizontal) | verticalFlag(vertical);
}

void SetFontSize(QFont &font, double size)
{
    if (size > 0)
        font.setPointSizeF(size * PointsPerPixel);
}

double FontSize(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return std::round(font.pointSizeF() / PointsPerPixel * 100.0) / 100.0;
    return font.pixelSize();
}

QFont MakeFont(const QString &family, double size, bool bold, bool italic)
{
    QFont font(family);
    SetFontSize(font, size);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void SetFontColor(QWidget *control, TAlphaColor color)
{
    QPalette palette = control->palette();
    const QColor qcolor = ToQColor(color);
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::WindowText, qcolor);
        palette.setColor(group, QPalette::Text, qcolor);
        palette.setColor(group, QPalette::ButtonText, qcolor);
    }
    control->setPalette(palette);
}

TAlphaColor FontColor(const QWidget *control)
{
    return ToAlphaColor(control->palette().color(QPalette::Active, control->foregroundRole()));
}

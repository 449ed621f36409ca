#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QLabel>

// A text. Like the original's labels it lets the pointer through to what lies below (a label on
// a rectangle button does not take the rectangle's clicks) unless HitTest is switched on.
class TLabel : public TControl<QLabel>
{
    Q_OBJECT

public:
    explicit TLabel(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    void setText(const QString &text);

    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    // Copies family, size and style of a theme font.
    void setTextFont(const QFont &font);
    void setFontSize(double size);
    double fontSize() const { return FontSize(font()); }
    void setFontBold(bool bold);

    TTextAlign horzAlign() const { return m_horzAlign; }
    TTextAlign vertAlign() const { return m_vertAlign; }
    void setHorzAlign(TTextAlign align);
    void setVertAlign(TTextAlign align);

    // The label takes the height its text needs at its width (or its text's width when it does
    // not wrap), at once and after every change of text or font.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    // The height the text needs at the label's current width.
    int textHeight() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyAutoSize();

    TTextAlign m_horzAlign = TTextAlign::Leading;
    TTextAlign m_vertAlign = TTextAlign::Center;
    bool m_autoSize = false;
};

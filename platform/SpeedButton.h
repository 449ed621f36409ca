#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QToolButton>

class TImageList;

// A flat button with a text and a picture: the picture its style name stands for
// ("addtoolbutton", "trashtoolbutton" ...) or one of an image list. A button with a modal result
// closes its dialog with that result after OnClick.
class TSpeedButton : public TControl<QToolButton>
{
    Q_OBJECT

public:
    explicit TSpeedButton(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    QString styleLookup() const { return m_styleLookup; }
    void setStyleLookup(const QString &styleName);
    TImageList *images() const { return m_images; }
    int imageIndex() const { return m_imageIndex; }
    // The image list's picture wins over the style's when both are set.
    void setImages(TImageList *images);
    void setImageIndex(int index);
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    void setText(const QString &text);
    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color);
    void setTextFont(const QFont &font) { setFont(font); }
    void setFontSize(double size);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshLook();

    QString m_styleLookup;
    TImageList *m_images = nullptr;
    int m_imageIndex = -1;
    int m_modalResult = 0;
};

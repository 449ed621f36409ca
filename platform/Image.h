#pragma once

#include "Control.h"

#include <QImage>
#include <QWidget>

enum class TImageWrapMode { Fit, Stretch, Original };

// A picture in a box: fitted (kept in proportion and centred) unless told otherwise, drawn with
// an opacity of its own. Takes clicks (OnClick).
class TImage : public TControl<QWidget>
{
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    QImage bitmap() const { return m_bitmap; }
    void setBitmap(const QImage &bitmap);
    // Reads a picture in any format the platform knows; false, and the picture unchanged, when
    // the bytes are no picture.
    bool loadFromData(const QByteArray &bytes);
    void clear();

    double opacity() const { return m_opacity; }
    void setOpacity(double opacity);
    TImageWrapMode wrapMode() const { return m_wrapMode; }
    void setWrapMode(TImageWrapMode mode);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_bitmap;
    double m_opacity = 1.0;
    TImageWrapMode m_wrapMode = TImageWrapMode::Fit;
};

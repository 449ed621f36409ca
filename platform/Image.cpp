#include "Image.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TImage::TImage(QWidget *parent, const QString &name)
    : TControl<QWidget>(parent)
{
    setObjectName(name);
    resize(100, 100);
}

void TImage::setBitmap(const QImage &bitmap)
{
    m_bitmap = bitmap;
    update();
}

bool TImage::loadFromData(const QByteArray &bytes)
{
    QImage loaded;
    if (!loaded.loadFromData(bytes))
        return false;
    setBitmap(loaded);
    return true;
}

void TImage::clear()
{
    setBitmap(QImage());
}

void TImage::setOpacity(double opacity)
{
    m_opacity = std::clamp(opacity, 0.0, 1.0);
    update();
}

void TImage::setWrapMode(TImageWrapMode mode)
{
    m_wrapMode = mode;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_bitmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(m_opacity);
    QRect target;
    switch (m_wrapMode) {
    case TImageWrapMode::Stretch:
        target = rect();
        break;
    case TImageWrapMode::Original:
        target = QRect(QPoint(0, 0), m_bitmap.size() / m_bitmap.devicePixelRatio());
        break;
    case TImageWrapMode::Fit: {
        const QSize size = (m_bitmap.size() / m_bitmap.devicePixelRatio())
                               .scaled(this->size(), Qt::KeepAspectRatio);
        target = QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
        break;
    }
    }
    painter.drawImage(target, m_bitmap);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    TControl<QWidget>::mousePressEvent(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    TControl<QWidget>::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        RunEvent(OnClick, this);
    }
}

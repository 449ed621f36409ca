#include "SpeedButton.h"

#include "ImageList.h"
#include "StyleIcons.h"

#include <QDialog>

#include <algorithm>

TSpeedButton::TSpeedButton(QWidget *parent, const QString &name)
    : TControl<QToolButton>(parent)
{
    setObjectName(name);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    resize(40, 40);
    connect(this, &QToolButton::clicked, this, [this] {
        RunEvent(OnClick, this);
        if (m_modalResult != 0) {
            if (auto *dialog = qobject_cast<QDialog *>(window()))
                dialog->done(m_modalResult);
        }
    });
    refreshLook();
}

void TSpeedButton::setStyleLookup(const QString &styleName)
{
    m_styleLookup = styleName;
    refreshLook();
}

void TSpeedButton::setImages(TImageList *images)
{
    m_images = images;
    refreshLook();
}

void TSpeedButton::setImageIndex(int index)
{
    m_imageIndex = index;
    refreshLook();
}

void TSpeedButton::setText(const QString &text)
{
    QToolButton::setText(text);
    refreshLook();
}

void TSpeedButton::setFontColor(TAlphaColor color)
{
    SetFontColor(this, color);
    refreshLook();
}

void TSpeedButton::setFontSize(double size)
{
    QFont value = font();
    SetFontSize(value, size);
    setFont(value);
}

void TSpeedButton::resizeEvent(QResizeEvent *event)
{
    TControl<QToolButton>::resizeEvent(event);
    const int side = std::max(8, std::min(width(), height()) * 3 / 5);
    setIconSize(QSize(side, side));
}

void TSpeedButton::refreshLook()
{
    QIcon picture;
    if (m_images && m_imageIndex >= 0)
        picture = m_images->Icon(m_imageIndex);
    if (picture.isNull() && !m_styleLookup.isEmpty())
        picture = StyleIcon(m_styleLookup, FontColor(this));
    setIcon(picture);
    setAutoRaise(!IsBorderedStyle(m_styleLookup));
    if (picture.isNull())
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    else if (text().isEmpty())
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    else
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

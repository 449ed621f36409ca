#include "App.Lib.Placement.h"

#include "Align.h"
#include "Label.h"

TPlacement::TPlacement(QWidget *AParent, int ACaptionToControl, int AControlHeight)
    : m_parent(AParent)
    , m_captionToControl(ACaptionToControl)
    , m_controlHeight(AControlHeight)
{ }

TLabel *TPlacement::Caption(const QString &AName, int x, int y, const QString &AText) const
{
    auto *label = new TLabel(m_parent, AName);
    label->setText(AText);
    label->setPosition(x, y);
    label->setAutoSize(true);
    return label;
}

QString TPlacement::controlName(const char *AClassName, QStringView AName)
{
    return QString::fromLatin1(AClassName).mid(1) + AName.toString();
}

void TPlacement::place(QWidget *AControl, int x, int y, int AWidth, int AHeight) const
{
    SetPosition(AControl, QPoint(x, y));
    SetSize(AControl, QSize(AWidth, AHeight > 0 ? AHeight : m_controlHeight));
}

#include "CheckBox.h"

TCheckBox::TCheckBox(QWidget *parent, const QString &name)
    : TControl<QCheckBox>(parent)
{
    setObjectName(name);
    resize(120, 19);
    connect(this, &QCheckBox::clicked, this, [this] { RunEvent(OnClick, this); });
}

TRadioButton::TRadioButton(QWidget *parent, const QString &name)
    : TControl<QRadioButton>(parent)
{
    setObjectName(name);
    resize(120, 19);
    connect(this, &QRadioButton::clicked, this, [this] { RunEvent(OnClick, this); });
}

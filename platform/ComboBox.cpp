#include "ComboBox.h"

TComboBox::TComboBox(QWidget *parent, const QString &name)
    : TControl<QComboBox>(parent)
{
    setObjectName(name);
    resize(150, 22);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { RunEvent(OnChange, this); });
}

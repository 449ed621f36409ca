#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QComboBox>

// A drop-down list of texts. Each item may carry a value (an id, a pointer to a row the form
// keeps); the list does not own what the values point to.
class TComboBox : public TControl<QComboBox>
{
    Q_OBJECT

public:
    explicit TComboBox(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange; // the chosen item changed

    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index) { setCurrentIndex(index); }
    QVariant selectedValue() const { return currentData(); }

    void setTextFont(const QFont &font) { setFont(font); }
};

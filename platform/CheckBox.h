#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QCheckBox>
#include <QRadioButton>

// A check box; OnClick runs after a click has changed its state (the handler reads the new one).
class TCheckBox : public TControl<QCheckBox>
{
    Q_OBJECT

public:
    explicit TCheckBox(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    void setTextFont(const QFont &font) { setFont(font); }
};

// A radio button; the buttons of one parent exclude each other.
class TRadioButton : public TControl<QRadioButton>
{
    Q_OBJECT

public:
    explicit TRadioButton(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnClick;

    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    void setTextFont(const QFont &font) { setFont(font); }
};

#pragma once

#include "Control.h"
#include "DateTime.h"
#include "TextSettings.h"

#include <QLineEdit>

class QAction;

// A date typed as "dd/mm/yyyy" or picked from a calendar, with an empty state: an empty date
// edit shows its blank mask and reads the empty text and the date 0. OnChange runs whenever the
// date changes (set by code, picked, or typed to a complete valid date) or the edit becomes
// empty.
class TDateEdit : public TControl<QLineEdit>
{
    Q_OBJECT

public:
    explicit TDateEdit(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange;
    TKeyEvent OnKeyDown;

    // The shown date, or an empty text when the edit is empty.
    QString text() const;
    bool isEmpty() const;
    // Emptying blanks the text (date() then reads 0); leaving the empty state shows today.
    void setIsEmpty(bool empty);
    // The date, or 0 when the edit is empty or holds no valid date.
    TDateTime date() const;
    void setDate(TDateTime date);

    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    void setTextFont(const QFont &font) { setFont(font); }

    // Opens the calendar under the edit.
    void openPicker();
    // The button inside the edit that empties it (hidden until asked for).
    bool clearButtonVisible() const;
    void setClearButtonVisible(bool visible);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void typedChange();
    void notifyIfChanged();

    QAction *m_clearButton = nullptr;
    TDateTime m_notifiedDate;
    bool m_notifiedEmpty = true;
};

#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QPlainTextEdit>
#include <QStringList>

// A text of several lines. OnChangeTracking runs after every change of the text; OnChange when
// the user leaves the memo after changing it, or when code sets the text.
class TMemo : public TControl<QPlainTextEdit>
{
    Q_OBJECT

public:
    explicit TMemo(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeTracking;
    TKeyEvent OnKeyDown;

    QString text() const { return toPlainText(); }
    void setText(const QString &text);
    QStringList lines() const;
    void setLines(const QStringList &lines);
    // The lines as one text, each ended by CR LF (how a memo's value travels in a request);
    // empty for an empty memo.
    QString linesText() const;

    // Limits and case apply to what the user types or pastes; 0 is no limit.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int length) { m_maxLength = length > 0 ? length : 0; }
    bool upperCase() const { return m_upperCase; }
    void setUpperCase(bool value) { m_upperCase = value; }
    bool wordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void setWordWrap(bool value);

    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    void setTextFont(const QFont &font) { setFont(font); }

    // The selection as start and length in characters, as the original's memo gives them.
    int selStart() const;
    int selLength() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString fitted(QString text) const;

    int m_maxLength = 0;
    bool m_upperCase = false;
    bool m_settingByCode = false;
    QString m_committedText;
};

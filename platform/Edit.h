#pragma once

#include "Control.h"
#include "TextSettings.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>

class TEdit;

enum class TEditCharCase { Normal, UpperCase, LowerCase };

enum class TEditButtonKind {
    Clear, // empties the edit, then runs OnClick
    Search,
    Password, // shows or hides the typed password
};

// A button inside an edit (the clear, search and password buttons of the forms). Its object
// name is the one the form gives it (ClearEditButtonPesquisar).
class TEditButton final : public QAction
{
    Q_OBJECT

public:
    TEditButton(TEdit *edit, TEditButtonKind kind, const QString &name);

    TNotifyEvent OnClick;
    TEditButtonKind kind() const { return m_kind; }
    // As a click on the button.
    void click();

private:
    TEdit *m_edit;
    TEditButtonKind m_kind;
};

// A one-line text edit with the original's events: OnChangeTracking after every change of the
// text, OnTyping after every change the user typed, OnChange when the text was set by code, or
// when the user leaves the edit or presses Enter after changing it, OnKeyDown before a key is
// handled (a handler may swallow or replace it). OnEnter also runs when the edit gets the focus
// with its window's activation (the window opened with the focus there), but not when the focus
// comes back to it with its window.
class TEdit : public TControl<QLineEdit>
{
    Q_OBJECT

public:
    explicit TEdit(QWidget *parent = nullptr, const QString &name = {});

    TNotifyEvent OnChange;
    TNotifyEvent OnChangeTracking;
    TNotifyEvent OnTyping;
    TKeyEvent OnKeyDown;

    // Sets the text as code does: OnChangeTracking and OnChange run.
    void setText(const QString &text);
    void clear();

    // 0 is no limit.
    int maxLength() const;
    void setMaxLength(int length);
    TEditCharCase charCase() const { return m_charCase; }
    void setCharCase(TEditCharCase charCase);
    bool password() const { return echoMode() == QLineEdit::Password; }
    void setPassword(bool value);

    TTextAlign textAlign() const { return m_textAlign; }
    void setTextAlign(TTextAlign align);
    TAlphaColor fontColor() const { return FontColor(this); }
    void setFontColor(TAlphaColor color) { SetFontColor(this, color); }
    void setTextFont(const QFont &font) { setFont(font); }
    void setFontSize(double size);

    TEditButton *addButton(TEditButtonKind kind, const QString &name);
    // The buttons still there (a binding may free the one it added).
    QList<TEditButton *> buttons() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void textChangedByAnyone();
    void finishChange();

    TEditCharCase m_charCase = TEditCharCase::Normal;
    TTextAlign m_textAlign = TTextAlign::Leading;
    QList<QPointer<TEditButton>> m_buttons;
    QString m_committedText;
    bool m_settingByCode = false;
    // The edit lost the focus with its window: the focus coming back with the window is no enter.
    bool m_focusLeftWithWindow = false;
};

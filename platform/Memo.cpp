#include "Memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

TMemo::TMemo(QWidget *parent, const QString &name)
    : TControl<QPlainTextEdit>(parent)
{
    setObjectName(name);
    resize(200, 100);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        RunEvent(OnChangeTracking, this);
        if (m_settingByCode) {
            m_committedText = toPlainText();
            RunEvent(OnChange, this);
        }
    });
}

void TMemo::setText(const QString &text)
{
    m_settingByCode = true;
    setPlainText(text);
    m_settingByCode = false;
}

QStringList TMemo::lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QString TMemo::linesText() const
{
    QString text;
    for (const QString &line : lines())
        text += line + QStringLiteral("\r\n");
    return text;
}

void TMemo::setLines(const QStringList &lines)
{
    setText(lines.join(u'\n'));
}

void TMemo::setWordWrap(bool value)
{
    setLineWrapMode(value ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

int TMemo::selStart() const
{
    return textCursor().selectionStart();
}

int TMemo::selLength() const
{
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

QString TMemo::fitted(QString text) const
{
    if (m_upperCase)
        text = text.toUpper();
    if (m_maxLength > 0) {
        const int room = m_maxLength - int(toPlainText().size()) + selLength();
        text.truncate(std::max(0, room));
    }
    return text;
}

void TMemo::keyPressEvent(QKeyEvent *event)
{
    int key = VirtualKeyOf(event->key());
    QChar keyChar;
    if (key == 0 && event->text().size() == 1 && event->text().at(0).isPrint())
        keyChar = event->text().at(0);
    if (OnKeyDown) {
        // Keys the handler cannot see as a key or a character (shortcuts such as Ctrl+C, lone
        // modifiers) pass unless the handler swallowed something it was given.
        const bool given = key != 0 || !keyChar.isNull();
        RunGuarded([&] { OnKeyDown(this, key, keyChar, event->modifiers()); });
        if (given && key == 0 && keyChar.isNull()) {
            event->accept();
            return;
        }
    }
    const bool typesText = !keyChar.isNull() || key == vkReturn;
    if (typesText && !isReadOnly()
        && !event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier)) {
        const QString typed = fitted(keyChar.isNull() ? QStringLiteral("\n") : QString(keyChar));
        event->accept();
        if (!typed.isEmpty())
            insertPlainText(typed);
        return;
    }
    TControl<QPlainTextEdit>::keyPressEvent(event);
}

void TMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText())
        insertPlainText(fitted(source->text()));
}

void TMemo::focusInEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_committedText = toPlainText();
    TControl<QPlainTextEdit>::focusInEvent(event);
}

void TMemo::focusOutEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason
        && toPlainText() != m_committedText) {
        m_committedText = toPlainText();
        RunEvent(OnChange, this);
    }
    TControl<QPlainTextEdit>::focusOutEvent(event);
}

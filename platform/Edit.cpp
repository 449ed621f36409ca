#include "Edit.h"

#include "StyleIcons.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

constexpr int UnlimitedLength = 32767;

// Turns typed and pasted letters to the edit's case before they reach the text.
class TCharCaseValidator final : public QValidator
{
public:
    TCharCaseValidator(TEditCharCase charCase, QObject *parent)
        : QValidator(parent)
        , m_charCase(charCase)
    { }

    State validate(QString &input, int &) const override
    {
        input = m_charCase == TEditCharCase::UpperCase ? input.toUpper() : input.toLower();
        return Acceptable;
    }

private:
    TEditCharCase m_charCase;
};

QChar typedChar(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() != 1 || !text.at(0).isPrint())
        return QChar();
    return text.at(0);
}

} // namespace

TEditButton::TEditButton(TEdit *edit, TEditButtonKind kind, const QString &name)
    : QAction(edit)
    , m_edit(edit)
    , m_kind(kind)
{
    setObjectName(name);
    constexpr TAlphaColor color = 0xFF5F6368;
    switch (kind) {
    case TEditButtonKind::Clear:
        setIcon(GlyphIcon(TGlyph::Clear, color));
        break;
    case TEditButtonKind::Search:
        setIcon(GlyphIcon(TGlyph::Search, color));
        break;
    case TEditButtonKind::Password:
        setIcon(GlyphIcon(TGlyph::Visibility, color));
        break;
    }
    connect(this, &QAction::triggered, this, &TEditButton::click);
}

void TEditButton::click()
{
    RunGuarded([this] {
        switch (m_kind) {
        case TEditButtonKind::Clear:
            m_edit->clear();
            break;
        case TEditButtonKind::Password:
            m_edit->setEchoMode(m_edit->echoMode() == QLineEdit::Password ? QLineEdit::Normal
                                                                          : QLineEdit::Password);
            break;
        case TEditButtonKind::Search:
            break;
        }
        if (OnClick)
            OnClick(this);
    });
}

TEdit::TEdit(QWidget *parent, const QString &name)
    : TControl<QLineEdit>(parent)
{
    setObjectName(name);
    resize(100, 22);
    connect(this, &QLineEdit::textChanged, this, &TEdit::textChangedByAnyone);
    connect(this, &QLineEdit::textEdited, this, [this] { RunEvent(OnTyping, this); });
}

void TEdit::setText(const QString &text)
{
    m_settingByCode = true;
    QLineEdit::setText(text);
    m_settingByCode = false;
}

void TEdit::clear()
{
    setText(QString());
}

int TEdit::maxLength() const
{
    const int length = QLineEdit::maxLength();
    return length >= UnlimitedLength ? 0 : length;
}

void TEdit::setMaxLength(int length)
{
    QLineEdit::setMaxLength(length > 0 ? length : UnlimitedLength);
}

void TEdit::setCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    if (QLineEdit::validator())
        delete QLineEdit::validator();
    setValidator(charCase == TEditCharCase::Normal ? nullptr
                                                   : new TCharCaseValidator(charCase, this));
}

void TEdit::setPassword(bool value)
{
    setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::setTextAlign(TTextAlign align)
{
    m_textAlign = align;
    setAlignment(ToQtAlignment(align, TTextAlign::Center));
}

void TEdit::setFontSize(double size)
{
    QFont value = font();
    SetFontSize(value, size);
    setFont(value);
}

TEditButton *TEdit::addButton(TEditButtonKind kind, const QString &name)
{
    auto *button = new TEditButton(this, kind, name);
    addAction(button, QLineEdit::TrailingPosition);
    m_buttons.removeIf([](const QPointer<TEditButton> &gone) { return gone.isNull(); });
    m_buttons.append(button);
    return button;
}

QList<TEditButton *> TEdit::buttons() const
{
    QList<TEditButton *> alive;
    for (const QPointer<TEditButton> &button : m_buttons) {
        if (button)
            alive.append(button.data());
    }
    return alive;
}

void TEdit::keyPressEvent(QKeyEvent *event)
{
    if (OnKeyDown) {
        int key = VirtualKeyOf(event->key());
        QChar keyChar = key == 0 ? typedChar(event) : QChar();
        const QChar original = keyChar;
        // Keys the handler cannot see as a key or a character (shortcuts such as Ctrl+C, lone
        // modifiers) pass unless the handler swallowed something it was given.
        const bool given = key != 0 || !keyChar.isNull();
        RunGuarded([&] { OnKeyDown(this, key, keyChar, event->modifiers()); });
        if (given && key == 0 && keyChar.isNull()) {
            event->accept();
            return;
        }
        if (keyChar != original && !keyChar.isNull()) {
            QKeyEvent replaced(event->type(), 0, event->modifiers(), QString(keyChar));
            TControl<QLineEdit>::keyPressEvent(&replaced);
            event->setAccepted(replaced.isAccepted());
            return;
        }
    }
    TControl<QLineEdit>::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        finishChange();
}

void TEdit::focusInEvent(QFocusEvent *event)
{
    // A window opened with the focus in the edit gives it with its activation, for which the
    // controls run no enter handler: here it is the edit's first enter all the same (a floating
    // caption rises above it).
    const bool firstWithWindow
        = event->reason() == Qt::ActiveWindowFocusReason && !m_focusLeftWithWindow;
    m_focusLeftWithWindow = false;
    if (firstWithWindow
        || (event->reason() != Qt::ActiveWindowFocusReason
            && event->reason() != Qt::PopupFocusReason))
        m_committedText = text();
    TControl<QLineEdit>::focusInEvent(event);
    if (firstWithWindow)
        RunEvent(OnEnter, this);
}

void TEdit::focusOutEvent(QFocusEvent *event)
{
    m_focusLeftWithWindow = event->reason() == Qt::ActiveWindowFocusReason;
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        finishChange();
    TControl<QLineEdit>::focusOutEvent(event);
}

void TEdit::textChangedByAnyone()
{
    RunEvent(OnChangeTracking, this);
    if (m_settingByCode) {
        m_committedText = text();
        RunEvent(OnChange, this);
    }
}

void TEdit::finishChange()
{
    if (text() == m_committedText)
        return;
    m_committedText = text();
    RunEvent(OnChange, this);
}

#include "DateEdit.h"

#include "StyleIcons.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>

namespace {

bool hasDigits(const QString &text)
{
    for (QChar c : text) {
        if (c.isDigit())
            return true;
    }
    return false;
}

} // namespace

TDateEdit::TDateEdit(QWidget *parent, const QString &name)
    : TControl<QLineEdit>(parent)
{
    setObjectName(name);
    resize(120, 22);
    setInputMask(QStringLiteral("99/99/9999;_"));
    auto *picker = new QAction(GlyphIcon(TGlyph::CalendarToday, 0xFF5F6368), QString(), this);
    addAction(picker, QLineEdit::TrailingPosition);
    connect(picker, &QAction::triggered, this, &TDateEdit::openPicker);
    connect(this, &QLineEdit::textEdited, this, &TDateEdit::typedChange);
}

QString TDateEdit::text() const
{
    return isEmpty() ? QString() : displayText();
}

bool TDateEdit::isEmpty() const
{
    return !hasDigits(QLineEdit::text());
}

void TDateEdit::setIsEmpty(bool empty)
{
    if (empty) {
        QLineEdit::setText(QString());
        notifyIfChanged();
    } else if (isEmpty()) {
        setDate(Date());
    }
}

TDateTime TDateEdit::date() const
{
    const QDate parsed = QDate::fromString(displayText(), QStringLiteral("dd/MM/yyyy"));
    if (!parsed.isValid())
        return 0.0;
    return QDateToDateTime(parsed);
}

void TDateEdit::setDate(TDateTime value)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(value, year, month, day);
    QLineEdit::setText(QStringLiteral("%1/%2/%3")
                           .arg(day, 2, 10, QLatin1Char('0'))
                           .arg(month, 2, 10, QLatin1Char('0'))
                           .arg(year, 4, 10, QLatin1Char('0')));
    notifyIfChanged();
}

bool TDateEdit::clearButtonVisible() const
{
    return m_clearButton && m_clearButton->isVisible();
}

void TDateEdit::setClearButtonVisible(bool visible)
{
    if (!m_clearButton) {
        if (!visible)
            return;
        m_clearButton = new QAction(GlyphIcon(TGlyph::Clear, 0xFF5F6368), QString(), this);
        m_clearButton->setObjectName(QStringLiteral("ClearButton") + objectName());
        addAction(m_clearButton, QLineEdit::TrailingPosition);
        connect(m_clearButton, &QAction::triggered, this, [this] {
            RunGuarded([this] { setIsEmpty(true); });
        });
    }
    m_clearButton->setVisible(visible);
}

void TDateEdit::openPicker()
{
    auto *calendar = new QCalendarWidget(this);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setGridVisible(true);
    if (!isEmpty() && date() != 0.0)
        calendar->setSelectedDate(DateTimeToQDateTime(date()).date());
    connect(calendar, &QCalendarWidget::clicked, this, [this, calendar](const QDate &picked) {
        calendar->close();
        RunGuarded([&] { setDate(QDateToDateTime(picked)); });
    });
    calendar->move(mapToGlobal(QPoint(0, height())));
    calendar->show();
}

void TDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (OnKeyDown) {
        int key = VirtualKeyOf(event->key());
        QChar keyChar;
        if (key == 0 && event->text().size() == 1 && event->text().at(0).isPrint())
            keyChar = event->text().at(0);
        // Keys the handler cannot see as a key or a character (shortcuts such as Ctrl+C, lone
        // modifiers) pass unless the handler swallowed something it was given.
        const bool given = key != 0 || !keyChar.isNull();
        RunGuarded([&] { OnKeyDown(this, key, keyChar, event->modifiers()); });
        if (given && key == 0 && keyChar.isNull()) {
            event->accept();
            return;
        }
    }
    TControl<QLineEdit>::keyPressEvent(event);
}

void TDateEdit::typedChange()
{
    // A date being typed counts once it is complete and valid, or when it is erased.
    if (isEmpty() || date() != 0.0)
        notifyIfChanged();
}

void TDateEdit::notifyIfChanged()
{
    const bool empty = isEmpty();
    const TDateTime current = empty ? TDateTime() : date();
    if (empty == m_notifiedEmpty && current == m_notifiedDate)
        return;
    m_notifiedEmpty = empty;
    m_notifiedDate = current;
    RunEvent(OnChange, this);
}

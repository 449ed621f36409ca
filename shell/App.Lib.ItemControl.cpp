#include "App.Lib.ItemControl.h"

#include "App.Lib.Exception.h"
#include "App.Lib.PropertyText.h"
#include "App.Lib.Utils.h"
#include "CheckBox.h"
#include "Common.Base.Serialize.h"
#include "ComboBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "Memo.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "SysUtils.h"

#include <QFontMetrics>
#include <QPointer>

namespace {

const QString EmptyDateMask = QStringLiteral("__/__/____");

std::function<void()> &userActivityHandler()
{
    static std::function<void()> handler;
    return handler;
}

TOpenFormCadastro &openFormHandler()
{
    static TOpenFormCadastro handler;
    return handler;
}

// The events of a control that a binding takes over; null where the control has none.
struct TControlEvents
{
    TNotifyEvent *Change = nullptr;
    TNotifyEvent *Enter = nullptr;
    TNotifyEvent *Exit = nullptr;
    TKeyEvent *KeyDown = nullptr;
    TNotifyEvent *Typing = nullptr;
    TNotifyEvent *MouseEnter = nullptr;
    TNotifyEvent *MouseLeave = nullptr;
};

template<class Base>
bool commonEvents(QWidget *control, TControlEvents &events)
{
    auto *typed = dynamic_cast<TControl<Base> *>(control);
    if (!typed)
        return false;
    events.Enter = &typed->OnEnter;
    events.Exit = &typed->OnExit;
    events.MouseEnter = &typed->OnMouseEnter;
    events.MouseLeave = &typed->OnMouseLeave;
    return true;
}

TControlEvents eventsOf(QWidget *control)
{
    TControlEvents events;
    if (!control)
        return events;
    commonEvents<QLineEdit>(control, events) || commonEvents<QPlainTextEdit>(control, events)
        || commonEvents<QCheckBox>(control, events) || commonEvents<QRadioButton>(control, events)
        || commonEvents<QComboBox>(control, events) || commonEvents<QWidget>(control, events)
        || commonEvents<QLabel>(control, events) || commonEvents<QToolButton>(control, events)
        || commonEvents<QScrollArea>(control, events);
    if (auto *edit = qobject_cast<TEdit *>(control)) {
        events.Change = &edit->OnChangeTracking;
        events.KeyDown = &edit->OnKeyDown;
        events.Typing = &edit->OnTyping;
    } else if (auto *memo = qobject_cast<TMemo *>(control)) {
        events.Change = &memo->OnChangeTracking;
        events.KeyDown = &memo->OnKeyDown;
    } else if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
        events.Change = &dateEdit->OnChange;
        events.KeyDown = &dateEdit->OnKeyDown;
    } else if (auto *checkBox = qobject_cast<TCheckBox *>(control)) {
        events.Change = &checkBox->OnClick;
    } else if (auto *radioButton = qobject_cast<TRadioButton *>(control)) {
        events.Change = &radioButton->OnClick;
    }
    return events;
}

bool isChecked(const QWidget *control)
{
    if (const auto *checkBox = qobject_cast<const TCheckBox *>(control))
        return checkBox->isChecked();
    if (const auto *radioButton = qobject_cast<const TRadioButton *>(control))
        return radioButton->isChecked();
    return false;
}

void setChecked(QWidget *control, bool checked)
{
    if (auto *checkBox = qobject_cast<TCheckBox *>(control))
        checkBox->setChecked(checked);
    else if (auto *radioButton = qobject_cast<TRadioButton *>(control))
        radioButton->setChecked(checked);
}

bool isCheckable(const QWidget *control)
{
    return qobject_cast<const TCheckBox *>(control) || qobject_cast<const TRadioButton *>(control);
}

bool hasDigit(const QString &text)
{
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            return true;
    }
    return false;
}

// A date edit that shows no date: no text, or the blank mask.
bool dateEditEmpty(const TDateEdit *dateEdit)
{
    const QString text = dateEdit->text();
    return text.isEmpty() || text == EmptyDateMask;
}

} // namespace

// The control's own handlers, kept when it is bound and given back when the binding goes, and
// the buttons the binding added to it.
struct TItemControl::TKeptHandlers
{
    TNotifyEvent Change;
    TNotifyEvent Enter;
    TNotifyEvent Exit;
    TKeyEvent KeyDown;
    TNotifyEvent Typing;
    TNotifyEvent MouseEnter;
    TNotifyEvent MouseLeave;

    bool ChangeTaken = false;
    bool EnterTaken = false;
    bool ExitTaken = false;
    bool KeyDownTaken = false;
    bool TypingTaken = false;
    bool MouseTaken = false;

    QPointer<TEditButton> ClearButton;
    QPointer<TEditButton> SearchButton;
    QPointer<TSpeedButton> ButtonCadastro;
};

TItemControl::TItemControl()
    : m_kept(std::make_unique<TKeptHandlers>())
{ }

TItemControl::~TItemControl()
{
    releaseControl();
}

void TItemControl::releaseControl()
{
    delete m_kept->ClearButton.data();
    delete m_kept->SearchButton.data();
    delete m_kept->ButtonCadastro.data();
    const TControlEvents events = eventsOf(m_control.data());
    if (events.Change && m_kept->ChangeTaken)
        *events.Change = m_kept->Change;
    if (events.Enter && m_kept->EnterTaken)
        *events.Enter = m_kept->Enter;
    if (events.Exit && m_kept->ExitTaken)
        *events.Exit = m_kept->Exit;
    if (events.KeyDown && m_kept->KeyDownTaken)
        *events.KeyDown = m_kept->KeyDown;
    if (events.Typing && m_kept->TypingTaken)
        *events.Typing = m_kept->Typing;
    if (events.MouseEnter && m_kept->MouseTaken) {
        *events.MouseEnter = m_kept->MouseEnter;
        *events.MouseLeave = m_kept->MouseLeave;
    }
    *m_kept = TKeptHandlers();
    m_control = nullptr;
}

void TItemControl::SetControl(QWidget *AControl)
{
    if (m_control == AControl)
        return;
    releaseControl();
    m_control = AControl;
    const TControlEvents events = eventsOf(AControl);
    if (events.Enter)
        m_kept->Enter = *events.Enter;
    if (events.Exit)
        m_kept->Exit = *events.Exit;
    if (events.KeyDown)
        m_kept->KeyDown = *events.KeyDown;
    if (events.Typing)
        m_kept->Typing = *events.Typing;
    if (events.MouseEnter) {
        m_kept->MouseEnter = *events.MouseEnter;
        m_kept->MouseLeave = *events.MouseLeave;
    }
    if (events.Change) {
        m_kept->Change = *events.Change;
        m_kept->ChangeTaken = true;
        *events.Change
            = [this](QObject *sender) { TDravikHandleException::Guard([&] { changed(sender); }); };
    }
    placeButtonCadastro();
}

void TItemControl::ConnectHandlers()
{
    QWidget *control = m_control.data();
    const TControlEvents events = eventsOf(control);
    if (events.MouseEnter) {
        m_kept->MouseTaken = true;
        *events.MouseEnter = [this](QObject *sender) {
            TDravikHandleException::Guard([&] { ProcMouseEnter(sender); });
        };
        *events.MouseLeave = [this](QObject *sender) {
            TDravikHandleException::Guard([&] { ProcMouseLeave(sender); });
        };
    }
    auto keyDown = [this](void (TItemControl::*handler)(
                       QObject *, int &, QChar &, Qt::KeyboardModifiers)) {
        return [this,
                handler](QObject *sender, int &key, QChar &keyChar, Qt::KeyboardModifiers shift) {
            TDravikHandleException::Guard([&] { (this->*handler)(sender, key, keyChar, shift); });
        };
    };
    if (qobject_cast<TDateEdit *>(control)) {
        m_kept->KeyDownTaken = true;
        *events.KeyDown = keyDown(&TItemControl::ProcKeyDownDateEdit);
        return;
    }
    auto *edit = qobject_cast<TEdit *>(control);
    if (!edit && !qobject_cast<TMemo *>(control))
        return;
    m_kept->EnterTaken = m_kept->ExitTaken = m_kept->KeyDownTaken = true;
    *events.Enter
        = [this](QObject *sender) { TDravikHandleException::Guard([&] { ProcEnter(sender); }); };
    *events.Exit
        = [this](QObject *sender) { TDravikHandleException::Guard([&] { ProcExit(sender); }); };
    *events.KeyDown = keyDown(&TItemControl::ProcKeyDown);
    if (edit && TypeFormat != TFormatterEdit::Null && TypeFormat != TFormatterEdit::Valor) {
        m_kept->TypingTaken = true;
        *events.Typing = [this](QObject *sender) {
            TDravikHandleException::Guard([&] { ProcTyping(sender); });
        };
    }
}

void TItemControl::AddClearButton()
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (!edit || m_kept->ClearButton)
        return;
    m_kept->ClearButton = edit->addButton(TEditButtonKind::Clear,
                                          QStringLiteral("ClearEditButton") + edit->objectName());
    m_kept->ClearButton->OnClick
        = [this](QObject *sender) { TDravikHandleException::Guard([&] { Clear(sender); }); };
}

bool TItemControl::HasExitHandler() const
{
    const TControlEvents events = eventsOf(m_control.data());
    return events.Exit && *events.Exit;
}

void TItemControl::SetClassPesquisa(const QString &AClassName)
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (!edit) {
        m_classPesquisa.clear();
        return;
    }
    m_classPesquisa = AClassName;
    if (AClassName.isEmpty()) {
        delete m_kept->SearchButton.data();
        return;
    }
    if (m_kept->SearchButton)
        return;
    m_kept->SearchButton = edit->addButton(TEditButtonKind::Search,
                                           QStringLiteral("SearchEditButton") + edit->objectName());
    m_kept->SearchButton->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([&] { ClickSearch(); }); };
}

bool TItemControl::IsPesquisa() const
{
    return !m_classPesquisa.isEmpty() && qobject_cast<TEdit *>(m_control.data());
}

void TItemControl::SetFormClassCadastro(const QString &AFormClassName)
{
    m_formClassCadastro = AFormClassName;
    placeButtonCadastro();
}

void TItemControl::placeButtonCadastro()
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (m_formClassCadastro.isEmpty() || !edit || m_kept->ButtonCadastro)
        return;
    auto *button = new TSpeedButton(edit->parentWidget(),
                                    QStringLiteral("SpeedButtonCadastro") + edit->objectName());
    button->setStyleLookup(QStringLiteral("composetoolbutton"));
    button->setGeometry(edit->x() + edit->width() + 8, edit->y(), edit->height(), edit->height());
    button->OnClick
        = [this](QObject *) { TDravikHandleException::Guard([&] { ClickButtonCadastro(); }); };
    m_kept->ButtonCadastro = button;
}

void TItemControl::SetDesactiveEnabled(bool AValue)
{
    m_desactiveEnabled = AValue;
    if (m_control)
        m_control->setEnabled(!AValue);
}

bool TItemControl::Visible() const
{
    const QWidget *control = m_control.data();
    return control
        && !(control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void TItemControl::SetVisible(bool AValue)
{
    if (m_control)
        m_control->setVisible(AValue);
    if (CaptionControl)
        CaptionControl->setVisible(AValue);
}

QString TItemControl::ValueControl() const
{
    QWidget *control = m_control.data();
    QString value;
    if (auto *edit = qobject_cast<TEdit *>(control)) {
        value = IsPesquisa() ? QString::number(Id) : RemoveMaskByType(edit->text(), TypeFormat);
        if (IsUpper)
            value = value.toUpper();
    } else if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
        value = !dateEditEmpty(dateEdit) && dateEdit->date() != 0.0 ? DateToStr(dateEdit->date())
                                                                    : QStringLiteral("0");
    } else if (isCheckable(control)) {
        value = isChecked(control) ? QStringLiteral("-1") : QStringLiteral("0");
    } else if (auto *memo = qobject_cast<TMemo *>(control)) {
        value = memo->text();
    }
    return value;
}

void TItemControl::SetValueControl(const QString &AValue)
{
    QWidget *control = m_control.data();
    if (auto *edit = qobject_cast<TEdit *>(control)) {
        if (!IsPesquisa()) {
            edit->setText(AValue);
            ProcExit(edit);
            return;
        }
        std::int64_t id = 0;
        if (!TryStrToInt64(AValue.trimmed(), id) || id == 0) {
            if (IsFillForm)
                edit->clear();
            return;
        }
        resetPesquisa();
        Id = id;
        // The value is an id: it is found directly, whatever CodigoPersonalizado says.
        const bool codigoPersonalizado = CodigoPersonalizado;
        CodigoPersonalizado = false;
        ClickSearch();
        CodigoPersonalizado = codigoPersonalizado;
        ProcExit(edit);
    } else if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
        const TDateTime date
            = AValue.isEmpty() ? TDateTime() : TPropertyText::TextToDateTime(AValue);
        if (date == 0.0)
            dateEdit->setIsEmpty(true);
        else
            dateEdit->setDate(date);
    } else if (isCheckable(control)) {
        setChecked(control, StrToBool(AValue));
    } else if (auto *memo = qobject_cast<TMemo *>(control)) {
        memo->setText(AValue);
    }
}

QString TItemControl::GetRttiPropName(bool AContainFilter) const
{
    if (!m_control)
        return QString();
    QString name = m_control->objectName();
    const QString className = QString::fromLatin1(m_control->metaObject()->className()).mid(1);
    const qsizetype at = className.isEmpty() ? -1 : name.indexOf(className);
    if (at >= 0)
        name.remove(at, className.size());
    if (AContainFilter)
        name.remove(QStringLiteral("Filter"));
    if (IsPesquisa() && !name.toUpper().startsWith(QStringLiteral("LISTA")))
        name.prepend(QStringLiteral("Id"));
    return name;
}

bool TItemControl::IsEmpty() const
{
    QWidget *control = m_control.data();
    // Blanks alone are no value: saved, they would become an empty text.
    if (auto *edit = qobject_cast<TEdit *>(control))
        return edit->text().trimmed().isEmpty();
    if (auto *memo = qobject_cast<TMemo *>(control))
        return memo->text().trimmed().isEmpty();
    if (auto *dateEdit = qobject_cast<TDateEdit *>(control))
        return dateEditEmpty(dateEdit);
    return false;
}

QString TItemControl::ErrorMessage() const
{
    return Format(QStringLiteral("WARNING:O campo %s não possui um valor válido."),
                  { TitleControl });
}

QString TItemControl::ValueFilterReport() const
{
    if (IsEmpty())
        return QString();
    QWidget *control = m_control.data();
    const QString value = ValueControl();
    if (auto *edit = qobject_cast<TEdit *>(control))
        return value + u'#' + edit->text();
    if (auto *memo = qobject_cast<TMemo *>(control))
        return value + u'#' + memo->text();
    if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
        const QString date = FormatDateTime(QStringLiteral("mm-dd-yyyy"), dateEdit->date());
        return date + u'#' + date;
    }
    if (isCheckable(control)) {
        const QString shown = value == u"-1" ? QStringLiteral("Sim") : QStringLiteral("Não");
        return value.toUpper() + u'#' + shown.toUpper();
    }
    return value + u'#' + value;
}

void TItemControl::Clear(QObject *)
{
    QWidget *control = m_control.data();
    if (auto *edit = qobject_cast<TEdit *>(control)) {
        edit->clear();
        if (!IsFillForm && !ValueDefault.isEmpty())
            edit->setText(ValueDefault);
    } else if (auto *dateEdit = qobject_cast<TDateEdit *>(control)) {
        dateEdit->setDate(Date());
        dateEdit->setIsEmpty(true);
        if (!IsFillForm && !ValueDefault.isEmpty()) {
            const TDateTime date = TPropertyText::TextToDateTime(ValueDefault);
            if (date != 0.0)
                dateEdit->setDate(date);
        }
    } else if (isCheckable(control)) {
        setChecked(control, false);
        if (!IsFillForm && !ValueDefault.isEmpty())
            setChecked(control, StrToBool(ValueDefault));
    } else if (auto *memo = qobject_cast<TMemo *>(control)) {
        memo->clear();
        if (!IsFillForm && !ValueDefault.isEmpty())
            memo->setText(ValueDefault);
    }
    if (IsPesquisa())
        resetPesquisa();
}

void TItemControl::resetPesquisa()
{
    Id = 0;
    if (CaptionControl)
        CaptionControl->setText(TitleControl);
    if (ProcPesquisa)
        ProcPesquisa(nullptr, TTypeEventProc::epClear);
}

void TItemControl::ClickSearch()
{
    if (!IsPesquisa())
        return;
    if (ProcBeforeSearch)
        ProcBeforeSearch(this);
    bool failed = false;
    try {
        const auto execute = TClassRegistry::FindFactory<TPesquisaExecute>(m_classPesquisa);
        if (execute) {
            TPesquisaRequest request;
            request.ValueFixFilter = ValueFixFilter;
            request.TitleFormPesquisa
                = CaptionControl ? CaptionControl->text().trimmed() : QString();
            request.IdFind = Id;
            execute(*this, request);
        } else {
            failed = true;
            TDravikHandleException::Handle(Format(
                QStringLiteral("ERROR:A pesquisa %s não está disponível."), { m_classPesquisa }));
        }
    } catch (...) {
        // The lookup has already told the person what went wrong.
        failed = true;
    }
    if (!failed)
        return;
    // The edit is left for the person to correct, or emptied when it sits on no window.
    QWidget *control = m_control.data();
    if (control && control->parentWidget())
        TAppUtils::DelayedSetFocus(control);
    else
        Clear(control);
}

void TItemControl::ClickButtonCadastro(const std::function<void(QWidget *AForm)> &AProc)
{
    const TOpenFormCadastro &open = openFormHandler();
    if (!open) {
        throw Exception(Format(QStringLiteral("ERROR:O formulário %s não está disponível."),
                               { m_formClassCadastro }));
    }
    QWidget *form = open(m_formClassCadastro, this);
    if (AProc)
        AProc(form);
}

void TItemControl::changed(QObject *Sender)
{
    if (ProcChange)
        ProcChange(m_control.data());
    if (IsPesquisa())
        resetPesquisa();
    if (m_kept->Change)
        m_kept->Change(Sender);
}

void TItemControl::ProcEnter(QObject *Sender)
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (edit && TypeFormat == TFormatterEdit::Valor) {
        edit->setTextAlign(TTextAlign::Leading);
        edit->setText(QString(edit->text()).remove(u'.'));
        edit->selectAll();
    }
    if (m_kept->Enter)
        m_kept->Enter(Sender);
}

void TItemControl::ProcExit(QObject *Sender)
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (edit && TypeFormat == TFormatterEdit::Valor)
        edit->setTextAlign(TTextAlign::Trailing);
    if (TypeFormat != TFormatterEdit::Null)
        formatEdit(TypeFormat == TFormatterEdit::Personalizado ? MaskCustom : QString());
    if (edit && IsPesquisa() && CaptionControl
        && ((!edit->text().isEmpty() && Id == 0) || (edit->text().isEmpty() && Id != 0))) {
        CaptionControl->setText(TitleControl + QStringLiteral(" - INFORMAÇÃO NÃO LOCALIZADA"));
        widenCaption();
    }
    if (m_kept->Exit)
        m_kept->Exit(Sender);
}

void TItemControl::ProcKeyDown(QObject *Sender,
                               int &Key,
                               QChar &KeyChar,
                               Qt::KeyboardModifiers Shift)
{
    userActivity();
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (edit && TypeFormat == TFormatterEdit::Valor && Key == 0 && !KeyChar.isNull()) {
        const QString text = edit->text();
        bool accepted = KeyChar >= u'0' && KeyChar <= u'9';
        if (KeyChar == u',')
            accepted = !text.contains(u',');
        else if (KeyChar == u'-')
            accepted = !text.contains(u'-') && edit->cursorPosition() == 0;
        if (!accepted)
            KeyChar = QChar();
    }
    if (IsPesquisa() && Key == vkReturn) {
        ClickSearch();
        Key = 0;
        KeyChar = QChar();
    }
    if (m_kept->KeyDown)
        m_kept->KeyDown(Sender, Key, KeyChar, Shift);
}

void TItemControl::ProcKeyDownDateEdit(QObject *Sender,
                                       int &Key,
                                       QChar &KeyChar,
                                       Qt::KeyboardModifiers Shift)
{
    userActivity();
    if (m_kept->KeyDown)
        m_kept->KeyDown(Sender, Key, KeyChar, Shift);
}

void TItemControl::ProcTyping(QObject *Sender)
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (edit && TypeFormat != TFormatterEdit::Null) {
        const qsizetype before = edit->text().size();
        const int caret = edit->cursorPosition();
        formatEdit(TypeFormat == TFormatterEdit::Personalizado ? MaskCustom : QString());
        const qsizetype after = edit->text().size();
        const int moved = after > before ? caret + int(after - before) : caret;
        edit->setCursorPosition(std::min(moved, int(after)));
    }
    if (m_kept->Typing)
        m_kept->Typing(Sender);
}

void TItemControl::ProcMouseEnter(QObject *Sender)
{
    userActivity();
    if (m_kept->MouseEnter)
        m_kept->MouseEnter(Sender);
}

void TItemControl::ProcMouseLeave(QObject *Sender)
{
    userActivity();
    if (m_kept->MouseLeave)
        m_kept->MouseLeave(Sender);
}

void TItemControl::formatEdit(const QString &AMask)
{
    auto *edit = qobject_cast<TEdit *>(m_control.data());
    if (!edit)
        return;
    // A lone sign or comma left in an amount or weight reads as zero instead of failing in the
    // middle of the person's typing or on leaving the edit.
    if ((TypeFormat == TFormatterEdit::Valor || TypeFormat == TFormatterEdit::Peso)
        && !hasDigit(edit->text()))
        edit->clear();
    FormatEditByType(edit, TypeFormat, DecimalsPlaces, AMask);
}

void TItemControl::widenCaption()
{
    if (!CaptionControl)
        return;
    const QFontMetrics metrics(CaptionControl->font());
    CaptionControl->setWidth(metrics.horizontalAdvance(CaptionControl->text()) + 10);
}

void TItemControl::userActivity()
{
    if (userActivityHandler())
        userActivityHandler()();
}

void TItemControl::SetUserActivity(std::function<void()> AUserActivity)
{
    userActivityHandler() = std::move(AUserActivity);
}

void TItemControl::SetOpenFormCadastro(TOpenFormCadastro AOpenForm)
{
    openFormHandler() = std::move(AOpenForm);
}

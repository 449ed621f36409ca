#pragma once

#include "Common.Lib.Formatter.Edit.h"
#include "Events.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class TBaseDto;
class TItemControl;
class TLabel;

// What a lookup tells its bound control: a record was found, or the lookup was cleared.
enum class TTypeEventProc { epSearch, epClear };

// Told the outcome of a lookup: the record found (the lookup's own, valid during the call) with
// epSearch, or no record with epClear.
using TProcPesquisa = std::function<void(TBaseDto *ARecord, TTypeEventProc AEvent)>;
// Runs before a lookup, with the binding that starts it.
using TProcSearch = std::function<void(TItemControl *AItemControl)>;

// What a bound lookup edit hands its lookup class.
struct TPesquisaRequest
{
    QString ValueFixFilter;
    QString TitleFormPesquisa; // the caption label's text, trimmed
    std::int64_t IdFind = 0; // the chosen record's id; 0 finds by the edit's text
};
// How a lookup class runs one lookup for a bound edit. Every lookup class (TPesquisa descendant)
// registers one in the class registry under its class name:
//
//     const TClassRegistration registration(QStringLiteral("TPesquisaPessoa"),
//                                           TPesquisaExecute([](TItemControl &item,
//                                                               const TPesquisaRequest &request) {
//                                               ...
//                                           }));
//
// It creates the lookup, runs it for the item and keeps it alive as long as its search window
// is open. A record that cannot be found raises.
using TPesquisaExecute
    = std::function<void(TItemControl &AItemControl, const TPesquisaRequest &ARequest)>;

// Opens a registration window by class name for a bound lookup edit (the window hands the id it
// saves back to the binding) and returns the window.
using TOpenFormCadastro
    = std::function<QWidget *(const QString &AFormClassName, TItemControl *AItemControl)>;

// Ties one control of a window to one property of a record or filter object, found by name at
// run time: the name comes from the control's object name (EditNome binds Nome). It reads and
// writes the control's value as text, tells whether it is empty, builds the report filter text,
// formats typed text by its TFormatterEdit kind and drives a lookup of another record from an
// edit. Windows create the bindings in their control-registration step through a
// TManagerControl, which owns them and prepares the controls.
//
// Binding order: TitleControl, SetControl, the flags, CaptionControl, then SetClassPesquisa and
// SetFormClassCadastro (both need the control).
class TItemControl final
{
public:
    TItemControl();
    // Gives the control back its own handlers and frees the buttons the binding added to it.
    ~TItemControl();
    TItemControl(const TItemControl &) = delete;
    TItemControl &operator=(const TItemControl &) = delete;

    std::int64_t Id = 0; // the record chosen in a lookup edit; 0 for none
    QString TitleControl;
    bool IsRequired = false;
    bool NotClear = false; // clearing the form leaves the control alone
    int MaxLength = 0; // of an edit's or memo's text; 0 is no limit
    bool IsUpper = false;
    QPointer<TLabel> CaptionControl;
    QString MaskCustom; // the mask of Personalizado
    TFormatterEdit TypeFormat = TFormatterEdit::Null;
    QString ValueFixFilter; // handed to the lookup (a system list: the list's type)
    bool IgnoreSave = false; // not copied into the record; never fails the required check
    int DecimalsPlaces = 0; // of Valor and Peso
    QString OtherInfo; // extra text a lookup leaves (a system-list code)
    QString ValueDefault; // applied when the control is cleared
    TProcPesquisa ProcPesquisa;
    TNotifyEvent ProcChange; // the control's value changed
    TProcSearch ProcBeforeSearch;
    bool IsFillForm = false; // a record is being copied in: defaults are not applied
    bool CodigoPersonalizado = false; // a number typed into a lookup edit is a code, not an id

    // The bound control: TEdit, TMemo, TDateEdit, TCheckBox or TRadioButton (any other is bound
    // by name only). Keeps the control's own handlers, which run after the binding's, and puts
    // the change handler in place.
    QWidget *Control() const { return m_control.data(); }
    void SetControl(QWidget *AControl);

    // The lookup class by name; makes an edit a lookup edit with a search button inside it.
    // Dropped for any other control, or before the control is set.
    const QString &ClassPesquisa() const { return m_classPesquisa; }
    void SetClassPesquisa(const QString &AClassName);
    // An edit is a lookup edit.
    bool IsPesquisa() const;

    // The registration window opened by the button beside a lookup edit, by class name; the
    // button is placed once, right of the edit.
    const QString &FormClassCadastro() const { return m_formClassCadastro; }
    void SetFormClassCadastro(const QString &AFormClassName);

    // The control stays disabled.
    bool DesactiveEnabled() const { return m_desactiveEnabled; }
    void SetDesactiveEnabled(bool AValue);

    // The control's own visibility; setting it shows or hides the caption label too.
    bool Visible() const;
    void SetVisible(bool AValue);

    // The control's value as text: a lookup's id ("0" for none), an edit's text without its
    // mask, a date edit's date as a regional short date ("0" for none), "-1" or "0" for a check
    // box or radio button, a memo's text.
    QString ValueControl() const;
    // An edit takes the text and is formatted as on leaving; a lookup with a non-zero id looks
    // that record up; a date edit takes the date or is emptied; a check box or radio button is
    // checked as the text reads as a boolean; a memo takes the text. A date or boolean that does
    // not read raises EConvertError.
    void SetValueControl(const QString &AValue);

    // The property name: the control's object name without its class name less the "T"
    // (EditNome gives Nome), without "Filter" for a filter control, with "Id" in front for a
    // lookup unless the name begins with "LISTA".
    QString GetRttiPropName(bool AContainFilter) const;

    // An edit or memo without text (or only blanks), a date edit without a date; never a check
    // box or radio.
    bool IsEmpty() const;
    // "WARNING:O campo %s não possui um valor válido." with the title.
    QString ErrorMessage() const;
    // The report filter text: value, "#" and display text; empty for an empty control.
    QString ValueFilterReport() const;

    // Empties the control and applies ValueDefault (unless a record is being filled); a lookup
    // forgets its record.
    void Clear(QObject *Sender = nullptr);
    // Runs the lookup of a lookup edit. Its failures end here: the edit takes the focus back
    // later when it sits on a window, and is cleared otherwise.
    void ClickSearch();
    // Opens FormClassCadastro and hands the window to the procedure when one is given.
    void ClickButtonCadastro(const std::function<void(QWidget *AForm)> &AProc = {});

    // The handlers the manager puts on the control; each runs the control's own after its work.
    void ProcEnter(QObject *Sender);
    void ProcExit(QObject *Sender);
    void ProcKeyDown(QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift);
    void
    ProcKeyDownDateEdit(QObject *Sender, int &Key, QChar &KeyChar, Qt::KeyboardModifiers Shift);
    void ProcTyping(QObject *Sender);
    void ProcMouseEnter(QObject *Sender);
    void ProcMouseLeave(QObject *Sender);

    // The manager's set-up: pointer handlers on every control, key-down on a date edit, enter,
    // exit and key-down on edits and memos, typing on edits of a format other than Null and
    // Valor. Failures inside them are shown, never thrown into Qt.
    void ConnectHandlers();
    // The manager's set-up: the button inside an edit that clears the binding (added once).
    void AddClearButton();
    // The control has a leave handler (its own or the binding's).
    bool HasExitHandler() const;

    // What the binding reports to the application object, which installs these: user activity
    // (restarts the inactivity lock) and the opening of registration windows. Until then a
    // binding reports nothing and opens no window.
    static void SetUserActivity(std::function<void()> AUserActivity);
    static void SetOpenFormCadastro(TOpenFormCadastro AOpenForm);

private:
    struct TKeptHandlers;

    void releaseControl();
    void changed(QObject *Sender);
    void resetPesquisa();
    void formatEdit(const QString &AMask);
    void placeButtonCadastro();
    void widenCaption();
    static void userActivity();

    QPointer<QWidget> m_control;
    QString m_classPesquisa;
    QString m_formClassCadastro;
    bool m_desactiveEnabled = false;
    std::unique_ptr<TKeptHandlers> m_kept;
};

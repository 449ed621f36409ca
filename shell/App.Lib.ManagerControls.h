#pragma once

#include "App.Lib.ItemControl.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

class TManagerControl;
class TMemTable;
class TSerializeObject;

using TProc = std::function<void()>;
// A window's own checks before a save: adds its lines to the error list.
using TProcConsistSave = std::function<void(QStringList &AErrors)>;
// A check per binding before a save.
using TProcConsistItemControlSave
    = std::function<void(TItemControl *AItemControl, QStringList &AErrors)>;

// One bound control described in one line, as a window's control-registration step writes it:
//
//     manager.Bind(EditCodigo, QStringLiteral("Código")).Required().Upper().Caption(LabelCodigo);
//
// Each step sets one fact of the binding (TItemControl) and returns the builder for the next.
class TItemControlBuilder
{
public:
    TItemControlBuilder(TManagerControl &AManager, TItemControl &AItem);

    TItemControl &Item() const { return m_item; }

    TItemControlBuilder &Required(bool AValue = true);
    TItemControlBuilder &Upper(bool AValue = true);
    TItemControlBuilder &Caption(TLabel *ACaption);
    // Wins over the size of the control's column; 0 is no limit.
    TItemControlBuilder &MaxLength(int AValue);
    // Typing keeps digits only.
    TItemControlBuilder &DigitsOnly();
    TItemControlBuilder &Format(TFormatterEdit AFormat, const QString &AMaskCustom = {});
    TItemControlBuilder &Decimals(int AValue);
    TItemControlBuilder &NotClear(bool AValue = true);
    TItemControlBuilder &IgnoreSave(bool AValue = true);
    TItemControlBuilder &Default(const QString &AValue);
    // The control stays disabled.
    TItemControlBuilder &Disabled(bool AValue = true);
    // A lookup edit of that lookup class, with the fixed filter handed to the lookup.
    TItemControlBuilder &Lookup(const QString &AClassPesquisa, const QString &AValueFixFilter = {});
    // A number typed into the lookup edit is a code, not an id.
    TItemControlBuilder &CodigoPersonalizado(bool AValue = true);
    // The registration window opened by the button beside the edit.
    TItemControlBuilder &Cadastro(const QString &AFormClassName);
    TItemControlBuilder &OnChange(TNotifyEvent AProc);
    TItemControlBuilder &OnPesquisa(TProcPesquisa AProc);
    TItemControlBuilder &BeforeSearch(TProcSearch AProc);

private:
    TManagerControl &m_manager;
    TItemControl &m_item;
};

// The bindings of a window's controls to the properties of an object (a presenter keeps one for
// its edit controls and one for its filter controls). It prepares the controls once they are
// registered, copies values between the controls and an object by property name, writes filter
// objects, clears, enables and validates the controls. Main thread only.
class TManagerControl
{
public:
    TManagerControl();
    virtual ~TManagerControl();
    TManagerControl(const TManagerControl &) = delete;
    TManagerControl &operator=(const TManagerControl &) = delete;

    // The bindings in registration order; the manager owns them.
    const std::vector<std::unique_ptr<TItemControl>> &ListControlsFill() const
    {
        return m_listControlsFill;
    }
    // A new binding at the end of the list, owned by the manager.
    TItemControl &AddItemControl();
    // A new binding of the control with its title, to be described further by the builder. An
    // edit's or memo's maximum length is the size of the column named by the control's property
    // (EditCodigo: CODIGO) in the column table, unless the builder gives one.
    TItemControlBuilder Bind(QWidget *AControl, const QString &ATitle);

    // The table whose column sizes are the maximum lengths of the bindings made with Bind (the
    // presenter's list table); none leaves their lengths unlimited. Not owned.
    void SetColumns(const TMemTable *AColumns) { m_columns = AColumns; }

    // Assigning runs the procedure (which registers the bindings; the list is not emptied
    // first), then setPropertiesControls, then ProcAfterFillListControl.
    const TProc &ProcFillListControl() const { return m_procFillListControl; }
    void SetProcFillListControl(TProc AProc);

    TProc ProcAfterFillListControl;
    // When set, every binding gets it as ProcChange in setPropertiesControls.
    TNotifyEvent ProcChangeControlsFilter;
    TProcConsistSave ProcConsistSave;
    TProcConsistItemControlSave ProcConsistItemControlSave;

    // Frees every binding.
    void ClearListControls();
    // Empties every control not marked NotClear and applies the defaults.
    void Clear();
    // Every control enabled unless in view mode; DesactiveEnabled ones stay disabled.
    void EnabledControls(bool AIsViewForm);
    // The binding whose control has the object name, letter case aside; null when none.
    TItemControl *FindItemControl(const QString &AComponentName) const;

    // The object's properties into the controls (bindings with IgnoreSave left out), then
    // AProcAfterFillForm. Fails with no binding and with a property the object lacks.
    virtual void SetValueControlFromObject(const TSerializeObject &AEntity,
                                           bool AIsViewForm,
                                           const TProc &AProcAfterFillForm = {},
                                           bool AContainFilter = false);
    // The controls into the object's properties by the properties' types (TPropertyText);
    // bindings with IgnoreSave left out. Properties copied before a failure keep their values.
    virtual void SetObjectFromValueControl(TSerializeObject &AObject);
    // Every binding's report filter text into the filter object's property of its name.
    virtual void SetObjectFilterFromValueControl(TSerializeObject &AObject, bool AContainFilter);

    // Prepares every control: fonts and colours of the theme, maximum lengths, upper case, clear
    // buttons, captions, the binding's handlers and the tab order of the registration order.
    void setPropertiesControls();

    // Checks the required controls that are visible and enabled (and whose parent is), runs the
    // per-binding and whole-form checks, and raises all failures as one exception, one per line
    // in binding order. True when nothing failed.
    bool ValidControls();

private:
    friend class TItemControlBuilder;

    [[noreturn]] void raiseNoControls() const;
    // The size of the binding's column, for a binding whose length comes from its column.
    void takeColumnLength(TItemControl &AItem) const;

    std::vector<std::unique_ptr<TItemControl>> m_listControlsFill;
    TProc m_procFillListControl;
    const TMemTable *m_columns = nullptr;
    // Bindings made with Bind and given no maximum length of their own.
    std::unordered_set<const TItemControl *> m_lengthOfColumn;
};

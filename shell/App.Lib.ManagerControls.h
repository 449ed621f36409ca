#pragma once

#include "App.Lib.ItemControl.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TSerializeObject;

using TProc = std::function<void()>;
// A window's own checks before a save: adds its lines to the error list.
using TProcConsistSave = std::function<void(QStringList &AErrors)>;
// A check per binding before a save.
using TProcConsistItemControlSave
    = std::function<void(TItemControl *AItemControl, QStringList &AErrors)>;

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
    [[noreturn]] void raiseNoControls() const;

    std::vector<std::unique_ptr<TItemControl>> m_listControlsFill;
    TProc m_procFillListControl;
};

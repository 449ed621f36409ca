#pragma once

#include "AlphaColor.h"
#include "App.Lib.Button.Strip.h"
#include "Events.h"

// A button of a popup list or a list of choices: a coloured strip with a text, a checked state
// and three click events. A title button only shows a caption: it takes no clicks, has no pointer
// effect and is never checked.
//
// Not a control itself: it builds its controls and places them under the parent it is given. The
// button object belongs to its outer layout, so it goes with the control it was placed in (a list
// that frees its controls frees its buttons). Freeing the object alone leaves the controls.
class TSimpleButton final : public TButtonStrip
{
    Q_OBJECT

public:
    // Placed under AParent at once when one is given.
    explicit TSimpleButton(bool AIsTitleButton = false, QWidget *AParent = nullptr);

    bool IsTitleButton() const { return m_isTitleButton; }

    bool IsChecked() const { return m_isChecked; }
    // Nothing on a title button.
    void SetIsChecked(bool AValue);

    // A click runs OnBeforeClick, checks the button exactly when OnBeforeClick is set, then runs
    // OnClick and OnAfterClick, each with the button as sender. A list of choices gives all its
    // buttons one OnBeforeClick that unchecks the chosen one. On a title button the setters of
    // OnClick and OnBeforeClick do nothing.
    const TNotifyEvent &OnClick() const { return m_onClick; }
    void SetOnClick(TNotifyEvent AValue);
    const TNotifyEvent &OnBeforeClick() const { return m_onBeforeClick; }
    void SetOnBeforeClick(TNotifyEvent AValue);
    const TNotifyEvent &OnAfterClick() const { return m_onAfterClick; }
    void SetOnAfterClick(TNotifyEvent AValue) { m_onAfterClick = std::move(AValue); }

private:
    void click();
    void pointerEnter() override;
    void pointerLeave() override;

    TNotifyEvent m_onClick;
    TNotifyEvent m_onBeforeClick;
    TNotifyEvent m_onAfterClick;
    QPointer<TLayout> m_layoutLeftRectangleSelect;
    bool m_isChecked = false;
    TAlphaColor m_currentColor;
    TAlphaColor m_colorChecked;
    TAlphaColor m_colorSelect;
    TAlphaColor m_colorBackground;
    bool m_isTitleButton;
};

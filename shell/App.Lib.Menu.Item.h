#pragma once

#include "App.Lib.Button.Strip.h"
#include "Events.h"

// One item of a top menu, shown in the main window's side menu: a coloured strip with the item's
// text. It carries the class name of the window it opens; the main window's OnClick opens it.
// Not a control itself: it builds its controls and places them under the parent it is given. The
// top menu owns it; freeing it frees its controls.
class TButtonItemMenu final : public TButtonStrip
{
    Q_OBJECT

public:
    TButtonItemMenu();
    ~TButtonItemMenu() override;

    // Runs on a click, with the item as sender.
    TNotifyEvent OnClick;

private:
    void pointerEnter() override;
    void pointerLeave() override;
};

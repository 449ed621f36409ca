#pragma once

#include "App.Base.Form.h"
#include "Layouts.h"
#include "Shapes.h"

#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class TAniIndicator;
class TItemControl;
class TLabel;
class TSpeedButton;
class TVertScrollBox;

// A view window: never shown as a window of its own. Its whole visible content lies in
// RectanglePrincipal, which the application object docks into the main window; the modal
// container hosts its LayoutBackground instead. Every registration, search, report-filter and
// view window derives from it. The window's own controls go into LayoutControlsForm; the caption
// (setWindowTitle in the descendant's constructor) becomes the title in upper case.
class TFormBaseView : public TFormBase
{
public:
    // Gives back the parts that are docked or hosted elsewhere (they go with the window) and
    // leaves the application object's lists.
    ~TFormBaseView() override;

    // The two parts that leave the window (docked, hosted) may be freed with the window they
    // are in; the pointers then read null.
    QPointer<TRectangle> RectanglePrincipal;
    TVertScrollBox *VertScrollBoxForm;
    QPointer<TLayout> LayoutBackground;
    TRectangle *RectangleTitle;
    TLabel *LabelTitleForm;
    TSpeedButton *SpeedButtonClose;
    TLayout *LayoutControlsForm;
    TAniIndicator *AniIndicatorLoading;
    TRectangle *RectangleMessageBottom;
    TLabel *LabelMessageBottom;

    void ApplyThemeApp() override;
    // Closes the docked window: the application object frees it and shows the window brought
    // forward before it. A window of the class that is not the docked one is left alone.
    void CloseForm() override;
    // Gives RectanglePrincipal back to the window and removes the window from the application
    // object's lists without freeing it: for the window's destruction.
    void ReleasePrincipal();
    // Shows the text in the notice at the bottom for the given time (milliseconds); a new notice
    // replaces the one showing.
    void ShowMessageBottom(const QString &AText, int AMilliseconds);
    // Called after the window is docked; descendants focus their first control.
    virtual void SetFocusedPrincipalComponent() { }
    // The bound control a registration window is opened for (null when opened from a menu);
    // registration windows take it over, other views ignore it.
    virtual void SetItemControlPesquisa(TItemControl *AItemControl) { (void)AItemControl; }

protected:
    explicit TFormBaseView(const QString &AClassName, QWidget *AParent = nullptr);

    // The creation of TFormBase, then the title from the caption; the bottom notice hidden.
    void FormCreate() override;
    // The wait overlay and the busy indicator around a worker's call: `work` runs on the worker
    // (it touches no widget), `done` on the main thread after it when it did not fail. Each call
    // keeps the overlay it showed, so overlapping calls never close each other's.
    void runWithOverlay(std::function<void()> work, std::function<void()> done);

private:
    QTimer *m_timerMessageBottom;
};

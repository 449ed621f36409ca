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
    // A long action of the window: the wait overlay and the busy indicator shown, AWork on a
    // worker (it touches no widget), then indicator and overlay gone and, when AWork did not
    // fail, ADone on the main thread. A failure of AWork is shown through
    // TDravikHandleException once the overlay is gone. Returns at once.
    void RunLongAction(std::function<void()> AWork, std::function<void()> ADone = {});
    // The same, but ADone runs whether AWork failed or not and is told which (a failure of AWork
    // is still shown); it does not run once the window is gone.
    void RunLongActionThen(std::function<void()> AWork, std::function<void(bool AFailed)> ADone);
    // The "Gravar" button at the right of a strip at the bottom of LayoutControlsForm, running
    // AClick (guarded: a failure is shown) when clicked; ALabel receives its caption.
    TRectangle *AddGravarButton(TLabel *&ALabel, std::function<void()> AClick);
    // The same strip and button for another action: "Layout", "Rectangle" and "Label" followed
    // by AName, the button showing ACaption.
    TRectangle *AddBottomButton(const QString &AName,
                                const QString &ACaption,
                                TLabel *&ALabel,
                                std::function<void()> AClick);

private:
    QTimer *m_timerMessageBottom;
};

#pragma once

#include "App.Lib.Button.Strip.h"
#include "App.Lib.Menu.Item.h"
#include "Common.Base.Types.h"
#include "Events.h"
#include "Label.h"
#include "Layouts.h"
#include "MultiView.h"
#include "Shapes.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

// One button of the main window's top bar per top menu. A click shows the top menu's title and
// items in the main window's side menu and opens it; the side menu's hide gives the button its
// normal look back. Not a control itself: it builds its controls and places them under the parent
// it is given. Main thread only.
class TButtonTopMenu final : public TButtonStrip
{
    Q_OBJECT

public:
    TButtonTopMenu();
    // Frees the items and the side-menu panel and takes its hide handler out of the side menu.
    // The top-bar controls go with the control they were placed in.
    ~TButtonTopMenu() override;

    // Shown in upper case.
    void SetText(const QString &AText) override;
    // The main window's side menu: remembers it and installs the button's hide handler over the
    // one it had, which still runs after it.
    void SetMultiViewMenu(TMultiView *AValue);
    // The top menu's items, in order; placed in the side-menu panel at the first click.
    TObjectList<TButtonItemMenu> &SubMenu() { return m_subMenu; }

    // The side-menu parts, for the main window's look and for tests.
    TLabel *LabelTopMenu() const { return m_labelTopMenu.data(); }
    TLayout *LayoutButtonSubMenu() const { return m_layoutButtonSubMenu.data(); }

private:
    struct THiddenLink;
    struct THiddenHandler;

    void click();
    void pointerEnter() override;
    void pointerLeave() override;
    // The side menu no longer shows this top menu.
    void releaseSideMenu();
    static void multiViewHidden(TMultiView *AMenu);

    QPointer<TMultiView> m_multiViewMenu;
    std::shared_ptr<THiddenLink> m_hiddenLink;
    TObjectList<TButtonItemMenu> m_subMenu;
    bool m_isMountedSubMenu = false;
    // The side-menu panel: owned here, lent to the side menu while it shows this top menu.
    QPointer<TLayout> m_layoutButtonSubMenu;
    QPointer<TRectangle> m_rectangleLayoutButtonSubMenu;
    QPointer<TLabel> m_labelTopMenu;
};

#pragma once

#include "App.Base.Form.h"
#include "App.Lib.Application.h"

#include "Align.h"
#include "Layouts.h"
#include "MultiView.h"

#include <QCoreApplication>
#include <QEvent>

// The main window: marked as initialising, as the real one is from its first login on.
class TFormPrincipalTeste final : public TFormBase
{
public:
    TFormPrincipalTeste()
        : TFormBase(QStringLiteral("TFormPrincipalTeste"))
    {
        InstallAlignLayout(this);
        resize(1000, 700);
        PanelMenu = new TPanel(this, QStringLiteral("PanelSuperior"));
        PanelMenu->setHeight(67);
        PanelMenu->setAlign(TAlignLayout::Top);
        LayoutTopMenu = new TGridLayout(PanelMenu, QStringLiteral("LayoutTopMenu"));
        LayoutTopMenu->setAlign(TAlignLayout::Client);
        LayoutApoio = new TLayout(this, QStringLiteral("LayoutApoio"));
        LayoutApoio->setWidth(400);
        LayoutApoio->setAlign(TAlignLayout::Right);
        LayoutApoio->hide();
        LayoutPrincipal = new TLayout(this, QStringLiteral("LayoutPrincipal"));
        LayoutPrincipal->setAlign(TAlignLayout::Client);
        MultiViewMenu = new TMultiView(this, QStringLiteral("MultiViewMenu"));
    }
    // The side menu first: once it has been shown, its overlay comes before it among the
    // window's children, and the menu frees the overlay itself.
    ~TFormPrincipalTeste() override { delete MultiViewMenu; }
    bool IgnorePermission() override { return true; }

    // Hands the areas to the application object.
    void Install()
    {
        IsInitializateApp();
        auto &application = TApplicationZunta::GetInstance();
        application.FormPrincipal = this;
        application.LayoutApoio = LayoutApoio;
        application.LayoutPrincipal = LayoutPrincipal;
        application.PanelMenu = PanelMenu;
        application.MultiViewMenu = MultiViewMenu;
    }

    TPanel *PanelMenu;
    TGridLayout *LayoutTopMenu;
    TLayout *LayoutApoio;
    TLayout *LayoutPrincipal;
    TMultiView *MultiViewMenu;
};

// Windows closed by the application object go away once the event loop gets to them.
inline void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#pragma once

#include "App.Base.Form.View.h"
#include "App.Lib.Application.h"

#include "Align.h"
#include "Layouts.h"
#include "MultiView.h"

#include "FakeConnection.h"
#include "ScriptedDialogs.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>

// Test stand-ins of the windows the application object works with: view windows registered by
// name, and a main window with the areas the application object is handed.

class TItemControl;

// A view window that counts its creations per class and records the bound control it is handed.
class TJanelaTeste : public TFormBaseView
{
public:
    TJanelaTeste(const QString &AClassName, QWidget *AParent)
        : TFormBaseView(AClassName, AParent)
    {
        setWindowTitle(AClassName);
        resize(400, 300);
        ++Created()[AClassName];
    }
    void SetItemControlPesquisa(TItemControl *AItemControl) override
    {
        ItemControl = AItemControl;
        ++Handed;
    }
    void CloseForm() override
    {
        ++Closed;
        TFormBaseView::CloseForm();
    }

    static std::map<QString, int> &Created()
    {
        static std::map<QString, int> created;
        return created;
    }

    TItemControl *ItemControl = nullptr;
    int Handed = 0;
    int Closed = 0;
};

class TFormJanelaA final : public TJanelaTeste
{
public:
    explicit TFormJanelaA(QWidget *AParent = nullptr)
        : TJanelaTeste(QStringLiteral("TFormJanelaA"), AParent)
    { }
};

class TFormJanelaB final : public TJanelaTeste
{
public:
    explicit TFormJanelaB(QWidget *AParent = nullptr)
        : TJanelaTeste(QStringLiteral("TFormJanelaB"), AParent)
    { }
};

class TFormJanelaC final : public TJanelaTeste
{
public:
    explicit TFormJanelaC(QWidget *AParent = nullptr)
        : TJanelaTeste(QStringLiteral("TFormJanelaC"), AParent)
    { }
};

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

// A logged-in user against a fake back end, message dialogs scripted.
class ShellWindowsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        TApplicationZunta::ResetInstance();
        FlushDeletes();
    }

    void login(std::int64_t id)
    {
        backend.on("GET", "/acesso", FakeReply::json("{\"id\":" + std::to_string(id) + "}"));
        fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));
    }
    // The main window, shown, with its areas handed to the application object.
    TFormPrincipalTeste &principal()
    {
        if (!m_principal) {
            m_principal.reset(TFormBase::Create<TFormPrincipalTeste>());
            m_principal->Install();
            m_principal->show();
        }
        return *m_principal;
    }

    FakeBackend backend;
    FakeConnection fake { backend, "/", "/", "/" };
    ScriptedDialogs dialogs;

private:
    std::unique_ptr<TFormPrincipalTeste> m_principal;
};

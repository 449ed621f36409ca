#pragma once

#include "App.Base.Form.View.h"
#include "App.Lib.Application.h"

#include "Align.h"
#include "Layouts.h"
#include "MultiView.h"

#include "FakeConnection.h"
#include "ScriptedDialogs.h"
#include "TestMainWindow.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <map>
#include <memory>

// Test stand-ins of the windows the application object works with: view windows registered by
// name (the main window is in TestMainWindow.h).

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

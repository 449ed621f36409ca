#include "App.Lib.FormMenuPrint.h"

#include "App.Base.Form.View.h"
#include "App.Lib.Application.h"
#include "App.Lib.Button.h"
#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"

#include <QCoreApplication>
#include <QPointer>

#include "FakeConnection.h"
#include "ScriptedDialogs.h"
#include "WaitFor.h"
#include "WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window that another window's popup can bring forward.
class TFormMenuPrintBancoTeste final : public TFormBaseView
{
public:
    explicit TFormMenuPrintBancoTeste(QWidget *parent = nullptr)
        : TFormBaseView(QStringLiteral("TFormCadastroBancoTeste"), parent)
    {
        setWindowTitle(QStringLiteral("Cadastro de Bancos"));
    }
    bool IgnorePermission() override { return true; }
};

// The main window's areas: the top panel, the docking area and the side area, as the main window
// hands them to the application object.
class FormMenuPrintTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1000, 700);
        panelMenu = new TLayout(&window, QStringLiteral("PanelMenu"));
        panelMenu->setAlign(TAlignLayout::Top);
        panelMenu->setHeight(60);
        layoutApoio = new TLayout(&window, QStringLiteral("LayoutApoio"));
        layoutApoio->setAlign(TAlignLayout::Right);
        layoutApoio->setWidth(314);
        layoutApoio->hide();
        layoutPrincipal = new TLayout(&window, QStringLiteral("LayoutPrincipal"));
        layoutPrincipal->setAlign(TAlignLayout::Client);
        auto &application = TApplicationZunta::GetInstance();
        application.PanelMenu = panelMenu;
        application.LayoutApoio = layoutApoio;
        application.LayoutPrincipal = layoutPrincipal;
        window.show();
    }
    void TearDown() override
    {
        if (popup)
            delete popup.data();
        TApplicationZunta::ResetInstance();
    }

    // The first click on the button's rectangle, as the pointer gives it.
    static void clickButton(TSimpleButton *button)
    {
        RealignAll(button->Layout()->window());
        clickAt(button->Rectangle(), button->Rectangle()->rect().center());
    }
    // Whether the popup is gone once pending deletions have run.
    bool popupFreed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return popup.isNull();
    }
    bool sideAreaInUse() const
    {
        return layoutApoio->isVisible() && !layoutPrincipal->isEnabled() && !panelMenu->isEnabled();
    }
    bool sideAreaFree() const
    {
        return !layoutApoio->isVisible() && layoutPrincipal->isEnabled() && panelMenu->isEnabled();
    }

    ScriptedDialogs dialogs;
    QWidget window;
    TLayout *panelMenu = nullptr;
    TLayout *layoutApoio = nullptr;
    TLayout *layoutPrincipal = nullptr;
    QPointer<TFormMenuPrint> popup;
};

TEST_F(FormMenuPrintTest, ShowsOnlyItsTitleInUpperCaseInTheSideAreaUntilClosed)
{
    popup = &TFormMenuPrint::New().TitleMenu(QStringLiteral("Janelas Abertas")).Execute();

    EXPECT_EQ(popup->LabelTitleForm->text(), QStringLiteral("JANELAS ABERTAS"));
    EXPECT_TRUE(popup->Buttons().isEmpty());
    EXPECT_EQ(popup->RectanglePrincipal->parentWidget(), layoutApoio);
    EXPECT_TRUE(popup->RectanglePrincipal->isVisible());
    EXPECT_TRUE(sideAreaInUse());

    RealignAll(&window);
    clickAt(popup->SpeedButtonClose, popup->SpeedButtonClose->rect().center());

    EXPECT_TRUE(waitFor([this] { return popup.isNull(); }));
    EXPECT_TRUE(sideAreaFree());
    EXPECT_TRUE(layoutApoio->findChildren<TRectangle *>().isEmpty());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormMenuPrintTest, HeadingIgnoresClicksAndActionRunsItsProcedureThenCloses)
{
    QStringList chosen;
    bool shownWhileRunning = false;
    auto onChoice = [&](QObject *sender) {
        chosen << static_cast<TSimpleButton *>(sender)->Text();
        shownWhileRunning = !popup.isNull() && sideAreaInUse();
    };
    popup = &TFormMenuPrint::New()
                 .TitleMenu(QStringLiteral("Ações"))
                 .AddButton(QStringLiteral("Parcelas Selecionadas"), true)
                 .AddButton(QStringLiteral("Bonificação"), onChoice)
                 .AddButton(QStringLiteral("Cancelamento"), onChoice)
                 .SetCloseAfterClick(true)
                 .Execute();
    const QList<TSimpleButton *> buttons = popup->Buttons();
    ASSERT_EQ(buttons.size(), 3);
    EXPECT_EQ(popup->LabelTitleForm->text(), QStringLiteral("AÇÕES"));
    EXPECT_TRUE(buttons[0]->IsTitleButton());
    RealignAll(&window);
    EXPECT_LT(buttons[0]->Layout()->y(), buttons[1]->Layout()->y());
    EXPECT_LT(buttons[1]->Layout()->y(), buttons[2]->Layout()->y());
    EXPECT_EQ(buttons[2]->Text(), QStringLiteral("Cancelamento"));

    clickButton(buttons[0]);
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_FALSE(popupFreed());
    EXPECT_TRUE(sideAreaInUse());

    clickButton(buttons[2]);
    EXPECT_EQ(chosen, QStringList { QStringLiteral("Cancelamento") });
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_TRUE(waitFor([this] { return popup.isNull(); }));
    EXPECT_TRUE(sideAreaFree());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormMenuPrintTest, SideAreaTakesTheNextPopupAfterOneClosed)
{
    for (const QString &title : { QStringLiteral("Ações"), QStringLiteral("Impressões") }) {
        int clicks = 0;
        popup = &TFormMenuPrint::New()
                     .TitleMenu(title)
                     .AddButton(QStringLiteral("Recibo"), [&clicks](QObject *) { ++clicks; })
                     .SetCloseAfterClick(true)
                     .Execute();
        RealignAll(&window);
        EXPECT_EQ(popup->RectanglePrincipal->geometry(), layoutApoio->rect());
        clickButton(popup->Buttons().at(0));
        EXPECT_EQ(clicks, 1);
        ASSERT_TRUE(waitFor([this] { return popup.isNull(); }));
        RealignAll(&window);
        EXPECT_TRUE(sideAreaFree());
    }
}

TEST_F(FormMenuPrintTest, StaysOpenAfterAClickUnlessAskedToClose)
{
    int clicks = 0;
    popup = &TFormMenuPrint::New()
                 .TitleMenu(QStringLiteral("Impressões"))
                 .AddButton(QStringLiteral("Carnê"), [&clicks](QObject *) { ++clicks; })
                 .Execute();
    clickButton(popup->Buttons().at(0));
    clickButton(popup->Buttons().at(0));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(popupFreed());
    EXPECT_TRUE(sideAreaInUse());
}

TEST_F(FormMenuPrintTest, WindowButtonCarriesTheWindowClassAndTitle)
{
    std::unique_ptr<TFormMenuPrintBancoTeste> banco(TFormBase::Create<TFormMenuPrintBancoTeste>());
    popup = &TFormMenuPrint::New()
                 .TitleMenu(QStringLiteral("Janelas Abertas"))
                 .AddButton(banco.get())
                 .SetCloseAfterClick(true)
                 .Execute();
    ASSERT_EQ(popup->Buttons().size(), 1);
    TSimpleButton *button = popup->Buttons().at(0);
    EXPECT_EQ(button->Text(), QStringLiteral("CADASTRO DE BANCOS"));
    // The application object opens the window whose class the sender carries.
    EXPECT_EQ(button->property("FormClassName").toString(),
              QStringLiteral("TFormCadastroBancoTeste"));
    ASSERT_TRUE(button->OnClick());

    clickButton(button);
    EXPECT_TRUE(waitFor([this] { return popup.isNull(); }));
    EXPECT_TRUE(sideAreaFree());
}

TEST_F(FormMenuPrintTest, AsksForNoPermission)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET", "/acesso", FakeReply::json(R"({"id":7})"));
    fake.connection().Logar(QStringLiteral("ana"), QStringLiteral("x"));

    popup = &TFormMenuPrint::New();

    EXPECT_EQ(backend.count("GET", "/form-permission"), 0u);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
    EXPECT_TRUE(popup->FPermissionInserir && popup->FPermissionPermissaoExtra3);
}

} // namespace

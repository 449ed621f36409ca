#include "App.Lib.Menu.Top.h"

#include "App.Lib.Menu.Item.h"
#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "MultiView.h"
#include "Shapes.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPointer>

#include "WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

// The main window's top bar and side menu, with top menus built as the main window builds them.
class ButtonTopMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(800, 600);
        topBar = new TLayout(&window, QStringLiteral("LayoutTopMenu"));
        topBar->setAlign(TAlignLayout::Top);
        topBar->setHeight(60);
        body = new TLayout(&window, QStringLiteral("LayoutPrincipal"));
        body->setAlign(TAlignLayout::Client);
        sideMenu = new TMultiView(body, QStringLiteral("MultiViewMenu"));
        sideMenu->OnHidden = [this](QObject *) { ++ownHidden; };
        window.show();
    }

    TButtonTopMenu *addTop(const QString &text,
                           const std::vector<std::pair<QString, QString>> &items = {})
    {
        auto top = std::make_unique<TButtonTopMenu>();
        top->SetText(text);
        top->SetMultiViewMenu(sideMenu);
        top->Order = int(tops.size());
        top->SetParent(topBar);
        for (const auto &[caption, className] : items) {
            auto item = std::make_unique<TButtonItemMenu>();
            item->SetText(caption);
            item->SetFormClassName(className);
            item->Order = int(top->SubMenu().size());
            item->OnClick = [this](QObject *sender) { clicked.push_back(sender); };
            top->SubMenu().push_back(std::move(item));
        }
        tops.push_back(std::move(top));
        return tops.back().get();
    }

    const TColorApp &colors() const { return TThemeApp::Instance().ColorApp(); }

    void expectNormalLook(const TButtonTopMenu *top) const
    {
        EXPECT_EQ(top->Rectangle()->fillColor(), colors().PrimaryColor);
        EXPECT_EQ(top->Label()->fontColor(), colors().QuartenaryColor);
    }

    QWidget window;
    TLayout *topBar = nullptr;
    TLayout *body = nullptr;
    TMultiView *sideMenu = nullptr;
    int ownHidden = 0;
    std::vector<QObject *> clicked;
    // Freed before the window, as the application frees its top menus.
    std::vector<std::unique_ptr<TButtonTopMenu>> tops;
};

TEST_F(ButtonTopMenuTest, ShowsItsTextInUpperCaseAndItsItemsUnderTheTitleAtTheFirstClick)
{
    TButtonTopMenu *top = addTop(QStringLiteral("Configurações do sistema"),
                                 { { QStringLiteral("Pessoas"), QStringLiteral("TFormPessoa") },
                                   { QStringLiteral("Bancos"), QStringLiteral("TFormBanco") } });
    EXPECT_EQ(top->Label()->text(), QStringLiteral("CONFIGURAÇÕES DO SISTEMA"));
    EXPECT_EQ(top->Parent(), topBar);
    EXPECT_EQ(top->Layout()->size(), QSize(100, 60));
    expectNormalLook(top);
    EXPECT_EQ(top->LayoutButtonSubMenu()->parentWidget(), nullptr);
    EXPECT_EQ(top->SubMenu()[0]->Parent(), nullptr);

    top->Rectangle()->click();

    EXPECT_TRUE(sideMenu->isShowed());
    EXPECT_EQ(sideMenu->TagObject.data(), top);
    EXPECT_EQ(top->LayoutButtonSubMenu()->parentWidget(), sideMenu);
    EXPECT_EQ(top->LabelTopMenu()->text(), QStringLiteral("CONFIGURAÇÕES DO SISTEMA"));
    RealignAll(sideMenu);
    int previousBottom = top->LabelTopMenu()->geometry().bottom();
    for (const auto &item : top->SubMenu()) {
        EXPECT_EQ(item->Parent()->parentWidget(), top->LayoutButtonSubMenu());
        EXPECT_GT(item->Layout()->y(), previousBottom - 1) << item->Text().toStdString();
        EXPECT_EQ(item->Layout()->height(), 30);
        previousBottom = item->Layout()->geometry().bottom();
    }
    EXPECT_EQ(top->SubMenu()[0]->Text(), QStringLiteral("Pessoas"));
    EXPECT_EQ(top->SubMenu()[1]->Text(), QStringLiteral("Bancos"));
}

TEST_F(ButtonTopMenuTest, ItemClickRunsOnClickWithTheItemCarryingItsWindowClass)
{
    TButtonTopMenu *top = addTop(QStringLiteral("Cadastros"),
                                 { { QStringLiteral("Pessoas"), QStringLiteral("TFormPessoa") },
                                   { QStringLiteral("Bancos"), QStringLiteral("TFormBanco") } });
    top->Rectangle()->click();
    sideMenu->hideMaster();
    // Placed once: a second opening only moves the panel back.
    top->Rectangle()->click();
    EXPECT_TRUE(top->LayoutButtonSubMenu()->isVisible());
    EXPECT_TRUE(top->SubMenu()[1]->Layout()->isVisible());
    EXPECT_EQ(top->LabelTopMenu()
                  ->parentWidget()
                  ->findChildren<TLayout *>(QStringLiteral("LayoutButtonItemMenu"),
                                            Qt::FindDirectChildrenOnly)
                  .size(),
              2);

    top->SubMenu()[1]->Rectangle()->click();
    top->SubMenu()[0]->Rectangle()->click();

    ASSERT_EQ(clicked.size(), 2u);
    EXPECT_EQ(clicked[0], top->SubMenu()[1].get());
    EXPECT_EQ(clicked[0]->property("FormClassName").toString(), QStringLiteral("TFormBanco"));
    EXPECT_EQ(clicked[1]->property("FormClassName").toString(), QStringLiteral("TFormPessoa"));
}

TEST_F(ButtonTopMenuTest, ItemHighlightsUnderThePointer)
{
    TButtonTopMenu *top = addTop(QStringLiteral("Cadastros"),
                                 { { QStringLiteral("Pessoas"), QStringLiteral("TFormPessoa") } });
    top->Rectangle()->click();
    TButtonItemMenu *item = top->SubMenu()[0].get();
    EXPECT_EQ(item->Rectangle()->fillColor(), colors().PrimaryColor);
    EXPECT_EQ(item->Label()->fontColor(), colors().TextSecondaryColor);
    hoverPointer(item->Rectangle(), true);
    EXPECT_EQ(item->Rectangle()->fillColor(), colors().SecondaryColor);
    EXPECT_EQ(item->Label()->fontColor(), colors().PrimaryColor);
    hoverPointer(item->Rectangle(), false);
    EXPECT_EQ(item->Rectangle()->fillColor(), colors().PrimaryColor);
    EXPECT_EQ(item->Label()->fontColor(), colors().TextSecondaryColor);
}

TEST_F(ButtonTopMenuTest, KeepsItsHighlightWhileTheSideMenuShowsAndLosesItWhenItHides)
{
    addTop(QStringLiteral("Financeiro"));
    TButtonTopMenu *top = addTop(QStringLiteral("Cadastros"));
    hoverPointer(top->Rectangle(), true);
    EXPECT_EQ(top->Rectangle()->fillColor(), colors().SecondaryColor);
    EXPECT_EQ(top->Label()->fontColor(), colors().PrimaryColor);
    top->Rectangle()->click();
    hoverPointer(top->Rectangle(), false);
    EXPECT_EQ(top->Rectangle()->fillColor(), colors().SecondaryColor);

    sideMenu->hideMaster();

    expectNormalLook(top);
    EXPECT_EQ(top->LayoutButtonSubMenu()->parentWidget(), nullptr);
    EXPECT_TRUE(sideMenu->TagObject.isNull());
    // Both top buttons' handlers ran, ending with the side menu's own, once.
    EXPECT_EQ(ownHidden, 1);
}

TEST_F(ButtonTopMenuTest, SecondTopButtonTakesTheSideMenuOverFromTheFirst)
{
    TButtonTopMenu *first = addTop(QStringLiteral("Cadastros"));
    TButtonTopMenu *second = addTop(QStringLiteral("Financeiro"));
    hoverPointer(first->Rectangle(), true);
    first->Rectangle()->click();
    hoverPointer(second->Rectangle(), true);
    second->Rectangle()->click();

    EXPECT_EQ(sideMenu->TagObject.data(), second);
    EXPECT_EQ(second->LayoutButtonSubMenu()->parentWidget(), sideMenu);
    EXPECT_EQ(first->LayoutButtonSubMenu()->parentWidget(), nullptr);
    expectNormalLook(first);

    sideMenu->hideMaster();
    expectNormalLook(second);
    EXPECT_EQ(second->LayoutButtonSubMenu()->parentWidget(), nullptr);
    EXPECT_EQ(ownHidden, 1);
}

TEST_F(ButtonTopMenuTest, FreeingTopButtonsInAnyOrderLeavesAWorkingSideMenu)
{
    TButtonTopMenu *second = nullptr;
    addTop(QStringLiteral("Cadastros"), { { QStringLiteral("Pessoas"), QString() } });
    second = addTop(QStringLiteral("Financeiro"));
    QPointer<TRectangle> firstRectangle = tops[0]->Rectangle();

    // The first one installed goes first: the later one's handler keeps passing on.
    tops.erase(tops.begin());
    firstRectangle->click(); // its top-bar controls stay, and no longer reach the freed button
    EXPECT_FALSE(sideMenu->isShowed());
    second->Rectangle()->click();
    sideMenu->hideMaster();
    expectNormalLook(second);
    EXPECT_EQ(ownHidden, 1);

    second->Rectangle()->click();
    tops.clear();
    EXPECT_TRUE(sideMenu->TagObject.isNull());
    EXPECT_TRUE(sideMenu->findChildren<TLayout *>(QStringLiteral("LayoutButtonSubMenu")).isEmpty());
    sideMenu->hideMaster();
    EXPECT_EQ(ownHidden, 2);
}

} // namespace

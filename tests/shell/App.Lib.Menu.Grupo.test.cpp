#include "App.Lib.Menu.Grupo.h"

#include "App.Lib.Theme.h"
#include "Edit.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>

#include "WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A registration window's edit page: the group list, the content area and a group's content.
class ButtonGrupoMenuTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        groups = new TLayout(&window, QStringLiteral("LayoutMenuGrupo"));
        content = new TLayout(&window, QStringLiteral("LayoutContent"));
        home = new TLayout(&window, QStringLiteral("LayoutGroups"));
        scroll = new TVertScrollBox(home, QStringLiteral("VertScrollBoxInformacoes"));
        button = std::make_unique<TButtonGrupoMenu>();
        button->SetParent(groups);
        button->SetText(QStringLiteral("INFORMAÇÕES INICIAIS"));
        button->SetDestinyLayout(content);
        button->SetOriginVertScroll(scroll);
        button->SetClickButtonGrupoMenu(
            [this](TButtonGrupoMenu *sender) { clicked.push_back(sender); });
        button->SetProcShow([this] { ++shown; });
    }

    const TColorApp &colors() const { return TThemeApp::Instance().ColorApp(); }

    QWidget window;
    TLayout *groups = nullptr;
    TLayout *content = nullptr;
    TLayout *home = nullptr;
    TVertScrollBox *scroll = nullptr;
    std::unique_ptr<TButtonGrupoMenu> button;
    std::vector<TButtonGrupoMenu *> clicked;
    int shown = 0;
};

TEST_F(ButtonGrupoMenuTest, IsBuiltInactiveUnderItsParent)
{
    EXPECT_EQ(button->Parent(), groups);
    EXPECT_EQ(button->Layout()->height(), 35);
    EXPECT_EQ(button->Text(), QStringLiteral("INFORMAÇÕES INICIAIS"));
    EXPECT_FALSE(button->IsActive());
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().BackgroundColor2);
    EXPECT_EQ(button->CircleSelect()->strokeColor(), colors().TertiaryColor);
    EXPECT_EQ(button->Line()->strokeColor(), colors().TertiaryColor);
    EXPECT_EQ(button->Label()->fontColor(), colors().TextPrimaryColor);
}

TEST_F(ButtonGrupoMenuTest, ClickShowsTheContentOnceAndFocusesItsControl)
{
    auto *edit = new TEdit(scroll->content(), QStringLiteral("EditNome"));
    button->SetControlFocus(edit);
    window.show();

    clickAt(button->CircleSelect(), QPoint(10, 10));

    EXPECT_TRUE(button->IsActive());
    EXPECT_EQ(clicked, std::vector<TButtonGrupoMenu *>({ button.get() }));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(scroll->parentWidget(), content);
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().TertiaryColor);
    EXPECT_EQ(window.focusWidget(), edit);

    button->Click();
    clickAt(button->Rectangle(), QPoint(100, 10));
    EXPECT_EQ(clicked.size(), 1u) << "clicking the active group again does nothing";
    EXPECT_EQ(shown, 1);

    button->SetActive(false);
    EXPECT_FALSE(button->IsActive());
    EXPECT_EQ(scroll->parentWidget(), home) << "back where it came from";
    EXPECT_TRUE(scroll->isHidden());
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().BackgroundColor2);
}

TEST_F(ButtonGrupoMenuTest, GroupWithoutContentCannotBecomeActive)
{
    TButtonGrupoMenu empty;
    int runs = 0;
    empty.SetClickButtonGrupoMenu([&](TButtonGrupoMenu *) { ++runs; });
    empty.Click();
    empty.SetActive(true);
    EXPECT_FALSE(empty.IsActive());
    EXPECT_EQ(runs, 0);
}

TEST_F(ButtonGrupoMenuTest, DisabledGroupIsGreyAndIgnoresClicksAndThePointer)
{
    button->SetEnabled(false);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().ZebraSecondaryColor);
    EXPECT_EQ(button->Label()->fontColor(), colors().ZebraSecondaryColor);
    button->Click();
    clickAt(button->CircleSelect(), QPoint(10, 10));
    hoverPointer(button->CircleSelect(), true);
    EXPECT_FALSE(button->IsActive());
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().ZebraSecondaryColor);

    button->SetEnabled(true);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().BackgroundColor2);
    EXPECT_EQ(button->Label()->fontColor(), colors().TextPrimaryColor);
}

TEST_F(ButtonGrupoMenuTest, PointerLightsTheCircleAndLeavingRestoresItsState)
{
    hoverPointer(button->Rectangle(), true);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().SecondaryColor);
    hoverPointer(button->Rectangle(), false);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().BackgroundColor2);

    button->Click();
    hoverPointer(button->CircleSelect(), true);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().SecondaryColor);
    hoverPointer(button->CircleSelect(), false);
    EXPECT_EQ(button->CircleSelect()->fillColor(), colors().TertiaryColor);
}

TEST(ButtonGrupoMenuLineTest, LinesOfStackedButtonsJoinThroughTheCircles)
{
    TButtonGrupoMenu first, middle, last;
    first.LineFirst();
    middle.LineMiddle();
    last.LineLast();
    EXPECT_EQ(first.Line()->y(), 17);
    EXPECT_EQ(first.Line()->y() + first.Line()->height(), 36);
    EXPECT_EQ(middle.Line()->y(), 0);
    EXPECT_EQ(middle.Line()->height(), 36);
    EXPECT_EQ(last.Line()->y(), 0);
    EXPECT_EQ(last.Line()->height(), 18);
    EXPECT_EQ(first.Line()->x(), 15);
    EXPECT_EQ(first.Line()->width(), 2);
}

TEST(ButtonGrupoMenuLifeTest, ButtonOutlivingItsWindowFreesNothingTwice)
{
    auto button = std::make_unique<TButtonGrupoMenu>();
    {
        QWidget window;
        button->SetParent(&window);
    }
    EXPECT_EQ(button->Layout(), nullptr);
    button->LineFirst();
    button->SetEnabled(false);
    button.reset();
}

} // namespace

#include "App.Lib.Button.h"

#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "Shapes.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPointer>

#include "WidgetInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A list the buttons are placed in.
class SimpleButtonTest : public ::testing::Test
{
protected:
    TSimpleButton *add(const QString &text, bool isTitle = false)
    {
        auto *button = new TSimpleButton(isTitle, &list);
        button->SetText(text);
        return button;
    }

    const TColorApp &colors() const { return TThemeApp::Instance().ColorApp(); }

    TLayout list;
};

TEST_F(SimpleButtonTest, ClickRunsBeforeChecksThenRunsClickAndAfterWithTheButtonAsSender)
{
    TSimpleButton *button = add(QStringLiteral("Bonificação"));
    EXPECT_EQ(button->Parent(), &list);
    EXPECT_EQ(button->Layout()->height(), 50);
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().SecondaryColor);
    EXPECT_EQ(button->Label()->fontColor(), colors().TextSecondaryColor);
    QStringList steps;
    auto step = [&](const char *name) {
        return [&steps, button, name](QObject *sender) {
            steps << QLatin1String(name) + (sender == button ? " button" : " other")
                    + (button->IsChecked() ? " checked" : " unchecked");
        };
    };
    button->SetOnBeforeClick(step("before"));
    button->SetOnClick(step("click"));
    button->SetOnAfterClick(step("after"));

    button->Rectangle()->click();

    EXPECT_EQ(
        steps,
        QStringList({ "before button unchecked", "click button checked", "after button checked" }));
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().PrimaryColor);
}

TEST_F(SimpleButtonTest, ChoicesLeaveExactlyTheClickedOneChecked)
{
    std::vector<TSimpleButton *> choices;
    QPointer<TSimpleButton> chosen;
    for (const char *text : { "Bonificação", "Cancelamento", "Renegociação" }) {
        TSimpleButton *button = add(QString::fromUtf8(text));
        button->SetOnBeforeClick([&chosen](QObject *) {
            if (chosen)
                chosen->SetIsChecked(false);
        });
        button->SetOnClick(
            [&chosen](QObject *sender) { chosen = static_cast<TSimpleButton *>(sender); });
        choices.push_back(button);
    }
    for (int index : { 0, 2, 2, 1 }) {
        choices[size_t(index)]->Rectangle()->click();
        for (int i = 0; i < int(choices.size()); ++i) {
            EXPECT_EQ(choices[size_t(i)]->IsChecked(), i == index) << "clicked " << index;
            EXPECT_EQ(choices[size_t(i)]->Rectangle()->fillColor(),
                      i == index ? colors().PrimaryColor : colors().SecondaryColor);
        }
    }
}

TEST_F(SimpleButtonTest, ClickUnchecksAButtonWithoutBeforeClick)
{
    TSimpleButton *button = add(QStringLiteral("Alterar Carteira"));
    int clicks = 0;
    button->SetOnClick([&clicks](QObject *) { ++clicks; });
    button->SetIsChecked(true);
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().PrimaryColor);
    button->Rectangle()->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->IsChecked());
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().SecondaryColor);
}

TEST_F(SimpleButtonTest, HighlightsUnderThePointerAndReturnsToItsState)
{
    TSimpleButton *button = add(QStringLiteral("Recibo"));
    hoverPointer(button->Rectangle(), true);
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().BackgroundColor2);
    EXPECT_EQ(button->Label()->fontColor(), colors().SecondaryColor);
    button->SetIsChecked(true);
    hoverPointer(button->Rectangle(), false);
    EXPECT_EQ(button->Rectangle()->fillColor(), colors().PrimaryColor);
    EXPECT_EQ(button->Label()->fontColor(), colors().BackgroundColor2);
}

TEST_F(SimpleButtonTest, TitleButtonIgnoresClicksPointerAndChecking)
{
    TSimpleButton *title = add(QStringLiteral("Parcelas Selecionadas"), true);
    EXPECT_TRUE(title->IsTitleButton());
    EXPECT_EQ(title->Rectangle()->fillColor(), colors().PrimaryColor);
    int runs = 0;
    auto count = [&runs](QObject *) { ++runs; };
    title->SetOnBeforeClick(count);
    title->SetOnClick(count);
    title->SetOnAfterClick(count);
    EXPECT_FALSE(title->OnClick());
    EXPECT_FALSE(title->OnBeforeClick());

    title->Rectangle()->click();
    hoverPointer(title->Rectangle(), true);
    title->SetIsChecked(true);

    EXPECT_EQ(runs, 0);
    EXPECT_FALSE(title->IsChecked());
    EXPECT_EQ(title->Rectangle()->fillColor(), colors().PrimaryColor);
    EXPECT_EQ(title->Label()->fontColor(), colors().TextSecondaryColor);
}

TEST_F(SimpleButtonTest, GoesWithTheControlItWasPlacedIn)
{
    auto holder = std::make_unique<TLayout>();
    QPointer<TSimpleButton> button = new TSimpleButton(false, holder.get());
    button->SetFormClassName(QStringLiteral("TFormCadastroPessoa"));
    EXPECT_EQ(button->property("FormClassName").toString(), QStringLiteral("TFormCadastroPessoa"));
    holder.reset();
    EXPECT_TRUE(button.isNull());

    // Freed alone, it leaves controls that no longer call it.
    TSimpleButton *alone = add(QStringLiteral("Carnê"));
    int clicks = 0;
    alone->SetOnClick([&clicks](QObject *) { ++clicks; });
    QPointer<TRectangle> rectangle = alone->Rectangle();
    delete alone;
    ASSERT_FALSE(rectangle.isNull());
    rectangle->click();
    hoverPointer(rectangle, true);
    EXPECT_EQ(clicks, 0);
}

} // namespace

#include "App.Lib.Paginate.h"

#include "App.Base.Presenter.h"
#include "App.Lib.Theme.h"
#include "Label.h"
#include "Layouts.h"
#include "SpeedButton.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using TPageButton = TPaginateControl::TPageButton;
using TPageLabel = TPaginateControl::TPageLabel;

// A strip laid out as a registration window's, each button asking its page as the windows do.
class PaginateControlTest : public ::testing::Test
{
protected:
    PaginateControlTest()
    {
        for (TPageButton kind :
             { TPageButton::First, TPageButton::Prior, TPageButton::Next, TPageButton::Last }) {
            buttons[std::size_t(kind)]
                = pager.NewButton(kind, &strip, TAlignLayout::Left, [this, kind](QObject *) {
                      pager.MoveTo(kind);
                      asked << paginate.Page;
                  });
        }
        for (TPageLabel kind : { TPageLabel::CaptionPage,
                                 TPageLabel::Page,
                                 TPageLabel::CaptionListed,
                                 TPageLabel::Listed,
                                 TPageLabel::CaptionTotal,
                                 TPageLabel::Total })
            labels[std::size_t(kind)] = pager.NewLabel(kind, &strip);
    }

    TSpeedButton *button(TPageButton kind) const { return buttons[std::size_t(kind)]; }
    QString text(TPageLabel kind) const { return labels[std::size_t(kind)]->text(); }

    TLayout strip;
    TPaginate paginate;
    TPaginateControl pager { paginate };
    TSpeedButton *buttons[4] {};
    TLabel *labels[6] {};
    QList<int> asked;
};

TEST_F(PaginateControlTest, NamesStylesTextsAndThemeAreThoseOfEveryListWindow)
{
    const struct
    {
        TPageButton Kind;
        const char *Name;
        const char *Style;
    } looks[] = {
        { TPageButton::First, "SpeedButtonFirst", "arrowuptoolbutton" },
        { TPageButton::Prior, "SpeedButtonPrior", "arrowlefttoolbutton" },
        { TPageButton::Next, "SpeedButtonNext", "arrowrighttoolbutton" },
        { TPageButton::Last, "SpeedButtonLast", "arrowdowntoolbuttonbordered" },
    };
    for (const auto &look : looks) {
        EXPECT_EQ(button(look.Kind)->objectName(), QLatin1String(look.Name));
        EXPECT_EQ(button(look.Kind)->styleLookup(), QLatin1String(look.Style));
        EXPECT_EQ(button(look.Kind)->size(), QSize(30, 30));
    }
    QStringList names, texts;
    for (TLabel *label : labels) {
        names << label->objectName();
        texts << label->text();
    }
    EXPECT_EQ(names,
              QStringList({ "Label2",
                            "LabelPaginacao",
                            "Label3",
                            "LabelRegistrosListados",
                            "Label1",
                            "LabelQuantidadeRegistros" }));
    EXPECT_EQ(texts,
              QStringList({ "Página:",
                            "0000/0000",
                            "Registros Listados:",
                            "0000000000",
                            "Total Registros:",
                            "0000000000" }));

    // Figures in the (bold) tertiary font, captions in the primary one.
    const TThemeApp &theme = TThemeApp::Instance();
    pager.ApplyTheme(theme);
    for (TLabel *label : labels) {
        const bool caption = label->text().endsWith(u':');
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->fontColor(), theme.ColorApp().TextPrimaryColor);
        EXPECT_EQ(
            label->font().bold(),
            (caption ? theme.FontApp().PrimaryFont() : theme.FontApp().TertiaryFont()).bold());
        EXPECT_NE(label->font().bold(), caption);
    }
}

struct PageCase
{
    const char *Name;
    int Page;
    int TotalPages;
    TPageButton Button;
    int Asked;
};

std::ostream &operator<<(std::ostream &out, const PageCase &row)
{
    return out << row.Name;
}

class PaginateMoveTest : public PaginateControlTest, public ::testing::WithParamInterface<PageCase>
{
};

TEST_P(PaginateMoveTest, EachButtonAsksItsPage)
{
    paginate.Page = GetParam().Page;
    paginate.TotalPages = GetParam().TotalPages;
    // Pressed also where the strip would have disabled it: the windows call the handlers too.
    button(GetParam().Button)->setEnabled(true);
    button(GetParam().Button)->click();
    EXPECT_EQ(asked, QList<int> { GetParam().Asked });
}

INSTANTIATE_TEST_SUITE_P(
    Buttons,
    PaginateMoveTest,
    ::testing::Values(PageCase { "FirstFromThree", 3, 5, TPageButton::First, 1 },
                      PageCase { "PriorFromThree", 3, 5, TPageButton::Prior, 2 },
                      PageCase { "PriorOnTheFirst", 1, 5, TPageButton::Prior, 1 },
                      PageCase { "NextFromThree", 3, 5, TPageButton::Next, 4 },
                      PageCase { "NextOnTheLast", 5, 5, TPageButton::Next, 5 },
                      PageCase { "LastFromThree", 3, 5, TPageButton::Last, 5 },
                      PageCase { "NextWhenNothingWasFound", 1, 0, TPageButton::Next, 1 },
                      PageCase { "LastWhenNothingWasFound", 1, 0, TPageButton::Last, 1 }),
    [](const auto &info) { return std::string(info.param.Name); });

struct ShowCase
{
    const char *Name;
    int Page;
    int TotalPages;
    int TotalRegistros;
    int CountList;
    const char *PageText;
    const char *ListedText;
    const char *TotalText;
    bool FirstAndPrior;
    bool NextAndLast;
};

std::ostream &operator<<(std::ostream &out, const ShowCase &row)
{
    return out << row.Name;
}

class PaginateShowTest : public PaginateControlTest, public ::testing::WithParamInterface<ShowCase>
{
};

TEST_P(PaginateShowTest, ShowsPageCountsAndTheButtonsThatLeadSomewhere)
{
    const ShowCase &row = GetParam();
    paginate.Page = row.Page;
    paginate.TotalPages = row.TotalPages;
    paginate.TotalRegistros = row.TotalRegistros;
    paginate.CountList = row.CountList;
    pager.ShowPage();
    EXPECT_EQ(text(TPageLabel::Page), QLatin1String(row.PageText));
    EXPECT_EQ(text(TPageLabel::Listed), QLatin1String(row.ListedText));
    EXPECT_EQ(text(TPageLabel::Total), QLatin1String(row.TotalText));
    EXPECT_EQ(button(TPageButton::First)->isEnabled(), row.FirstAndPrior);
    EXPECT_EQ(button(TPageButton::Prior)->isEnabled(), row.FirstAndPrior);
    EXPECT_EQ(button(TPageButton::Next)->isEnabled(), row.NextAndLast);
    EXPECT_EQ(button(TPageButton::Last)->isEnabled(), row.NextAndLast);
}

INSTANTIATE_TEST_SUITE_P(
    Pages,
    PaginateShowTest,
    ::testing::Values(
        ShowCase {
            "FirstOfThree", 1, 3, 250, 100, "0001/0003", "0000000100", "0000000250", false, true },
        ShowCase {
            "MiddleOfThree", 2, 3, 250, 100, "0002/0003", "0000000100", "0000000250", true, true },
        ShowCase {
            "LastOfThree", 3, 3, 250, 50, "0003/0003", "0000000050", "0000000250", true, false },
        ShowCase { "OnlyPage", 1, 1, 7, 7, "0001/0001", "0000000007", "0000000007", false, false },
        ShowCase {
            "NothingFound", 1, 0, 0, 0, "0001/0000", "0000000000", "0000000000", false, false }),
    [](const auto &info) { return std::string(info.param.Name); });

} // namespace

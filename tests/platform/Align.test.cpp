#include "Label.h"
#include "Layouts.h"
#include "ScrollBox.h"
#include "WaitFor.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

class AlignTest : public ::testing::Test
{
protected:
    TLayout container { nullptr, QStringLiteral("Container") };

    void SetUp() override { container.resize(300, 200); }

    TLayout *child(TAlignLayout align, QSize size, QMargins margins = {})
    {
        auto *layout = new TLayout(&container);
        layout->resize(size);
        layout->setMargins(margins);
        layout->setAlign(align);
        return layout;
    }
};

TEST_F(AlignTest, DocksTopBottomLeftRightThenFillsTheRestWithTheClient)
{
    SetPadding(&container, QMargins(1, 1, 1, 1));
    TLayout *top = child(TAlignLayout::Top, QSize(10, 30), QMargins(5, 5, 5, 0));
    TLayout *bottom = child(TAlignLayout::Bottom, QSize(10, 20));
    TLayout *left = child(TAlignLayout::Left, QSize(40, 10));
    TLayout *right = child(TAlignLayout::Right, QSize(50, 10), QMargins(0, 0, 5, 5));
    TLayout *client = child(TAlignLayout::Client, QSize(10, 10), QMargins(2, 2, 2, 2));
    TLayout *contents = child(TAlignLayout::Contents, QSize(10, 10));
    TLayout *center = child(TAlignLayout::Center, QSize(20, 10));
    TLayout *free = child(TAlignLayout::None, QSize(7, 7));
    free->move(3, 4);
    Realign(&container);

    EXPECT_EQ(top->geometry(), QRect(6, 6, 288, 30));
    EXPECT_EQ(bottom->geometry(), QRect(1, 179, 298, 20));
    EXPECT_EQ(left->geometry(), QRect(1, 36, 40, 143));
    EXPECT_EQ(right->geometry(), QRect(244, 36, 50, 138));
    EXPECT_EQ(client->geometry(), QRect(43, 38, 199, 139));
    EXPECT_EQ(contents->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(center->geometry(), QRect(41 + (203 - 20) / 2, 36 + (143 - 10) / 2, 20, 10));
    EXPECT_EQ(free->geometry(), QRect(3, 4, 7, 7));
}

TEST_F(AlignTest, OrdersDockedControlsByPositionAndAppendsNewOnes)
{
    TLayout *first = child(TAlignLayout::Top, QSize(10, 30));
    TLayout *second = child(TAlignLayout::Top, QSize(10, 40));
    Realign(&container);
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->y(), 30);

    // Moving a bar far down puts it under the others, as the filter bar trick relies on.
    first->setPositionY(1000);
    second->setPositionY(0);
    Realign(&container);
    EXPECT_EQ(second->y(), 0);
    EXPECT_EQ(first->y(), 40);

    TLayout *third = child(TAlignLayout::Top, QSize(10, 10));
    Realign(&container);
    EXPECT_EQ(third->y(), 70);
}

TEST_F(AlignTest, HiddenControlsGiveUpTheirSlotAndResizesRealign)
{
    TLayout *first = child(TAlignLayout::Top, QSize(10, 30));
    TLayout *second = child(TAlignLayout::Top, QSize(10, 40));
    container.show();
    first->hide();
    Realign(&container);
    EXPECT_EQ(second->y(), 0);

    first->show();
    first->setHeight(50);
    Realign(&container);
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->y(), 50);

    container.resize(500, 200);
    EXPECT_TRUE(waitFor([&] { return second->width() == 500; }));
}

TEST_F(AlignTest, ControlCreatedInAVisibleContainerIsShown)
{
    container.show();
    auto *label = new TLabel(&container, QStringLiteral("LabelLate"));
    EXPECT_TRUE(label->Visible());
    EXPECT_TRUE(waitFor([&] { return label->isVisible(); }));

    auto *hidden = new TLabel(&container);
    hidden->hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_FALSE(hidden->Visible());
}

TEST_F(AlignTest, ReparentingKeepsTheControlsOwnVisibility)
{
    TLayout other;
    other.show();
    auto *moving = new TLayout(&container);
    SetParentControl(moving, &other);
    EXPECT_TRUE(moving->isVisible());
    auto *hidden = new TLayout(&container);
    hidden->hide();
    SetParentControl(hidden, &other);
    EXPECT_FALSE(hidden->isVisible());
}

TEST(ScrollContentTest, GrowsWithTopAlignedRows)
{
    TVertScrollBox box(nullptr, QStringLiteral("VertScrollBoxDados"));
    box.resize(300, 200);
    box.show();
    for (int i = 0; i < 3; ++i) {
        auto *row = new TLayout(box.content());
        row->resize(10, 65);
        row->setMargins(0, 2, 0, 0);
        row->setAlign(TAlignLayout::Top);
    }
    EXPECT_EQ(box.controls().size(), 3);
    Realign(box.content());
    const QList<QWidget *> rows = box.controls();
    EXPECT_EQ(rows.at(0)->y(), 2);
    EXPECT_EQ(rows.at(1)->y(), 69);
    EXPECT_EQ(rows.at(2)->y(), 136);
    EXPECT_EQ(box.content()->layout()->minimumSize().height(), 201);
    EXPECT_TRUE(waitFor([&] { return box.content()->height() == 201; }));
}

TEST(GridLayoutTest, PlacesItemsInRowsOfEqualCells)
{
    TGridLayout grid(nullptr, QStringLiteral("LayoutTopMenu"));
    grid.resize(250, 120);
    grid.setItemWidth(100);
    grid.setItemHeight(60);
    QList<TLayout *> items;
    for (int i = 0; i < 3; ++i)
        items.append(new TLayout(&grid));
    Realign(&grid);
    EXPECT_EQ(items.at(0)->geometry(), QRect(0, 0, 100, 60));
    EXPECT_EQ(items.at(1)->geometry(), QRect(100, 0, 100, 60));
    EXPECT_EQ(items.at(2)->geometry(), QRect(0, 60, 100, 60));
}

} // namespace

#include "App.Lib.Adapter.Frame.Checkbox.h"

#include "CheckBox.h"
#include "Image.h"
#include "Label.h"

#include "support/WidgetInput.h"

#include <gtest/gtest.h>

TEST(FrameAdapterCheckBoxTest, FreshRowHasItsLayout)
{
    TFrameAdapterCheckBox frame;
    EXPECT_EQ(frame.size(), QSize(599, 45));
    EXPECT_FALSE(frame.ImageItem->Visible());
    EXPECT_EQ(frame.ImageItem->width(), 0);
    EXPECT_EQ(frame.LayoutButtons->width(), 39);
    EXPECT_EQ(frame.CheckBoxSelecionar->size(), QSize(20, 19));
    EXPECT_FALSE(frame.LabelRegistro->Visible());
    EXPECT_FALSE(frame.LabelTitleRegistro->Visible());
    EXPECT_FALSE(frame.CheckBoxSelecionar->isChecked());
}

TEST(FrameAdapterCheckBoxTest, ClickTogglesAndHandsTheRowOverWhenAsked)
{
    TFrameAdapterCheckBox frame;
    frame.resize(599, 45);
    frame.show();
    const QPoint centre = frame.CheckBoxSelecionar->rect().center();

    clickAt(frame.CheckBoxSelecionar, centre);
    EXPECT_TRUE(frame.CheckBoxSelecionar->isChecked());

    QList<bool> states;
    frame.TagString = QStringLiteral("42");
    frame.ProcCheckBoxClick = [&](TFrameBaseAdapter *AFrame) {
        ASSERT_EQ(AFrame, &frame);
        EXPECT_EQ(AFrame->TagString, QStringLiteral("42"));
        states << static_cast<TFrameAdapterCheckBox *>(AFrame)->CheckBoxSelecionar->isChecked();
    };
    clickAt(frame.CheckBoxSelecionar, centre);
    clickAt(frame.CheckBoxSelecionar, centre);
    EXPECT_EQ(states, (QList<bool> { false, true }));
}

#include "App.Lib.Placement.h"

#include "CheckBox.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(PlacementTest, CaptionsStandAboveTheirControlsNamedAfterTheKind)
{
    QWidget window;
    const TPlacement place(&window, 24, 32);
    TLabel *labelData = nullptr;
    TDateEdit *dateEditData = nullptr;
    TLabel *labelNome = nullptr;
    TEdit *editNome = nullptr;
    TCheckBox *checkBoxAtivo = nullptr;
    place.Field(labelData, dateEditData, u"FilterData", 16, 48, 120);
    place.Field(labelNome, editNome, u"Nome", 147, 48, 200, QStringLiteral("Nome"));
    place.Control(checkBoxAtivo, u"Ativo", 16, 16, 200, 22);

    EXPECT_EQ(labelData->objectName(), QStringLiteral("LabelFilterData"));
    EXPECT_EQ(dateEditData->objectName(), QStringLiteral("DateEditFilterData"));
    EXPECT_EQ(labelData->pos(), QPoint(16, 48));
    EXPECT_TRUE(labelData->text().isEmpty()) << "its binding gives it its title";
    EXPECT_EQ(dateEditData->geometry(), QRect(16, 72, 120, 32));
    EXPECT_EQ(editNome->objectName(), QStringLiteral("EditNome"));
    EXPECT_EQ(editNome->geometry(), QRect(147, 72, 200, 32));
    EXPECT_EQ(labelNome->text(), QStringLiteral("Nome"));
    EXPECT_EQ(labelNome->parentWidget(), &window);
    EXPECT_EQ(checkBoxAtivo->objectName(), QStringLiteral("CheckBoxAtivo"));
    EXPECT_EQ(checkBoxAtivo->geometry(), QRect(16, 16, 200, 22));
}

} // namespace

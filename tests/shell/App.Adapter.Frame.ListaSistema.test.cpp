#include "App.Adapter.Frame.ListaSistema.h"

#include "Label.h"

#include <gtest/gtest.h>

namespace {

TEST(ListaSistemaFrameAdapterTest, ValuesStartAfterTheirTitles)
{
    TListaSistemaFrameAdapter frame;
    EXPECT_EQ(frame.LabelTitleCodigo->text(), QStringLiteral("Código:"));
    EXPECT_EQ(frame.LabelTitleTipo->text(), QStringLiteral("Tipo Lista:"));
    EXPECT_GT(frame.LabelCodigo->x(), frame.LabelTitleCodigo->geometry().right());
    EXPECT_GT(frame.LabelTipo->x(), frame.LabelTitleTipo->geometry().right());
    EXPECT_LT(frame.LabelCodigo->geometry().right(), frame.LabelTitleTipo->x())
        << "a short code stays clear of the type";
}

} // namespace

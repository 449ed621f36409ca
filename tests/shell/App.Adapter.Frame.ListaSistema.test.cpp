#include "App.Adapter.Frame.ListaSistema.h"

#include "Label.h"
#include "MemTable.h"
#include "SysUtils.h"

#include <gtest/gtest.h>

#include <memory>

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

TEST(ListaSistemaFrameAdapterTest, RowShowsTheColumnsOfTheCurrentRecord)
{
    TMemTable table;
    for (const char *name : { "CODIGO", "DESCRICAO", "TIPO" })
        table.AddField(QLatin1String(name), TFieldType::String, 100);
    table.CreateDataSet();
    table.Append();
    table.FieldByName(QStringLiteral("CODIGO"))->SetAsString(QStringLiteral("01"));
    table.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("CÔNJUGE"));
    table.FieldByName(QStringLiteral("TIPO"))->SetAsString(QStringLiteral("PARENTESCO"));
    table.Post();

    std::unique_ptr<TListaSistemaFrameAdapter> frame(
        TFrameBaseAdapter::New<TListaSistemaFrameAdapter>(nullptr, table));
    EXPECT_EQ(frame->LabelCodigo->text(), QStringLiteral("01"));
    EXPECT_EQ(frame->LabelDescricao->text(), QStringLiteral("CÔNJUGE"));
    EXPECT_EQ(frame->LabelTipo->text(), QStringLiteral("PARENTESCO"));
    EXPECT_EQ(frame->LabelTitleCodigo->text(), QStringLiteral("Código:"));

    TMemTable withoutTipo;
    withoutTipo.AddField(QStringLiteral("CODIGO"), TFieldType::String, 20);
    withoutTipo.AddField(QStringLiteral("DESCRICAO"), TFieldType::String, 100);
    withoutTipo.CreateDataSet();
    EXPECT_THROW(frame->FillRecord(withoutTipo), Exception);
}

} // namespace

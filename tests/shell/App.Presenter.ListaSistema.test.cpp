#include "App.Presenter.ListaSistema.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "CheckBox.h"
#include "Common.Entity.ListaSistema.h"
#include "Edit.h"
#include "RestRequest.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(ListaSistema, PresenterContract, TListaSistemaPresenter);

class ListaSistemaPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TListaSistemaPresenter> presenter
        = TBasePresenter::Create<TListaSistemaPresenter>();

    QStringList rowTexts()
    {
        QStringList rows;
        TMemTable &table = presenter->DataSetInfo();
        for (table.First(); !table.Eof(); table.Next())
            rows << table.FieldByName(QStringLiteral("CODIGO"))->AsString() + u'|'
                    + table.FieldByName(QStringLiteral("DESCRICAO"))->AsString() + u'|'
                    + table.FieldByName(QStringLiteral("TIPO"))->AsString();
        return rows;
    }
};

TEST_F(ListaSistemaPresenterTest, TableHoldsCodeDescriptionAndTypeAfterTheBaseColumns)
{
    TMemTable &table = presenter->DataSetInfo();
    EXPECT_EQ(table.Name(), QStringLiteral("lista_sistema"));
    ASSERT_EQ(table.FieldCount(), 6);
    EXPECT_EQ(table.Fields(0)->FieldName(), QStringLiteral("ID"));
    const QStringList names = { "CODIGO", "DESCRICAO", "TIPO" };
    const int sizes[] = { 20, 100, 50 };
    for (int index = 0; index < 3; ++index) {
        const TField *field = table.Fields(3 + index);
        EXPECT_EQ(field->FieldName(), names[index]);
        EXPECT_EQ(field->DataType(), TFieldType::String);
        EXPECT_EQ(field->Size(), sizes[index]);
    }
    EXPECT_EQ(presenter->Service()->ResourceName(), QStringLiteral("/lista-sistema"));
    EXPECT_NE(presenter->EntityAs<TListaSistemaEntity>(), nullptr);
    EXPECT_EQ(presenter->FilterClass(), nullptr);
    EXPECT_NE(TBasePresenter::CreatePresenter(QStringLiteral("TListaSistemaPresenter")), nullptr);
}

TEST_F(ListaSistemaPresenterTest, ListOfATypeSendsTheTypeAsFixedFilterAndNoBody)
{
    backend.on("GET",
               "/lista-sistema",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                               R"({"id":1,"codigo":"M","descricao":"MASCULINO","tipo":"SEXO"},)"
                               R"({"id":2,"codigo":"F","descricao":"FEMININO","tipo":"SEXO"}]})"));
    presenter->ValueFixFilter = QStringLiteral("SEXO");
    presenter->TextSearch = QStringLiteral("M");
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    presenter->findByFilterToDataSet();

    const RecordedRequest get = *backend.last("GET", "/lista-sistema");
    EXPECT_EQ(get.param("fix-filter"), "SEXO");
    EXPECT_EQ(get.param("search"), "M");
    EXPECT_EQ(get.body, "");
    EXPECT_EQ(rowTexts(), (QStringList { "M|MASCULINO|SEXO", "F|FEMININO|SEXO" }));
}

TEST_F(ListaSistemaPresenterTest, ReadsSavesAndRemovesThroughTheSystemListResource)
{
    QWidget window;
    auto *editCodigo = new TEdit(&window, QStringLiteral("EditCodigo"));
    auto *editTipo = new TEdit(&window, QStringLiteral("EditTipo"));
    auto *checkBoxIsGeral = new TCheckBox(&window, QStringLiteral("CheckBoxIsGeral"));
    presenter->SetProcFillListControl([&] {
        presenter->ManagerControls().AddItemControl().SetControl(editCodigo);
        presenter->ManagerControls().AddItemControl().SetControl(editTipo);
        presenter->ManagerControls().AddItemControl().SetControl(checkBoxIsGeral);
    });
    backend.on("GET",
               "/lista-sistema/5000000000",
               FakeReply::json(R"({"id":5000000000,"codigo":"01","descricao":"ÓBITO",)"
                               R"("tipo":"BAIXA_CONTRATO","isGeral":true})"));
    presenter->Edit(5000000000);
    const auto *read = presenter->EntityAs<TListaSistemaEntity>();
    EXPECT_EQ(read->Id, 5000000000);
    EXPECT_EQ(read->Descricao, QStringLiteral("ÓBITO"));
    EXPECT_TRUE(read->IsGeral);

    EXPECT_EQ(editCodigo->text(), QStringLiteral("01"));
    EXPECT_TRUE(checkBoxIsGeral->isChecked());

    editCodigo->setText(QStringLiteral("02"));
    checkBoxIsGeral->setChecked(false);
    editTipo->setText(QStringLiteral("SEXO"));
    backend.on("POST", "/lista-sistema", FakeReply::json(R"({"id":77,"codigo":"02"})"));
    presenter->Post();
    const QJsonObject body
        = QJsonDocument::fromJson(
              QByteArray::fromStdString(backend.last("POST", "/lista-sistema")->body))
              .object();
    EXPECT_EQ(body.value("codigo").toString(), QStringLiteral("02"));
    EXPECT_EQ(body.value("tipo").toString(), QStringLiteral("SEXO"));
    EXPECT_EQ(body.value("isGeral"), QJsonValue(false)) << "an unticked box still sends false";
    EXPECT_EQ(presenter->Entity()->Id, 77);

    backend.on("DELETE", "/lista-sistema", FakeReply::empty(204));
    EXPECT_TRUE(presenter->Delete(77));
    const RecordedRequest removal = *backend.last("DELETE", "/lista-sistema");
    EXPECT_EQ(removal.body, R"({"listHelper":[77]})");
    EXPECT_EQ(removal.header("name_class"), "TListaSistemaEntity");
}

} // namespace

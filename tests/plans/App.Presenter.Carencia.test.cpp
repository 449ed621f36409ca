#include "App.Presenter.Carencia.h"
#include "App.Presenter.ItemCarencia.h"

#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "MemTable.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Carencia, PresenterContract, TCarenciaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(ItemCarencia, PresenterContract, TItemCarenciaPresenter);

// The rule presenter as the rule window wires it: a bound description and the item table of an
// item presenter.
class CarenciaPresenterTest : public ::testing::Test
{
protected:
    CarenciaPresenterTest()
    {
        editDescricao = new TEdit(&window, QStringLiteral("EditDescricao"));
        presenter->SetProcFillListControl([this] {
            presenter->ManagerControls().Bind(editDescricao, QStringLiteral("Descrição"));
        });
        presenter->DataSetItemCarencia = &itens->DataSetInfo();
        backend.on("POST", "/carencia/complex", FakeReply::json(R"({"id":31,"descricao":"X"})"));
    }

    void addItem(std::int64_t AId, std::int64_t AParentesco, int ADias)
    {
        TMemTable &table = itens->DataSetInfo();
        if (!table.Active())
            table.CreateDataSet();
        table.Append();
        table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
        table.FieldByName(QStringLiteral("LISTA_PARENTESCO"))->SetAsLargeInt(AParentesco);
        table.FieldByName(QStringLiteral("FAIXA_ETARIA"))->SetAsFloat(18);
        table.FieldByName(QStringLiteral("DIAS_CARENCIA"))->SetAsInteger(ADias);
        table.FieldByName(QStringLiteral("PERCENTUAL"))->SetAsFloat(12.5);
        table.FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("FILHO(A)"));
        table.Post();
    }
    QJsonObject save()
    {
        editDescricao->setText(QStringLiteral("PADRÃO"));
        presenter->PostComplex();
        const auto post = backend.last("POST", "/carencia/complex");
        return post ? QJsonDocument::fromJson(QByteArray::fromStdString(post->body)).object()
                    : QJsonObject();
    }
    static QJsonArray listOf(const QJsonObject &ABody, const char *AName)
    {
        return ABody.value(QLatin1String(AName)).toObject().value("listHelper").toArray();
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    QWidget window;
    TEdit *editDescricao;
    std::unique_ptr<TCarenciaPresenter> presenter = TBasePresenter::Create<TCarenciaPresenter>();
    std::unique_ptr<TItemCarenciaPresenter> itens
        = TBasePresenter::Create<TItemCarenciaPresenter>();
};

TEST_F(CarenciaPresenterTest, SavesEveryItemRowWhateverTheSearchAndTheRemovedIds)
{
    addItem(12345678901, 2, 180);
    addItem(0, 1, 90);
    addItem(0, 3, 30);
    TMemTable &table = itens->DataSetInfo();
    table.SetFilter(QStringLiteral("DIAS_CARENCIA = 90"));
    table.SetFiltered(true);
    presenter->ListRemoveItemCarencia = { QStringLiteral("12345678902"), QStringLiteral("7") };

    const QJsonObject body = save();
    EXPECT_EQ(body.value("descricao").toString(), QStringLiteral("PADRÃO"));
    const QJsonArray items = listOf(body, "itemCarencias");
    ASSERT_EQ(items.size(), 3) << "rows the search hides are items all the same";
    const QJsonObject first = items[0].toObject();
    EXPECT_EQ(first.value("id").toInteger(), 12345678901);
    EXPECT_EQ(first.value("idCarencia").toInteger(), 0);
    EXPECT_EQ(first.value("listaParentesco").toInteger(), 2);
    EXPECT_EQ(first.value("faixaEtaria").toDouble(), 18);
    EXPECT_EQ(first.value("diasCarencia").toInt(), 180);
    EXPECT_EQ(first.value("percentual").toDouble(), 12.5);
    EXPECT_EQ(items[2].toObject().value("diasCarencia").toInt(), 30);
    EXPECT_EQ(listOf(body, "removeItemCarencias"), (QJsonArray { qint64(12345678902), 7 }));

    EXPECT_TRUE(table.Filtered()) << "the item list keeps showing what it showed";
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(presenter->Entity()->Id, 31);
}

// The item table may not be open yet (no rule read, no item typed): that is a rule without
// items, not a failure.
TEST_F(CarenciaPresenterTest, ClosedOrMissingItemTableSavesNoItems)
{
    ASSERT_FALSE(itens->DataSetInfo().Active());
    presenter->ListRemoveItemCarencia = { QStringLiteral("8") };
    QJsonObject body = save();
    ASSERT_TRUE(body.value("itemCarencias").isObject()) << "the list is sent, empty";
    EXPECT_TRUE(listOf(body, "itemCarencias").isEmpty());
    EXPECT_EQ(listOf(body, "removeItemCarencias"), QJsonArray { 8 });

    presenter->DataSetItemCarencia = nullptr;
    body = save();
    EXPECT_TRUE(listOf(body, "itemCarencias").isEmpty());
}

TEST_F(CarenciaPresenterTest, ClearingTheRecordForgetsTheRemovedItems)
{
    presenter->ListRemoveItemCarencia = { QStringLiteral("8") };
    presenter->Clear(false, false);
    EXPECT_TRUE(presenter->ListRemoveItemCarencia.isEmpty());
    EXPECT_TRUE(listOf(save(), "removeItemCarencias").isEmpty());
}

} // namespace

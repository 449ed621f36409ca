#include "App.Presenter.OrdemContratoCarteira.h"

#include "App.Adapter.Frame.OrdemContratoCarteira.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "support/WidgetInput.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A contract table of the columns the order rules read; row i has ID_REGISTRO i + 1.
void fillContratos(TMemTable &ATable,
                   const std::vector<int> &AOrdens,
                   const std::vector<QString> &ALogradouros = {})
{
    ATable.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::LargeInt);
    ATable.AddField(QStringLiteral("ORDEM_COBRANCA"), TFieldType::Integer);
    ATable.AddField(QStringLiteral("LOGRADOURO"), TFieldType::String, 100);
    ATable.AddField(QStringLiteral("TITULAR"), TFieldType::String, 100);
    ATable.CreateDataSet();
    for (std::size_t i = 0; i < AOrdens.size(); ++i) {
        ATable.Append();
        ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->SetAsLargeInt(std::int64_t(i + 1));
        ATable.FieldByName(QStringLiteral("ORDEM_COBRANCA"))->SetAsInteger(AOrdens[i]);
        ATable.FieldByName(QStringLiteral("LOGRADOURO"))
            ->SetAsString(i < ALogradouros.size() ? ALogradouros[i] : QString());
        ATable.FieldByName(QStringLiteral("TITULAR"))->SetAsString(QString::number(i + 1));
        ATable.Post();
    }
    ATable.SetIndexFieldNames(QStringLiteral("ORDEM_COBRANCA;LOGRADOURO;TITULAR"));
}

// The orders by ID_REGISTRO (index 0 is row 1).
std::vector<int> ordens(TMemTable &ATable)
{
    std::vector<int> list(ATable.RecordCount());
    for (ATable.First(); !ATable.Eof(); ATable.Next())
        list[ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt() - 1]
            = ATable.FieldByName(QStringLiteral("ORDEM_COBRANCA"))->AsInteger();
    return list;
}

// The ids in the order the view walks them.
std::vector<std::int64_t> idsNaVista(TMemTable &ATable)
{
    std::vector<std::int64_t> list;
    for (ATable.First(); !ATable.Eof(); ATable.Next())
        list.push_back(ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt());
    return list;
}

enum class Gesto { Digitar, Subir, Descer };

struct RenumberCase
{
    const char *name;
    std::vector<int> antes;
    Gesto gesto;
    std::int64_t idRegistro;
    int valor; // typed: the new order; a step: the order the row's edit shows
    std::vector<int> depois;
    bool alterou;
};

class RenumberTest : public testing::TestWithParam<RenumberCase>
{
};

TEST_P(RenumberTest, RenumbersTheTableAsTheRowMoves)
{
    const RenumberCase &c = GetParam();
    TMemTable table;
    fillContratos(table, c.antes);
    bool alterou = false;
    switch (c.gesto) {
    case Gesto::Digitar:
        alterou = AlterarOrdemContratoCarteira(table, c.idRegistro, c.valor)
            == TOrdemAlterada::Alterada;
        break;
    case Gesto::Subir:
        alterou = MoverOrdemContratoCarteira(table, c.idRegistro, c.valor, -1);
        break;
    case Gesto::Descer:
        alterou = MoverOrdemContratoCarteira(table, c.idRegistro, c.valor, +1);
        break;
    }
    EXPECT_EQ(ordens(table), c.depois);
    EXPECT_EQ(alterou, c.alterou);
    // The rows were written with the table kept in order: sorting it afresh changes nothing.
    const std::vector<std::int64_t> vista = idsNaVista(table);
    const QString index = table.IndexFieldNames();
    table.SetIndexFieldNames(QString());
    table.SetIndexFieldNames(index);
    EXPECT_EQ(vista, idsNaVista(table));
}

INSTANTIATE_TEST_SUITE_P(
    OrdemContratoCarteira,
    RenumberTest,
    testing::Values(
        RenumberCase { "LastTypedSecondPushesTheMiddleDown",
                       { 1, 2, 3, 4, 5 },
                       Gesto::Digitar,
                       5,
                       2,
                       { 1, 3, 4, 5, 2 },
                       true },
        RenumberCase { "SecondTypedLastPullsTheRestUp",
                       { 1, 2, 3, 4, 5 },
                       Gesto::Digitar,
                       2,
                       5,
                       { 1, 5, 2, 3, 4 },
                       true },
        RenumberCase { "GapsAreKeptWhenMovingTowardsTheBeginning",
                       { 1, 3, 4, 7 },
                       Gesto::Digitar,
                       4,
                       2,
                       { 1, 4, 7, 2 },
                       true },
        RenumberCase { "MiddleTypedFirstLeavesTheTailAlone",
                       { 1, 2, 3, 4, 5 },
                       Gesto::Digitar,
                       3,
                       1,
                       { 2, 3, 1, 4, 5 },
                       true },
        RenumberCase {
            "ZeroTypedChangesNothing", { 1, 2, 3 }, Gesto::Digitar, 2, 0, { 1, 2, 3 }, false },
        RenumberCase {
            "OwnOrderTypedChangesNothing", { 1, 2, 3 }, Gesto::Digitar, 2, 2, { 1, 2, 3 }, false },
        RenumberCase {
            "UpSwapsWithThePreviousOrder", { 1, 2, 3 }, Gesto::Subir, 3, 3, { 1, 3, 2 }, true },
        RenumberCase {
            "DownSwapsWithTheNextOrder", { 1, 2, 3 }, Gesto::Descer, 1, 1, { 2, 1, 3 }, true },
        RenumberCase {
            "UpOnTheFirstDoesNothing", { 1, 2, 3 }, Gesto::Subir, 1, 1, { 1, 2, 3 }, false },
        RenumberCase {
            "DownOnTheLastDoesNothing", { 1, 2, 3 }, Gesto::Descer, 3, 3, { 1, 2, 3 }, false },
        RenumberCase { "UpWithoutTheOrderBeforeMovesOnlyThisRow",
                       { 1, 3, 4 },
                       Gesto::Subir,
                       2,
                       3,
                       { 1, 2, 4 },
                       true }),
    [](const testing::TestParamInfo<RenumberCase> &info) { return info.param.name; });

TEST(OrdemContratoCarteira, RowOutsideTheTableOnlyRebuilds)
{
    TMemTable table;
    fillContratos(table, { 1, 2 });
    EXPECT_EQ(AlterarOrdemContratoCarteira(table, 99, 1), TOrdemAlterada::LinhaAusente);
    EXPECT_EQ(ordens(table), (std::vector<int> { 1, 2 }));
}

TEST(OrdemContratoCarteira, ContractsWithoutOrderFollowTheHighestByStreetAndHolder)
{
    TMemTable table;
    fillContratos(table,
                  { 0, 2, 0, 1, 0 },
                  { QStringLiteral("RUA C"),
                    QStringLiteral("RUA Z"),
                    QStringLiteral("RUA A"),
                    QStringLiteral("RUA Y"),
                    QStringLiteral("RUA B") });
    OrdenarContratosCarteira(table);
    EXPECT_EQ(ordens(table), (std::vector<int> { 5, 2, 3, 1, 4 }));
    EXPECT_FALSE(table.Filtered());
    table.First();
    EXPECT_EQ(table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt(), 4);
}

class OrdemContratoCarteiraPresenterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        presenter = TBasePresenter::Create<TOrdemContratoCarteiraPresenter>();
        fillContratos(table, { 1, 2, 3 });
        presenter->DataSetContrato = &table;
        presenter->ProcReloadDados = [this] { ++rebuilds; };
        frame.SetIdRegistro(3);
        frame.SetProcAlterarOrdem(
            [this](TFrameBaseAdapter *AFrame) { presenter->ProcAlterarOrdemClick(AFrame); });
        frame.SetProcResetOrdem(
            [this](TFrameBaseAdapter *AFrame) { presenter->ProcResetOrdem(AFrame); });
        frame.EditOrdem->setText(QStringLiteral("3"));
    }

    TMemTable table;
    std::unique_ptr<TOrdemContratoCarteiraPresenter> presenter;
    TOrdemContratoCarteiraFrameAdapter frame;
    int rebuilds = 0;
};

TEST_F(OrdemContratoCarteiraPresenterTest, EnterInTheOrderEditMovesTheRowAndRebuilds)
{
    frame.EditOrdem->clear();
    typeText(frame.EditOrdem, QStringLiteral("1"));
    pressKey(frame.EditOrdem, Qt::Key_Return);
    EXPECT_EQ(ordens(table), (std::vector<int> { 2, 3, 1 }));
    EXPECT_EQ(rebuilds, 1);

    // The same order again, or nothing typed, leaves the rows as they are.
    presenter->ProcAlterarOrdemClick(&frame);
    frame.EditOrdem->clear();
    presenter->ProcAlterarOrdemClick(&frame);
    presenter->ProcAlterarOrdemClick(nullptr);
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(OrdemContratoCarteiraPresenterTest, LeavingTheEditWithoutEnterRestoresTheOrder)
{
    frame.EditOrdem->clear();
    typeText(frame.EditOrdem, QStringLiteral("1"));
    presenter->ProcResetOrdem(&frame);
    EXPECT_EQ(frame.EditOrdem->text().toInt(), 3);
    EXPECT_EQ(ordens(table), (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(OrdemContratoCarteiraPresenterTest, UpdateWithoutRowsAsksForASearchFirst)
{
    table.EmptyDataSet();
    try {
        presenter->AtualizarOrdemContratos();
        FAIL() << "no warning";
    } catch (const Exception &e) {
        EXPECT_EQ(e.Message(),
                  QStringLiteral("WARNING:É necessário realizar a pesquisa para prosseguir."));
    }
}

} // namespace

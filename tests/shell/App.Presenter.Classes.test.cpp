#include "App.Presenter.Classes.h"

#include "Common.Dto.Classes.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class ClassesPresenterTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TClassesPresenter> presenter = TBasePresenter::Create<TClassesPresenter>();
};

TEST_F(ClassesPresenterTest, HasNoEntityEvenAfterClearAndListsClassNamesWithoutBody)
{
    EXPECT_EQ(presenter->Entity(), nullptr);
    presenter->Clear(true, true);
    EXPECT_EQ(presenter->Entity(), nullptr);
    EXPECT_EQ(presenter->FilterClass(), nullptr);
    EXPECT_EQ(presenter->Service()->ResourceName(), QStringLiteral("/classes"));

    backend.on(
        "GET",
        "/classes",
        FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                        R"({"id":1,"nomeClasse":"TPessoaEntity","descricaoClasse":"Pessoas"},)"
                        R"({"id":2,"nomeClasse":"TContratoComplexPost",)"
                        R"("descricaoClasse":"Contratos"}]})"));
    presenter->TextSearch = QStringLiteral("con");
    presenter->Paginate = { 0, 0, 0, 1, 100 };
    presenter->findByFilterToDataSet();

    const RecordedRequest get = *backend.last("GET", "/classes");
    EXPECT_EQ(get.param("search"), "con");
    EXPECT_FALSE(get.hasParam("fix-filter"));
    EXPECT_EQ(get.body, "");
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.FieldCount(), 5);
    EXPECT_EQ(table.Fields(3)->Size(), 100);
    EXPECT_EQ(table.Fields(4)->Size(), 200);
    QStringList rows;
    for (table.First(); !table.Eof(); table.Next())
        rows << table.FieldByName(QStringLiteral("NOME_CLASSE"))->AsString() + u'|'
                + table.FieldByName(QStringLiteral("DESCRICAO_CLASSE"))->AsString();
    EXPECT_EQ(rows, (QStringList { "TPessoaEntity|Pessoas", "TContratoComplexPost|Contratos" }));
}

TEST_F(ClassesPresenterTest, TheLookupFindsAChosenClassByIdWithoutFixedFilter)
{
    backend.on("GET",
               "/classes/pesquisa/2",
               FakeReply::json(R"({"id":2,"nomeClasse":"TContratoComplexPost",)"
                               R"("descricaoClasse":"Contratos"})"));
    const auto found = presenter->Service()->findPesquisaById<TClassesDto>(2, QString());
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->DescricaoClasse, QStringLiteral("Contratos"));
    EXPECT_EQ(found->NomeClasse, QStringLiteral("TContratoComplexPost"));
    EXPECT_FALSE(backend.last("GET", "/classes/pesquisa/2")->hasParam("fix-filter"));
}

} // namespace

#include "App.Presenter.Servico.Estoque.h"
#include "App.Service.CarenciaServico.h"
#include "App.Service.ItemKitServico.h"
#include "App.Service.Servico.Estoque.h"
#include "App.Service.Servico.h"
#include "App.Service.ValorServico.h"
#include "Common.Dto.CarenciaServico.h"
#include "Common.Dto.ItemKitServico.h"
#include "Common.Dto.Servico.Estoque.h"
#include "Common.Dto.Servico.h"
#include "Common.Dto.ValorServico.h"

#include "MemTable.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const char *const kNoRows = R"({"total":0,"pages":0,"listHelper":[]})";

class ServicoServiceTest : public ::testing::Test
{
protected:
    // The request of a first-page read: paged, page 1 of 100, nothing else.
    void expectFirstPage(const char *APath)
    {
        const auto request = backend.last("GET", APath);
        ASSERT_TRUE(request) << APath;
        EXPECT_EQ(request->header("X-Paginate"), "true") << APath;
        EXPECT_EQ(request->param("page"), "1") << APath;
        EXPECT_EQ(request->param("limit"), "100") << APath;
        EXPECT_FALSE(request->param("search")) << APath;
        EXPECT_FALSE(request->param("fix-filter")) << APath;
        EXPECT_TRUE(request->body.empty()) << APath;
    }

    FakeBackend backend;
    FakeConnection fake { backend };
};

TEST_F(ServicoServiceTest, KitMembersAreServiceRowsAndA304IsNoList)
{
    TServicoService service;
    const char *path = "/servico/servico-kit/7";
    backend.on("GET",
               path,
               FakeReply::json(R"({"total":1,"pages":1,"listHelper":[)"
                               R"({"id":3,"descricao":"TRANSLADO","valor":300.5}]})"));
    const auto members = service.findAllByServicoKit(7);
    ASSERT_TRUE(members);
    ASSERT_EQ(members->size(), 1u);
    EXPECT_EQ(members->front()->Id, 3);
    EXPECT_EQ(members->front()->Descricao, QStringLiteral("TRANSLADO"));
    EXPECT_DOUBLE_EQ(members->front()->Valor, 300.5);
    expectFirstPage(path);

    backend.on("GET", path, FakeReply::empty(304));
    EXPECT_FALSE(service.findAllByServicoKit(7));
}

// Each child list of a service is the first page of 100 rows under the service's id.
TEST_F(ServicoServiceTest, ChildListsReadTheFirstPageUnderTheService)
{
    struct Case
    {
        const char *path;
        std::function<std::optional<std::size_t>()> fill;
    };
    const auto count = [](const auto &rows) -> std::optional<std::size_t> {
        return rows ? std::optional<std::size_t>(rows->size()) : std::nullopt;
    };
    const Case cases[] = {
        { "/valor-servico/servico/12345678901",
          [&] { return count(TValorServicoService().fillValorServico(12345678901)); } },
        { "/carencia-servico/servico/12345678901",
          [&] { return count(TCarenciaServicoService().fillCarenciaServico(12345678901)); } },
        { "/item-kit-servico/servico/12345678901",
          [&] { return count(TItemKitServicoService().fillItemKitServico(12345678901)); } },
    };
    for (const Case &c : cases) {
        backend.on("GET",
                   c.path,
                   FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                                   R"({"id":1},{"id":2}]})"));
        EXPECT_EQ(c.fill(), 2u) << c.path;
        expectFirstPage(c.path);
        backend.on("GET", c.path, FakeReply::empty(304));
        EXPECT_EQ(c.fill(), std::nullopt) << c.path;
        backend.on("GET", c.path, FakeReply::json(kNoRows));
        EXPECT_EQ(c.fill(), 0u) << c.path;
    }
}

TEST_F(ServicoServiceTest, StockPageKeepsItsTotalsAndAListOfOnlyNullIsNoList)
{
    TServicoEstoqueService service;
    const char *path = "/servico-estoque/9";
    backend.on("GET",
               path,
               FakeReply::json(R"({"total":101,"pages":2,"listHelper":[)"
                               R"({"id":1,"idEmpresa":2,"empresa":"MATRIZ","estoque":8.5}]})"));
    const auto rows = service.fillServicoEstoque(9, 2, 100);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ(rows->front()->IdEmpresa, 2);
    EXPECT_DOUBLE_EQ(rows->front()->Estoque, 8.5);
    EXPECT_EQ(service.TotalRecords(), 101);
    EXPECT_EQ(service.TotalPages(), 2);
    const auto request = backend.last("GET", path);
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_EQ(request->param("page"), "2");
    EXPECT_EQ(request->param("limit"), "100");

    for (const FakeReply &reply : { FakeReply::json(R"({"total":0,"pages":0,"listHelper":[null]})"),
                                    FakeReply::empty(304) }) {
        backend.on("GET", path, reply);
        EXPECT_NO_THROW(EXPECT_FALSE(service.fillServicoEstoque(9, 1, 100))) << reply.status;
    }
}

TEST_F(ServicoServiceTest, StockPresenterAsksPageZeroAsPageOneAndShowsNoRowsForANullList)
{
    auto presenter = TBasePresenter::Create<TServicoEstoquePresenter>();
    presenter->IdPrincipal = 9;
    presenter->Paginate.Page = 0;
    backend.on("GET",
               "/servico-estoque/9",
               FakeReply::json(R"({"total":0,"pages":0,"listHelper":[null]})"));
    EXPECT_NO_THROW(presenter->findByFilterToDataSet());
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 0);
    const auto request = backend.last("GET", "/servico-estoque/9");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");

    backend.on("GET",
               "/servico-estoque/9",
               FakeReply::json(R"({"total":2,"pages":1,"listHelper":[)"
                               R"({"id":1,"idEmpresa":1,"empresa":"MATRIZ","estoque":8},)"
                               R"({"id":2,"idEmpresa":2,"empresa":"FILIAL","estoque":4.5}]})"));
    presenter->findByFilterToDataSet();
    EXPECT_EQ(presenter->DataSetInfo().RecordCount(), 2);
    EXPECT_EQ(presenter->Paginate.TotalRegistros, 2);
    EXPECT_EQ(presenter->Paginate.TotalPages, 1);
    presenter->totalizar();
    EXPECT_DOUBLE_EQ(presenter->TotalEstoque(), 12.5);
    presenter->Clear(true, false);
    EXPECT_DOUBLE_EQ(presenter->TotalEstoque(), 0);
}

} // namespace

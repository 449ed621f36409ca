#include "App.Lib.Presenter.MenuSistema.h"
#include "Common.Dto.MenuSistema.h"

#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <gtest/gtest.h>

namespace {

class MenuSistemaTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    std::unique_ptr<FakeConnection> fake = std::make_unique<FakeConnection>(backend);
    std::unique_ptr<TMenuSistemaPresenter> presenter;

    void SetUp() override
    {
        backend.on("GET", "/acesso", FakeReply::json(R"({"id":41,"login":"ana"})"));
        fake->connection().Logar(QStringLiteral("ana"), QStringLiteral("digest"));
        presenter = TBasePresenter::Create<TMenuSistemaPresenter>();
    }

    static std::string row(int id, const char *menu, const char *item, const char *form)
    {
        return std::string(R"({"id":)") + std::to_string(id) + R"(,"menuSuperior":")" + menu
            + R"(","itemMenu":")" + item + R"(","classeFormulario":")" + form
            + R"(","informacaoItemMenu":"info )" + std::to_string(id) + R"("})";
    }
};

TEST_F(MenuSistemaTest, ReadsTheUsersRowsInTheServersOrder)
{
    backend.on("GET",
               "/menu-sistema",
               FakeReply::json(R"({"total":3,"pages":1,"listHelper":[)"
                               + row(7, "B", "Bancos", "TFormCadastroBanco") + ","
                               + row(3, "A", "Pessoas", "TFormCadastroPessoa") + ","
                               + row(5, "A", "", "") + "]}"));
    const auto rows = presenter->getMenuSistema();
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[0]->Id, 7);
    EXPECT_EQ((*rows)[0]->MenuSuperior, QStringLiteral("B"));
    EXPECT_EQ((*rows)[0]->ItemMenu, QStringLiteral("Bancos"));
    EXPECT_EQ((*rows)[0]->ClasseFormulario, QStringLiteral("TFormCadastroBanco"));
    EXPECT_EQ((*rows)[0]->InformacaoItemMenu, QStringLiteral("info 7"));
    EXPECT_EQ((*rows)[1]->Id, 3);
    EXPECT_EQ((*rows)[2]->Id, 5);
    EXPECT_TRUE((*rows)[2]->ItemMenu.isEmpty());

    const auto request = backend.last("GET", "/menu-sistema");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->param("id-usuario"), "41");
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
    EXPECT_EQ(request->header("X-Paginate"), "true");
    EXPECT_FALSE(request->hasParam("search"));
    EXPECT_FALSE(request->hasParam("fix-filter"));
    EXPECT_TRUE(request->body.empty());
}

TEST_F(MenuSistemaTest, TopMenusComeFromTheirOwnPathWithoutTheUser)
{
    backend.on("GET",
               "/menu-sistema/menu-superior",
               FakeReply::json(R"({"listHelper":[)" + row(1, "CADASTROS", "", "") + "]}"));
    const auto rows = presenter->getMenuSuperior();
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 1u);
    EXPECT_EQ((*rows)[0]->MenuSuperior, QStringLiteral("CADASTROS"));
    const auto request = backend.last("GET", "/menu-sistema/menu-superior");
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->hasParam("id-usuario"));
    EXPECT_EQ(request->param("page"), "1");
    EXPECT_EQ(request->param("limit"), "100");
}

struct NoRowsCase
{
    const char *name;
    FakeReply reply;
    bool list; // an empty list rather than none
};

void PrintTo(const NoRowsCase &c, std::ostream *os)
{
    *os << c.name;
}

class MenuSistemaNoRowsTest : public MenuSistemaTest,
                              public ::testing::WithParamInterface<NoRowsCase>
{
};

TEST_P(MenuSistemaNoRowsTest, GivesNoListOrAnEmptyOne)
{
    backend.on("GET", "/menu-sistema", GetParam().reply);
    const auto rows = presenter->getMenuSistema();
    EXPECT_EQ(rows.has_value(), GetParam().list);
    if (rows) {
        EXPECT_TRUE(rows->empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies,
    MenuSistemaNoRowsTest,
    ::testing::Values(NoRowsCase { "NotModified", FakeReply::empty(304), false },
                      NoRowsCase { "NotJson", FakeReply::text("sem menus"), false },
                      NoRowsCase { "NoListHelper", FakeReply::json(R"({"total":0})"), false },
                      NoRowsCase {
                          "EmptyListHelper", FakeReply::json(R"({"listHelper":[]})"), true }),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MenuSistemaTest, NoServerRaisesUnavailable)
{
    fake.reset();
    std::unique_ptr<FakeConnection> gone;
    {
        FakeBackend closed;
        gone = std::make_unique<FakeConnection>(closed);
    }
    try {
        presenter->getMenuSistema();
        ADD_FAILURE() << "no exception";
    } catch (const Exception &e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("ERROR:Servidor indisponível")))
            << e.Message().toStdString();
    }
}

} // namespace

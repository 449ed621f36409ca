#include "App.Lib.List.FillDados.h"

#include "App.Base.Adapter.Cadastro.h"
#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.FrameList.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "ScrollBox.h"
#include "SysUtils.h"

#include "ChildListTestPresenter.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"

#include <QWidget>

#include <gtest/gtest.h>

// A contract's members and, per member, its services: a child list and a grandchild list.
class TMembroCargaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TMembroCargaEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TMembroCargaEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TMembroCargaEntity)

class TMembroCargaDto final : public TBaseDto
{
    ZUNTA_CLASS(TMembroCargaDto)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TMembroCargaDto, (TBaseDto), (Nome))
ZUNTA_DEFINE_CLASS(TMembroCargaDto)

class TServicoCargaEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TServicoCargaEntity)
    std::int64_t IdMembroCarga = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TServicoCargaEntity, (TBaseEntity), (IdMembroCarga, Descricao))
ZUNTA_DEFINE_CLASS(TServicoCargaEntity)

class TServicoCargaDto final : public TBaseDto
{
    ZUNTA_CLASS(TServicoCargaDto)
    std::int64_t IdMembroCarga = 0;
    QString Descricao;
};
BOOST_DESCRIBE_STRUCT(TServicoCargaDto, (TBaseDto), (IdMembroCarga, Descricao))
ZUNTA_DEFINE_CLASS(TServicoCargaDto)

using TMembroCargaPresenter = TChildListTestPresenter<TMembroCargaEntity, TMembroCargaDto>;
using TServicoCargaPresenter = TChildListTestPresenter<TServicoCargaEntity, TServicoCargaDto>;

namespace {

const char *const members = R"({"total":2,"pages":1,"listHelper":[)"
                            R"({"id":57,"nome":"ANA"},{"id":58,"nome":"BRUNO"}]})";
const char *const services = R"({"total":3,"pages":1,"listHelper":[)"
                             R"({"id":300,"idMembroCarga":58,"descricao":"TRASLADO"},)"
                             R"({"id":301,"idMembroCarga":57,"descricao":"COROA"},)"
                             R"({"id":302,"idMembroCarga":57,"descricao":"VELORIO"}]})";

// A child window's row list as the loaders see it: a scroll box, the presenter, a row builder.
struct ChildList
{
    ChildList(QWidget *AWindow, TBaseSubCadastroPresenter *APresenter)
        : scroll(new TVertScrollBox(AWindow, QStringLiteral("VertScrollBoxDados")))
    {
        list.SetVertScroll(scroll);
        list.SetPresenter(APresenter);
        list.SetProcFillFrameItem([this](TMemTable &, TFrameBaseAdapter *&frame) {
            frame = new TFrameBaseAdapterCadastro(scroll);
        });
    }
    int rows() const { return int(scroll->controls().size()); }

    TVertScrollBox *scroll;
    TFrameList list;
};

class ListFillDadosTest : public ::testing::Test
{
protected:
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    QWidget window;
    std::unique_ptr<TMembroCargaPresenter> membros
        = TBasePresenter::Create<TMembroCargaPresenter>(QStringLiteral("TMembroCargaPresenter"),
                                                        QStringLiteral("TMembroCargaService"),
                                                        QStringList { QStringLiteral("NOME") });
    std::unique_ptr<TServicoCargaPresenter> servicos
        = TBasePresenter::Create<TServicoCargaPresenter>(
            QStringLiteral("TServicoCargaPresenter"),
            QStringLiteral("TServicoCargaService"),
            QStringList { QStringLiteral("ID_MEMBRO_CARGA"), QStringLiteral("DESCRICAO") });
    ChildList listMembros { &window, membros.get() };
    ChildList listServicos { &window, servicos.get() };
    TListFillDados loaders;

    // The ID_REGISTRO of the member row with that back-end id.
    std::int64_t memberKey(std::int64_t AId)
    {
        TMemTable &table = membros->DataSetInfo();
        EXPECT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(AId)));
        return table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    }
    // Back-end id → the ID_REGISTRO_FK of that service row.
    std::int64_t serviceLink(std::int64_t AId)
    {
        TMemTable &table = servicos->DataSetInfo();
        table.SetFiltered(false);
        EXPECT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(AId)));
        return table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt();
    }
    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const RecordedRequest &request : backend.requests())
            if (request.method == "GET")
                paths << QString::fromStdString(request.path);
        return paths;
    }
};

} // namespace

TEST_F(ListFillDadosTest, LoadsChildListsInOrderAndLinksGrandchildrenToTheirChildRows)
{
    backend.on("GET", "/membro-carga", FakeReply::json(members));
    backend.on("GET", "/servico-carga", FakeReply::json(services));
    QStringList steps;
    loaders.ProcBeforeItemFillDados = [&](TItemListFillDados *AItem) {
        steps << QStringLiteral("before %1").arg(AItem->DataSet() ? "servicos" : "membros");
    };
    loaders.ProcAfterItemFillDados = [&](TItemListFillDados *AItem) {
        steps << QStringLiteral("after %1").arg(AItem->DataSet() ? "servicos" : "membros");
    };
    loaders.AddFrameList(&listMembros.list)
        .AddFrameList(&listServicos.list, &membros->DataSetInfo())
        .SetIdPrincipal(10);
    ASSERT_EQ(loaders.Count(), 2);
    backend.clearRequests();

    loaders.Execute();

    EXPECT_EQ(
        steps,
        (QStringList { "before membros", "after membros", "before servicos", "after servicos" }));
    EXPECT_EQ(requestedPaths(), (QStringList { "/membro-carga", "/servico-carga" }));
    for (const char *path : { "/membro-carga", "/servico-carga" }) {
        const RecordedRequest read = *backend.last("GET", path);
        EXPECT_EQ(read.param("fix-filter"), "10") << path;
        EXPECT_EQ(read.param("limit"), "5000") << path;
    }
    EXPECT_EQ(serviceLink(300), memberKey(58));
    EXPECT_EQ(serviceLink(301), memberKey(57));
    EXPECT_EQ(serviceLink(302), memberKey(57));
    EXPECT_EQ(listMembros.rows(), 2);
    EXPECT_EQ(listServicos.rows(), 3);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(ListFillDadosTest, GrandchildLoaderBeforeItsParentListLinksNothing)
{
    backend.on("GET", "/membro-carga", FakeReply::json(members));
    backend.on("GET", "/servico-carga", FakeReply::json(services));
    loaders.AddFrameList(&listServicos.list, &membros->DataSetInfo())
        .AddFrameList(&listMembros.list)
        .SetIdPrincipal(10);
    loaders.Execute();
    EXPECT_EQ(serviceLink(300), 0);
    EXPECT_EQ(serviceLink(301), 0);
}

TEST_F(ListFillDadosTest, BeforeProcedureGivesALoaderAnotherParentAndAFailureStopsTheRun)
{
    backend.on("GET", "/membro-carga", FakeReply::json(members));
    backend.on("GET", "/servico-carga", FakeReply::json(services));
    loaders.AddFrameList(&listMembros.list).AddFrameList(&listServicos.list).SetIdPrincipal(10);
    loaders.ProcBeforeItemFillDados = [&](TItemListFillDados *AItem) {
        if (AItem->FrameList() == &listServicos.list)
            AItem->SetIdFK(77);
    };
    loaders.Execute();
    EXPECT_EQ(backend.last("GET", "/membro-carga")->param("fix-filter"), "10");
    EXPECT_EQ(backend.last("GET", "/servico-carga")->param("fix-filter"), "77");

    backend.clearRequests();
    loaders.ProcBeforeItemFillDados = [](TItemListFillDados *) {
        throw Exception(QStringLiteral("ERROR:Pessoa não informada."));
    };
    EXPECT_THROW(loaders.Execute(), Exception);
    EXPECT_TRUE(requestedPaths().isEmpty());
}

TEST_F(ListFillDadosTest, EmptyListsStayEmptyWithoutAMessageAndTheNextListStillLoads)
{
    backend.on("GET", "/membro-carga", FakeReply::empty(304));
    backend.on("GET", "/servico-carga", FakeReply::empty(304));
    TListFillDados none;
    EXPECT_EQ(none.Execute().Count(), 0);

    loaders.AddFrameList(&listMembros.list)
        .AddFrameList(&listServicos.list, &membros->DataSetInfo())
        .SetIdPrincipal(10);
    EXPECT_NO_THROW(loaders.Execute());
    EXPECT_EQ(requestedPaths(), (QStringList { "/membro-carga", "/servico-carga" }));
    EXPECT_EQ(listMembros.rows(), 0);
    EXPECT_EQ(listServicos.rows(), 0);
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

// A list that could not be read is not shown as empty: the record's save would send its rows
// back as removed. The failure reaches the record load, which reports it.
TEST_F(ListFillDadosTest, FailedReadStopsTheLoaders)
{
    backend.on("GET", "/membro-carga", FakeReply::text("Falha no banco", 500));
    loaders.AddFrameList(&listMembros.list)
        .AddFrameList(&listServicos.list, &membros->DataSetInfo())
        .SetIdPrincipal(10);
    EXPECT_THROW(loaders.Execute(), Exception);
    EXPECT_EQ(requestedPaths(), QStringList { "/membro-carga" });
}

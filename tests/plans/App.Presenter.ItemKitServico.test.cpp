#include "App.Presenter.ItemKitServico.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "MemTable.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"
#include "support/PresenterContract.h"

#include <QWidget>

#include <gtest/gtest.h>

INSTANTIATE_TYPED_TEST_SUITE_P(ItemKitServico, PresenterContract, TItemKitServicoPresenter);

namespace {

// A kit holding the member 403, and the member edit of the kit sub-form, whose lookup is never
// run here: the test sets what a lookup leaves (the member's id, its description and, as other
// information, its usage base and value).
class ItemKitServicoPresenterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        backend.on(
            "GET",
            "/item-kit-servico/servico/401",
            FakeReply::json(R"({"total":1,"pages":1,"listHelper":[{"id":402,)"
                            R"("idServico":401,"idServicoKit":403,"indice":1.5,)"
                            R"("servico":"ORNAMENTAÇÃO DE URNA","valorBaseServico":100}]})"));
        presenter->IdPrincipal = 401;
        presenter->findByFilterToDataSet();
        ASSERT_EQ(presenter->DataSetInfo().RecordCount(), 1);
        edit = new TEdit(&host, QStringLiteral("EditServicoKit"));
        item = &presenter->ManagerControls()
                    .Bind(edit, QStringLiteral("Serviço"))
                    .Required()
                    .Lookup(QStringLiteral("TPesquisaServico"))
                    .Item();
    }
    void choose(std::int64_t AId, const QString &ADescricao, const QString &AOtherInfo)
    {
        edit->setText(ADescricao);
        item->Id = AId;
        item->OtherInfo = AOtherInfo;
    }
    QString validationFailure()
    {
        try {
            presenter->ValidControls();
        } catch (const Exception &failure) {
            return failure.Message().trimmed();
        }
        return {};
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<TItemKitServicoPresenter> presenter
        = TBasePresenter::Create<TItemKitServicoPresenter>();
    QWidget host;
    TEdit *edit = nullptr;
    TItemControl *item = nullptr;
};

TEST_F(ItemKitServicoPresenterTest, MemberAlreadyInTheKitIsRefusedByItsDescription)
{
    presenter->Clear(false, false);
    choose(403, QStringLiteral("ORNAMENTAÇÃO DE URNA"), QStringLiteral("1;100"));
    EXPECT_EQ(validationFailure(),
              QStringLiteral("WARNING:Já existe um item ORNAMENTAÇÃO DE URNA e outro não pode ser "
                             "inserido."));

    TMemTable &table = presenter->DataSetInfo();
    // Hidden by the list's search, the row still counts.
    table.SetFilter(QStringLiteral("SERVICO = 'NADA'"));
    table.SetFiltered(true);
    EXPECT_FALSE(validationFailure().isEmpty());
    table.SetFiltered(false);

    // The stored row itself, saved again with its own member.
    ASSERT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(402))));
    presenter->IdRegistro = table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    EXPECT_EQ(validationFailure(), QString());
}

TEST_F(ItemKitServicoPresenterTest, NewRowKeepsTheMembersDescriptionAndBaseValue)
{
    presenter->Clear(false, false);
    choose(402, QStringLiteral("TRANSLADO ATÉ 100 KM"), QStringLiteral("1;300,5"));
    presenter->Post();
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_SERVICO_KIT"), TFieldValue(std::int64_t(402))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("SERVICO"))->AsString(),
              QStringLiteral("TRANSLADO ATÉ 100 KM"));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("VALOR_BASE_SERVICO"))->AsFloat(), 300.5);
}

} // namespace

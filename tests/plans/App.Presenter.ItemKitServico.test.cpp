#include "App.Presenter.ItemKitServico.h"

#include "MemTable.h"

#include "ServicoChildPresenterTest.h"
#include "support/PresenterContract.h"

#include <gtest/gtest.h>

INSTANTIATE_TYPED_TEST_SUITE_P(ItemKitServico, PresenterContract, TItemKitServicoPresenter);

namespace {

// A kit holding the member 403, and the member edit of the kit sub-form, whose lookup is never
// run here: the test sets what a lookup leaves (the member's id, its description and, as other
// information, its usage base and value).
class ItemKitServicoPresenterTest : public ServicoChildPresenterTest<TItemKitServicoPresenter>
{
protected:
    void SetUp() override
    {
        prepare(401,
                "/item-kit-servico/servico/401",
                R"({"total":1,"pages":1,"listHelper":[{"id":402,"idServico":401,)"
                R"("idServicoKit":403,"indice":1.5,"servico":"ORNAMENTAÇÃO DE URNA",)"
                R"("valorBaseServico":100}]})",
                QStringLiteral("EditServicoKit"),
                QStringLiteral("Serviço"),
                QStringLiteral("TPesquisaServico"));
        ASSERT_EQ(presenter->DataSetInfo().RecordCount(), 1);
    }
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

#include "App.Presenter.CarenciaServico.h"

#include "MemTable.h"

#include "ServicoChildPresenterTest.h"
#include "support/PresenterContract.h"

#include <gtest/gtest.h>

INSTANTIATE_TYPED_TEST_SUITE_P(CarenciaServico, PresenterContract, TCarenciaServicoPresenter);

namespace {

// A service holding a rule of the type "CONSULTAS", and the waiting-period edit of its sub-form,
// whose lookup is never run here: the test sets what a lookup leaves (the rule's id, its
// description and, as other information, its type).
class CarenciaServicoPresenterTest : public ServicoChildPresenterTest<TCarenciaServicoPresenter>
{
protected:
    void SetUp() override
    {
        prepare(5,
                "/carencia-servico/servico/5",
                R"({"total":1,"pages":1,"listHelper":[{"id":9,"idCarencia":3,)"
                R"("carencia":"CARÊNCIA CONSULTAS","tipo":"CONSULTAS","codigoTipo":1}]})",
                QStringLiteral("EditCarencia"),
                QStringLiteral("Carência"),
                QStringLiteral("TPesquisaCarencia"));
        ASSERT_EQ(presenter->DataSetInfo().RecordCount(), 1);
    }
};

TEST_F(CarenciaServicoPresenterTest, SecondRuleOfATypeIsRefusedAndItsOwnRowIsAccepted)
{
    presenter->Clear(false, false);
    choose(4, QStringLiteral("OUTRA CARÊNCIA"), QStringLiteral("CONSULTAS"));
    EXPECT_EQ(validationFailure(),
              QStringLiteral("WARNING:Já existe um item de carência do tipo\r\nCONSULTAS e outro "
                             "não pode ser inserido."));

    choose(4, QStringLiteral("OUTRA CARÊNCIA"), QStringLiteral("EXAMES"));
    EXPECT_EQ(validationFailure(), QString());

    // The stored row itself, opened and saved again with its own type.
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_TRUE(table.Locate(QStringLiteral("ID"), TFieldValue(std::int64_t(9))));
    presenter->IdRegistro = table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    choose(3, QStringLiteral("CARÊNCIA CONSULTAS"), QStringLiteral("CONSULTAS"));
    EXPECT_EQ(validationFailure(), QString());
    EXPECT_FALSE(table.Filtered()) << "the check leaves the list's filter as it was";
}

TEST_F(CarenciaServicoPresenterTest, SavedRowTakesTheRulesDescriptionAndType)
{
    presenter->Clear(false, false);
    choose(4, QStringLiteral("CARÊNCIA EXAMES"), QStringLiteral("EXAMES"));
    presenter->Post();
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 2);
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_CARENCIA"), TFieldValue(std::int64_t(4))));
    EXPECT_EQ(table.FieldByName(QStringLiteral("CARENCIA"))->AsString(),
              QStringLiteral("CARÊNCIA EXAMES"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("TIPO"))->AsString(), QStringLiteral("EXAMES"));
}

} // namespace

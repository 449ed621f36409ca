#include "App.Form.Cadastro.Conta.h"
#include "App.Form.Cadastro.PlanoContas.h"

#include "App.Adapter.Frame.Conta.h"
#include "App.Adapter.Frame.PlanoContas.h"
#include "App.Presenter.Conta.h"
#include "App.Presenter.PlanoContas.h"
#include "App.Service.Conta.h"
#include "Common.Dto.Conta.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(PlanoContas, PresenterContract, TPlanoContasPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(Conta, PresenterContract, TContaPresenter);

class FormCadastroContaTest
    : public RegistrationWindowFixture<TFormCadastroConta, TContaFrameAdapter>
{
protected:
    FormCadastroContaTest()
        : RegistrationWindowFixture("TFormCadastroConta", "/conta")
    { }

    // Chooses a lookup's record by typing its id or code and pressing Enter.
    static void choose(TEdit *AEdit, const QString &AText)
    {
        typeText(AEdit, AText);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    QList<TEdit *> bancarios() const
    {
        return { form->EditAgencia,
                 form->EditNumero,
                 form->EditDigito,
                 form->EditOperacao,
                 form->EditIntegracaoApiFinanceira };
    }
};

TEST_F(FormCadastroContaTest, CashTypeEmptiesAndDisablesTheBankDataAndSendsNoBranch)
{
    form->SpeedButtonNovo->click();
    choose(form->EditListaTipoConta, QStringLiteral("1051"));
    choose(form->EditAgencia, QStringLiteral("1050"));
    ASSERT_EQ(form->EditAgencia->text(), QStringLiteral("CENTRO"));
    typeText(form->EditNumero, QStringLiteral("77"));

    form->EditListaTipoConta->clear();
    choose(form->EditListaTipoConta, QStringLiteral("1050"));
    for (TEdit *edit : bancarios()) {
        EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    }
    typeText(form->EditDescricao, QStringLiteral("caixa loja"));
    choose(form->EditPessoa, QStringLiteral("1"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("idAgencia")).toInteger(-1), 0);
    EXPECT_EQ(body.value(QStringLiteral("numero")).toInteger(-1), 0);
    EXPECT_EQ(body.value(QStringLiteral("listaTipoConta")).toInteger(), 1050);
}

TEST_F(FormCadastroContaTest, BankTypeAfterCashRequiresTheFourBankFieldsAndClearingEmptiesThem)
{
    form->SpeedButtonNovo->click();
    choose(form->EditListaTipoConta, QStringLiteral("1050"));
    form->EditListaTipoConta->clear();
    choose(form->EditListaTipoConta, QStringLiteral("1051"));
    for (TEdit *edit : bancarios())
        EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
    typeText(form->EditDescricao, QStringLiteral("movimento"));
    choose(form->EditPessoa, QStringLiteral("1"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().join(QString()),
              QStringLiteral("WARNING:O campo Agência não possui um valor válido.\r\n"
                             "WARNING:O campo Número não possui um valor válido.\r\n"
                             "WARNING:O campo Dígito não possui um valor válido.\r\n"
                             "WARNING:O campo Operação não possui um valor válido.\r\n"));
    EXPECT_EQ(demo.backend().count("POST", "/conta"), 0u);

    // Clearing the type empties the bank data even of a bank account.
    choose(form->EditAgencia, QStringLiteral("1050"));
    typeText(form->EditNumero, QStringLiteral("5"));
    form->EditListaTipoConta->selectAll();
    pressKey(form->EditListaTipoConta, Qt::Key_Backspace);
    waitIdle();
    for (TEdit *edit : bancarios()) {
        EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    }
}

// No control carries the account's code at the payment API: saving an edited account must not
// wipe it.
TEST_F(FormCadastroContaTest, EditedAccountKeepsItsPaymentApiCodeAndListsItsNumber)
{
    search(QStringLiteral("MOVIMENTO"));
    TContaFrameAdapter *row
        = frameOf(&TContaFrameAdapter::LabelDescricao, QStringLiteral("CONTA MOVIMENTO"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelNumero->text(), QStringLiteral("005"));
    row->SpeedButtonEdit->click();
    waitIdle();
    ASSERT_EQ(form->EditDescricao->text(), QStringLiteral("CONTA MOVIMENTO"));
    EXPECT_TRUE(form->EditAgencia->isEnabled());
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(lastPost().value(QStringLiteral("codigoContaApiFinanceira")).toString(),
              QStringLiteral("ACC1"));
}

TEST_F(FormCadastroContaTest, LoadedCashAccountShowsTheBankDataDisabled)
{
    search(QStringLiteral("CAIXA GERAL"));
    TContaFrameAdapter *row
        = frameOf(&TContaFrameAdapter::LabelDescricao, QStringLiteral("CAIXA GERAL"));
    ASSERT_NE(row, nullptr);
    row->SpeedButtonEdit->click();
    waitIdle();
    for (TEdit *edit : bancarios())
        EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
}

// The lookups reach the list and the record by the back end's paths.
TEST(ContaLookupTest, FixedFilterReachesTheChartListAndAnAccountIsReadByItsLookupPath)
{
    FakeBackend backend;
    FakeConnection fake { backend };
    backend.on("GET", "/plano-contas", FakeReply::json(R"({"listHelper":[],"total":0,"pages":0})"));
    auto plano = TBasePresenter::Create<TPlanoContasPresenter>();
    plano->ValueFixFilter = QStringLiteral("C");
    plano->findByFilterToDataSet();
    const auto list = backend.last("GET", "/plano-contas");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->param("fix-filter"), "C");

    backend.on("GET", "/conta/pesquisa/12", FakeReply::json(R"({"id":12,"descricao":"CAIXA"})"));
    TContaService service;
    const auto conta = service.findPesquisaById<TContaDto>(12, QString());
    ASSERT_TRUE(conta);
    EXPECT_EQ(conta->Descricao, QStringLiteral("CAIXA"));
}

} // namespace

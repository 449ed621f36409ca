#include "App.View.VinculacaoApiFinanceira.h"

#include "App.Presenter.VinculacaoApiFinanceira.h"
#include "CheckBox.h"
#include "Common.Lib.Utils.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "Shapes.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WaitFor.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const std::string kVinculacao = "/pessoa-integracao-api/vinculacao";
const QString kConfirmaVinculacao = QStringLiteral(
    "QUESTION:Confirma gerar a(s) integração(es) financeira(s) no(s) contrato(s) da(s) "
    "carteira(s)?");
const QString kDemoraVinculacao = QStringLiteral("WARNING:ATENÇÃO: ESSE PROCESSO PODE DEMORAR UM POUCO.");

class ViewVinculacaoApiFinanceiraTest
    : public RegistrationWindowFixture<TFormViewVinculacaoApiFinanceira, QWidget>
{
protected:
    ViewVinculacaoApiFinanceiraTest()
        : RegistrationWindowFixture("TFormViewVinculacaoApiFinanceira", kVinculacao)
    { }

    void SetUp() override
    {
        demo.store().seed(QStringLiteral("/carteira"),
                          QJsonArray { QJsonObject { { QStringLiteral("id"), 3 },
                                                     { QStringLiteral("descricao"),
                                                       QStringLiteral("CARTEIRA NORTE") } } });
        demo.store().seed(
            QStringLiteral("/integracao-api-financeira"),
            QJsonArray { QJsonObject { { QStringLiteral("id"), 7 },
                                       { QStringLiteral("descricao"),
                                         QStringLiteral("BANCO DIGITAL") } } });
        demo.store().seed(QStringLiteral("/motivo"),
                          QJsonArray { QJsonObject {
                              { QStringLiteral("id"), 12 },
                              { QStringLiteral("descricao"), QStringLiteral("ADESÃO") },
                              { QStringLiteral("codigoTipoMotivo"), QStringLiteral("08") } } });
        RegistrationWindowFixture::SetUp();
    }
    void TearDown() override
    {
        EXPECT_TRUE(waitFor([] { return TUtils::RunningThreadCount() == 0; }));
        RegistrationWindowFixture::TearDown();
    }

    static void choose(QWidget *AEdit, const QString &AText)
    {
        typeText(AEdit, AText);
        pressKey(AEdit, Qt::Key_Return);
        waitIdle();
    }
    void preencher()
    {
        choose(form->EditCarteira, QStringLiteral("3"));
        choose(form->EditIntegracaoApiFinanceira, QStringLiteral("7"));
        form->DateEditDataInicial->setDate(EncodeDate(2024, 3, 1));
        choose(form->EditMotivo, QStringLiteral("12"));
        ASSERT_EQ(form->EditCarteira->text(), QStringLiteral("CARTEIRA NORTE"));
        ASSERT_EQ(form->EditMotivo->text(), QStringLiteral("ADESÃO"));
    }
    void gravar(std::size_t AMensagens)
    {
        clickAt(form->RectangleGravar, form->RectangleGravar->rect().center());
        ASSERT_TRUE(
            waitFor([&] { return std::size_t(dialogs.messageTexts().size()) >= AMensagens; }));
        waitIdle();
    }
    bool preenchido() const
    {
        return !form->EditCarteira->text().isEmpty()
            && !form->EditIntegracaoApiFinanceira->text().isEmpty()
            && !form->EditMotivo->text().isEmpty();
    }
};

TEST_F(ViewVinculacaoApiFinanceiraTest, SendsTheFiveValuesAfterTheQuestionAndClearsOnSuccess)
{
    preencher();
    dialogs.answerQuestion(kYes);
    gravar(3);
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { kConfirmaVinculacao, kDemoraVinculacao, kSuccess }));
    ASSERT_EQ(demo.backend().count("POST", kVinculacao), 1u);
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("idCarteira")).toInteger(), 3);
    EXPECT_EQ(body.value(QStringLiteral("vincularClientesCadastrados")).toBool(true), false);
    EXPECT_EQ(body.value(QStringLiteral("idMotivo")).toInteger(), 12);
    EXPECT_EQ(body.value(QStringLiteral("idIntegracaoApiFinanceira")).toInteger(), 7);
    EXPECT_EQ(body.value(QStringLiteral("dataInicial")).toString(),
              QStringLiteral("2024-03-01T00:00:00.000Z"));

    EXPECT_TRUE(form->EditCarteira->text().isEmpty());
    EXPECT_TRUE(form->EditIntegracaoApiFinanceira->text().isEmpty());
    EXPECT_TRUE(form->EditMotivo->text().isEmpty());
    EXPECT_FALSE(form->CheckBoxVincularClientesCadastrados->isChecked());
}

TEST_F(ViewVinculacaoApiFinanceiraTest, ARefusalIsShownAndTheValuesStay)
{
    demo.backend().on("POST", kVinculacao, FakeReply::text("WARNING:Carteira sem contratos.", 400));
    preencher();
    form->CheckBoxVincularClientesCadastrados->setChecked(true);
    dialogs.answerQuestion(kYes);
    gravar(4);
    EXPECT_TRUE(dialogs.messageTexts().front().startsWith(
        QStringLiteral("WARNING:Ao selecionar a opção para vincular os clientes cadastrados")));
    EXPECT_EQ(dialogs.messageTexts().mid(1),
              (QStringList { kConfirmaVinculacao, kDemoraVinculacao, QStringLiteral("WARNING:Carteira sem contratos.") }));
    EXPECT_EQ(lastPost().value(QStringLiteral("vincularClientesCadastrados")).toBool(), true);
    EXPECT_TRUE(preenchido());
    EXPECT_TRUE(form->CheckBoxVincularClientesCadastrados->isChecked());
}

TEST_F(ViewVinculacaoApiFinanceiraTest, AnsweringNoSendsNothingAndKeepsTheValues)
{
    preencher();
    dialogs.answerQuestion(kNo);
    gravar(1);
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kConfirmaVinculacao });
    EXPECT_EQ(demo.backend().count("POST", kVinculacao), 0u);
    EXPECT_TRUE(preenchido());
}

} // namespace

#include "App.Form.Cadastro.Agencia.h"
#include "App.Form.Cadastro.Banco.h"
#include "App.Form.Cadastro.TipoDocumento.h"

#include "App.Adapter.Frame.Agencia.h"
#include "App.Adapter.Frame.Banco.h"
#include "App.Presenter.Agencia.h"
#include "App.Presenter.Banco.h"
#include "App.Presenter.TipoDocumento.h"
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

INSTANTIATE_TYPED_TEST_SUITE_P(Banco, PresenterContract, TBancoPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(Agencia, PresenterContract, TAgenciaPresenter);
INSTANTIATE_TYPED_TEST_SUITE_P(TipoDocumento, PresenterContract, TTipoDocumentoPresenter);

class FormCadastroBancoTest
    : public RegistrationWindowFixture<TFormCadastroBanco, TBancoFrameAdapter>
{
protected:
    FormCadastroBancoTest()
        : RegistrationWindowFixture("TFormCadastroBanco", "/banco")
    { }
};

TEST_F(FormCadastroBancoTest, EmptyFieldsAreReportedTogetherAndNothingIsSent)
{
    form->SpeedButtonNovo->click();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts().join(QString()),
              QStringLiteral("WARNING:O campo Código Banco não possui um valor válido.\r\n"
                             "WARNING:O campo Banco não possui um valor válido.\r\n"));
    EXPECT_EQ(demo.backend().count("POST", "/banco"), 0u);
}

TEST_F(FormCadastroBancoTest, CodeIsSavedAsANumberAndListedInThreeDigits)
{
    form->SpeedButtonNovo->click();
    typeText(form->EditCodigo, QStringLiteral("1234"));
    typeText(form->EditNome, QStringLiteral("banco x"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("codigo")).toInteger(), 123);
    EXPECT_EQ(body.value(QStringLiteral("nome")).toString(), QStringLiteral("BANCO X"));

    search(QStringLiteral("BRASIL"));
    TBancoFrameAdapter *row
        = frameOf(&TBancoFrameAdapter::LabelNome, QStringLiteral("BANCO DO BRASIL"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelCodigo->text(), QStringLiteral("001"));
}

class FormCadastroAgenciaTest
    : public RegistrationWindowFixture<TFormCadastroAgencia, TAgenciaFrameAdapter>
{
protected:
    FormCadastroAgenciaTest()
        : RegistrationWindowFixture("TFormCadastroAgencia", "/agencia")
    { }
};

TEST_F(FormCadastroAgenciaTest, BranchIsSavedWithItsBankAndListedInFourDigits)
{
    form->SpeedButtonNovo->click();
    typeText(form->EditBanco, QStringLiteral("1050"));
    pressKey(form->EditBanco, Qt::Key_Return);
    waitIdle();
    EXPECT_EQ(form->EditBanco->text(), QStringLiteral("BANCO DO BRASIL"));
    typeText(form->EditNome, QStringLiteral("praça"));
    typeText(form->EditNumero, QStringLiteral("12"));
    typeText(form->EditDigito, QStringLiteral("a"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("idBanco")).toInteger(), 1050);
    EXPECT_EQ(body.value(QStringLiteral("numero")).toInteger(), 12);
    EXPECT_EQ(body.value(QStringLiteral("digito")).toString(), QStringLiteral("A"));
    EXPECT_EQ(body.value(QStringLiteral("nome")).toString(), QStringLiteral("PRAÇA"));

    search(QStringLiteral("CENTRO"));
    TAgenciaFrameAdapter *row = frameOf(&TAgenciaFrameAdapter::LabelNome, QStringLiteral("CENTRO"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelNumero->text(), QStringLiteral("0012"));
    EXPECT_EQ(row->LabelDigito->text(), QStringLiteral("X"));
}

} // namespace

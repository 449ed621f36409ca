#include "App.Form.Cadastro.Seguradora.h"

#include "App.Adapter.Frame.PlanoSeguradora.h"
#include "App.Adapter.Frame.Seguradora.h"
#include "App.Form.SubCadastro.PlanoSeguradora.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.PlanoSeguradora.h"
#include "App.Presenter.Seguradora.h"
#include "DateEdit.h"
#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include "DateTime.h"

#include <QApplication>
#include <QDate>
#include <QFocusEvent>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using SeguradoraPresenters = ::testing::Types<TSeguradoraPresenter, TPlanoSeguradoraPresenter>;
INSTANTIATE_TYPED_TEST_SUITE_P(Seguradora, PresenterContract, SeguradoraPresenters);

// The stand-in back end's seed: insurer 950 "MAPFRE SEGUROS GERAIS S.A." with the SFTP password
// "Senha@2025" stored encoded and two insurer plans (PLANO FAMILIAR OURO, PLANO INDIVIDUAL PRATA).
class FormCadastroSeguradoraTest
    : public RegistrationWindowFixture<TFormCadastroSeguradora, TSeguradoraFrameAdapter>
{
protected:
    FormCadastroSeguradoraTest()
        : RegistrationWindowFixture("TFormCadastroSeguradora", "/seguradora/complex")
    { }

    void openInsurer()
    {
        search();
        TSeguradoraFrameAdapter *row = frameOf(&TSeguradoraFrameAdapter::LabelSeguradora,
                                               QStringLiteral("MAPFRE SEGUROS GERAIS S.A."));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->LabelCodigoContrato->text(), QStringLiteral("CTR-2024-001"));
        row->SpeedButtonEdit->click();
        waitIdle();
        ASSERT_TRUE(recordTabActive());
    }
    // The focus enters and leaves the password edit, as a clerk tabbing through it.
    void passThroughPassword()
    {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(form->EditPasswordFtp, &in);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(form->EditPasswordFtp, &out);
    }
    void save()
    {
        dialogs.clearMessages();
        form->SpeedButtonSalvar->click();
        waitIdle();
    }
};


TEST_F(FormCadastroSeguradoraTest, StoredPasswordShowsPlainAndAPassThroughKeepsItExactly)
{
    openInsurer();
    EXPECT_EQ(form->EditPasswordFtp->text(), QStringLiteral("Senha@2025"));
    EXPECT_TRUE(demo.backend().last("GET", "/plano-seguradora/seguradora/950"));
    EXPECT_EQ(rowsOf<TPlanoSeguradoraFrameAdapter>(form->FormSubCadastroPlanoSeguradora()).size(),
              2u);

    passThroughPassword();
    passThroughPassword();
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("passwordFtp").toString(), QStringLiteral("KsLkQ650CZ0oDG"));
    EXPECT_EQ(body.value("idPessoa").toInteger(), 950);
    EXPECT_EQ(body.value("planoSeguradoras").toObject().value("listHelper").toArray().size(), 2);
}

TEST_F(FormCadastroSeguradoraTest, ANewInsurerNamesTheFourRequiredTitlesAndSendsNoPassword)
{
    form->SpeedButtonNovo->click();
    waitIdle();
    save();
    ASSERT_FALSE(dialogs.messages().empty());
    const QString text = dialogs.lastMessage().Text;
    for (const char *title :
         { "Seguradora", "Código do Contrato", "Cód. Cliente Cap.", "Data do Contrato" })
        EXPECT_TRUE(text.contains(
            QStringLiteral("O campo %1 não possui um valor válido.").arg(QString::fromUtf8(title))))
            << text.toStdString();

    form->Presenter()->FindItemControl(QStringLiteral("EditPessoa"))->SetValueControl(QStringLiteral("950"));
    waitIdle();
    typeText(form->EditCodigoContrato, QStringLiteral("ctr-9"));
    typeText(form->EditCodigoClienteCapitalizacao, QStringLiteral("77"));
    form->DateEditDataContrato->setDate(QDateToDateTime(QDate(2025, 12, 1)));
    save();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value("codigoContrato").toString(), QStringLiteral("CTR-9"));
    EXPECT_EQ(body.value("passwordFtp").toString(), QString());
}

} // namespace

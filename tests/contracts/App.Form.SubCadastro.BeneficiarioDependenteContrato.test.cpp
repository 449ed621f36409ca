#include "App.Form.SubCadastro.BeneficiarioDependenteContrato.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Lib.ItemControl.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"

#include "support/ApplicationGuard.h"
#include "support/FakeConnection.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The beneficiary window on its own, its rows saved into its table as the member window does.
class FormSubCadastroBeneficiarioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.reset(TFormBase::Create<TFormSubCadastroBeneficiarioDependenteContrato>());
        presenter = form->PresenterSubCadastro();
        ASSERT_NE(presenter, nullptr);
    }
    // A new beneficiary of that share, as a person would type it; the lookups are set as a
    // chosen row leaves them.
    void saveBeneficiario(std::int64_t AIdPessoa, const QString &APessoa, const QString &AShare)
    {
        presenter->Clear(false, true);
        presenter->IdRegistro = 0;
        form->EditPessoa->setText(APessoa);
        presenter->FindItemControl(QStringLiteral("EditPessoa"))->Id = AIdPessoa;
        form->EditListaParentesco->setText(QStringLiteral("FILHO"));
        presenter->FindItemControl(QStringLiteral("EditListaParentesco"))->Id = 4;
        form->EditPercentualParticipacao->setText(AShare);
        presenter->ValidControls();
        presenter->Post();
    }

    ApplicationGuard application;
    FakeBackend backend;
    FakeConnection fake { backend };
    ScriptedDialogs dialogs;
    std::unique_ptr<TFormSubCadastroBeneficiarioDependenteContrato> form;
    TBaseSubCadastroPresenter *presenter = nullptr;
};

TEST_F(FormSubCadastroBeneficiarioTest, NewBeneficiaryStartsTodayWithoutEnd)
{
    presenter->Clear(false, true);
    EXPECT_EQ(form->DateEditDataInicial->text(), DateToStr(Date()));
    EXPECT_TRUE(form->DateEditDataFinal->isEmpty());
    EXPECT_TRUE(form->EditListaMotivo->text().isEmpty());
    EXPECT_EQ(
        presenter->FindItemControl(QStringLiteral("EditPercentualParticipacao"))->DecimalsPlaces,
        4);
}

// The shares of one member are not checked against each other: 80 and 50 both go in.
TEST_F(FormSubCadastroBeneficiarioTest, SharesKeepFourDecimalsAndAreNotSummed)
{
    saveBeneficiario(40, QStringLiteral("JOSÉ"), QStringLiteral("80,1234"));
    saveBeneficiario(41, QStringLiteral("MARIA"), QStringLiteral("50"));
    TMemTable &table = presenter->DataSetInfo();
    ASSERT_EQ(table.RecordCount(), 2);
    ASSERT_TRUE(table.Locate(QStringLiteral("ID_PESSOA"), TFieldValue(std::int64_t(40))));
    EXPECT_DOUBLE_EQ(table.FieldByName(QStringLiteral("PERCENTUAL_PARTICIPACAO"))->AsFloat(),
                     80.1234);
    EXPECT_EQ(table.FieldByName(QStringLiteral("PESSOA"))->AsString(), QStringLiteral("JOSÉ"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("PARENTESCO"))->AsString(), QStringLiteral("FILHO"));
    EXPECT_EQ(table.FieldByName(QStringLiteral("DATA_INICIAL"))->AsDateTime(), Date());
}

TEST_F(FormSubCadastroBeneficiarioTest, BeneficiaryWithoutShareIsRefused)
{
    presenter->Clear(false, true);
    form->EditPessoa->setText(QStringLiteral("JOSÉ"));
    presenter->FindItemControl(QStringLiteral("EditPessoa"))->Id = 40;
    form->EditListaParentesco->setText(QStringLiteral("FILHO"));
    presenter->FindItemControl(QStringLiteral("EditListaParentesco"))->Id = 4;
    try {
        presenter->ValidControls();
        FAIL() << "a missing share must be refused";
    } catch (const Exception &failure) {
        EXPECT_TRUE(failure.Message().contains(QStringLiteral("% Participação")))
            << failure.Message().toStdString();
    }
}

} // namespace

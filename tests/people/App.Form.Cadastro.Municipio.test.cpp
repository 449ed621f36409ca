#include "App.Adapter.Frame.Municipio.h"
#include "App.Form.Cadastro.Municipio.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.Municipio.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Municipio, PresenterContract, TMunicipioPresenter);

class FormCadastroMunicipioTest
    : public RegistrationWindowFixture<TFormCadastroMunicipio, TMunicipioFrameAdapter>
{
protected:
    FormCadastroMunicipioTest()
        : RegistrationWindowFixture("TFormCadastroMunicipio", "/municipio")
    { }
};

TEST_F(FormCadastroMunicipioTest, ListsTheCitiesAndSavesANewOneWithItsState)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE MUNICÍPIOS"));
    search(QStringLiteral("CAMPINAS"));
    ASSERT_EQ(frames().size(), 1);
    EXPECT_EQ(frames().first()->LabelNome->text(), QStringLiteral("CAMPINAS"));
    EXPECT_EQ(frames().first()->LabelTitleUf->text(), QStringLiteral("UF:"));
    EXPECT_EQ(frames().first()->LabelUf->text(), QStringLiteral("SP"));

    form->SpeedButtonNovo->click();
    typeText(form->EditNome, QStringLiteral("niterói"));
    // The state as its lookup finds it by id.
    form->Presenter()
        ->FindItemControl(QStringLiteral("EditUnidadeFederativa"))
        ->SetValueControl(QStringLiteral("2"));
    EXPECT_EQ(form->EditUnidadeFederativa->text(), QStringLiteral("RIO DE JANEIRO"));
    typeText(form->EditCodigoIbge, QStringLiteral("33033021"));
    typeText(form->EditDdd, QStringLiteral("21"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("SUCCESSOperação realizada com sucesso.") });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("nome")).toString(), QStringLiteral("NITERÓI"));
    EXPECT_EQ(body.value(QStringLiteral("idUnidadeFederativa")).toInteger(), 2);
    EXPECT_EQ(body.value(QStringLiteral("codigoIbge")).toString(), QStringLiteral("3303302"))
        << "seven digits at the most";
    EXPECT_EQ(body.value(QStringLiteral("ddd")).toString(), QStringLiteral("21"));
}

} // namespace

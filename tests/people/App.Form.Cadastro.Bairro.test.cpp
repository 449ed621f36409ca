#include "App.Adapter.Frame.Bairro.h"
#include "App.Form.Cadastro.Bairro.h"
#include "App.Lib.ItemControl.h"
#include "App.Presenter.Bairro.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Bairro, PresenterContract, TBairroPresenter);

class FormCadastroBairroTest
    : public RegistrationWindowFixture<TFormCadastroBairro, TBairroFrameAdapter>
{
protected:
    FormCadastroBairroTest()
        : RegistrationWindowFixture("TFormCadastroBairro", "/bairro")
    { }
};

TEST_F(FormCadastroBairroTest, ListsTheNeighbourhoodsAndSavesANewOneWithItsCityOnly)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE BAIRROS"));
    search(QStringLiteral("COPACABANA"));
    ASSERT_EQ(frames().size(), 1);
    EXPECT_EQ(frames().first()->LabelBairro->text(), QStringLiteral("COPACABANA"));
    EXPECT_EQ(frames().first()->LabelTitleMunicipioUF->text(), QStringLiteral("Município/UF:"));
    EXPECT_EQ(frames().first()->LabelMunicipioUF->text(), QStringLiteral("RIO DE JANEIRO - RJ"));

    form->SpeedButtonNovo->click();
    EXPECT_FALSE(form->EditUf->isEnabled());
    typeText(form->EditDescricao, QStringLiteral("ipanema"));
    TItemControl &municipio = *form->Presenter()->FindItemControl(QStringLiteral("EditMunicipio"));
    municipio.SetValueControl(QStringLiteral("3"));
    EXPECT_EQ(form->EditMunicipio->text(), QStringLiteral("RIO DE JANEIRO"));
    EXPECT_EQ(form->EditUf->text(), QStringLiteral("RJ")) << "the city's lookup fills its state";
    municipio.Clear();
    EXPECT_TRUE(form->EditUf->text().isEmpty()) << "and clearing the city empties it";
    municipio.SetValueControl(QStringLiteral("3"));

    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("SUCCESSOperação realizada com sucesso.") });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("descricao")).toString(), QStringLiteral("IPANEMA"));
    EXPECT_EQ(body.value(QStringLiteral("idMunicipio")).toInteger(), 3);
    EXPECT_FALSE(body.contains(QStringLiteral("uf")));
}

} // namespace

#include "App.Adapter.Frame.UnidadeFederativa.h"
#include "App.Form.Cadastro.UnidadeFederativa.h"
#include "App.Presenter.UnidadeFederativa.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(UnidadeFederativa, PresenterContract, TUnidadeFederativaPresenter);

class FormCadastroUnidadeFederativaTest
    : public RegistrationWindowFixture<TFormCadastroUnidadeFederativa,
                                       TUnidadeFederativaFrameAdapter>
{
protected:
    FormCadastroUnidadeFederativaTest()
        : RegistrationWindowFixture("TFormCadastroUnidadeFederativa", "/unidade-federativa")
    { }
};

TEST_F(FormCadastroUnidadeFederativaTest, ListsTheStatesAndSavesANewOneInUpperCase)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE UNIDADES FEDERATIVAS"));
    search();
    TUnidadeFederativaFrameAdapter *row
        = frameOf(&TUnidadeFederativaFrameAdapter::LabelNome, QStringLiteral("SÃO PAULO"));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->LabelTitleSigla->text(), QStringLiteral("Sigla:"));
    EXPECT_EQ(row->LabelSigla->text(), QStringLiteral("SP"));

    form->SpeedButtonNovo->click();
    EXPECT_EQ(form->EditNome->maxLength(), 50);
    EXPECT_EQ(form->EditSigla->maxLength(), 2);
    typeText(form->EditNome, QStringLiteral("espírito santo"));
    typeText(form->EditSigla, QStringLiteral("esx"));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("SUCCESSOperação realizada com sucesso.") });
    const QJsonObject body = lastPost();
    EXPECT_EQ(body.value(QStringLiteral("nome")).toString(), QStringLiteral("ESPÍRITO SANTO"));
    EXPECT_EQ(body.value(QStringLiteral("sigla")).toString(), QStringLiteral("ES"));
}

} // namespace

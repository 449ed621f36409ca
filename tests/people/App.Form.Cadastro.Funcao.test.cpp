#include "App.Form.Cadastro.Funcao.h"

#include "App.Adapter.Frame.Funcao.h"
#include "App.Presenter.Funcao.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/PresenterContract.h"
#include "support/RegistrationWindowFixture.h"
#include "support/WidgetInput.h"

#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Funcao, PresenterContract, TFuncaoPresenter);

class FormCadastroFuncaoTest
    : public RegistrationWindowFixture<TFormCadastroFuncao, TFuncaoFrameAdapter>
{
protected:
    FormCadastroFuncaoTest()
        : RegistrationWindowFixture("TFormCadastroFuncao", "/funcao")
    { }
};

// The description is cut at 100 characters, saved upper case, and the new row is listed; a
// removal names the function's entity class.
TEST_F(FormCadastroFuncaoTest, FunctionIsSavedListedAndRemoved)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE FUNÇÕES DE COLABORADORES"));
    form->SpeedButtonNovo->click();
    typeText(form->EditDescricao, QStringLiteral("supervisor ") + QString(100, u'z'));
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList { QStringLiteral("SUCCESSOperação realizada com sucesso.") });
    const QString saved = (QStringLiteral("SUPERVISOR ") + QString(100, u'Z')).left(100);
    EXPECT_EQ(lastPost().value(QStringLiteral("descricao")).toString(), saved);

    dialogs.clearMessages();
    dialogs.answerQuestion(6);
    form->SpeedButtonRetornar->click();
    waitIdle();
    TFuncaoFrameAdapter *row = frameOf(&TFuncaoFrameAdapter::LabelDescricao, saved);
    ASSERT_NE(row, nullptr) << "the refreshed list shows the new function";
    dialogs.answerQuestion(6);
    row->SpeedButtonRemove->click();
    waitIdle();
    const auto removal = demo.backend().last("DELETE", "/funcao");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TFuncaoEntity");
    search(QStringLiteral("SUPERVISOR"));
    EXPECT_TRUE(frames().isEmpty());
}

} // namespace

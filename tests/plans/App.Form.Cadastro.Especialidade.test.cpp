#include "App.Form.Cadastro.Especialidade.h"

#include "App.Adapter.Frame.Especialidade.h"
#include "Edit.h"
#include "SpeedButton.h"

#include "support/RegistrationWindowFixture.h"
#include "support/TestTexts.h"
#include "support/WidgetInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

class FormCadastroEspecialidadeTest
    : public RegistrationWindowFixture<TFormCadastroEspecialidade, TEspecialidadeFrameAdapter>
{
protected:
    FormCadastroEspecialidadeTest()
        : RegistrationWindowFixture("TFormCadastroEspecialidade", "/especialidade")
    { }
};

TEST_F(FormCadastroEspecialidadeTest, DescriptionIsRequiredUpperCaseAndKeeps200Characters)
{
    EXPECT_EQ(form->LabelTitleForm->text(), QStringLiteral("CADASTRO DE ESPECIALIDADES"));
    form->SpeedButtonNovo->click();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList {
                  QStringLiteral("WARNING:O campo Descrição não possui um valor válido.\r\n") });
    EXPECT_EQ(demo.backend().count("POST", "/especialidade"), 0u);

    typeText(form->EditDescricao, QString(199, u'n') + QStringLiteral("éx"));
    dialogs.clearMessages();
    form->SpeedButtonSalvar->click();
    waitIdle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList { kSuccess });
    EXPECT_EQ(lastPost().value(QStringLiteral("descricao")).toString(),
              QString(199, u'N') + QStringLiteral("É"));
}

TEST_F(FormCadastroEspecialidadeTest, ListedSpecialtyIsRemovedByItsEntityClass)
{
    search(QStringLiteral("PEDIA"));
    TEspecialidadeFrameAdapter *row
        = frameOf(&TEspecialidadeFrameAdapter::LabelDescricao, QStringLiteral("PEDIATRIA"));
    ASSERT_NE(row, nullptr);
    dialogs.answerQuestion(kYes);
    row->SpeedButtonRemove->click();
    waitIdle();
    const auto removal = demo.backend().last("DELETE", "/especialidade");
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->header("name_class"), "TEspecialidadeEntity");
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(removal->body))
                  .object()
                  .value(QStringLiteral("listHelper"))
                  .toArray(),
              QJsonArray { 601 });
}

} // namespace

#include "App.Lib.Form.TrocaSenha.h"

#include "App.Lib.Application.h"
#include "App.Lib.Message.Form.h"
#include "Align.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "ScriptedDialogs.h"
#include "WaitFor.h"
#include "WidgetInput.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The dialog shown for user 57. This program has no users' presenter, so a save that passes the
// checks fails in the dialog (the whole change runs against the stand-in back end in the people
// tests).
class FormTrocaSenhaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        troca.reset(TFormBase::Create<TFormTrocaSenha>());
        troca->SetIdUsuario(57);
        troca->show();
    }
    void TearDown() override
    {
        troca.reset();
        TApplicationZunta::ResetInstance();
    }

    void gravar() { clickAt(troca->SpeedButtonGravar, troca->SpeedButtonGravar->rect().center()); }
    void digitar(const QString &senha, const QString &confirmacao)
    {
        troca->EditSenha->clear();
        troca->EditConfirmacaoSenha->clear();
        typeText(troca->EditSenha, senha);
        typeText(troca->EditConfirmacaoSenha, confirmacao);
    }
    QString mensagem() const
    {
        return troca->LabelMensagem->isVisible() ? troca->LabelMensagem->text() : QString();
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<TFormTrocaSenha> troca;
};

TEST_F(FormTrocaSenhaTest, ShowsTheStrengthOfThePasswordAsItIsTyped)
{
    EXPECT_EQ(troca->windowTitle(), QStringLiteral("Troca de Senha"));
    EXPECT_TRUE(troca->EditSenha->password());
    EXPECT_TRUE(troca->LabelForcaSenha->text().isEmpty());
    EXPECT_FALSE(troca->LabelMensagem->isVisible());

    typeText(troca->EditSenha, QStringLiteral("abc"));
    EXPECT_EQ(troca->LabelForcaSenha->text(), QStringLiteral("Fraca"));
    EXPECT_EQ(troca->LabelForcaSenha->fontColor(), TAlphaColors::Orange);

    typeText(troca->EditSenha, QStringLiteral("defgh12"));
    EXPECT_EQ(troca->LabelForcaSenha->text(), QStringLiteral("Segura"));
    EXPECT_EQ(troca->LabelForcaSenha->fontColor(), TAlphaColors::Green);

    // The confirmation recomputes the first edit's level and hides the last refusal.
    gravar();
    EXPECT_EQ(mensagem(), QStringLiteral("WARNING:Preencha a senha e a confirmação de senha."));
    typeText(troca->EditConfirmacaoSenha, QStringLiteral("a"));
    EXPECT_FALSE(troca->LabelMensagem->isVisible());
    EXPECT_EQ(troca->LabelForcaSenha->text(), QStringLiteral("Segura"));

    troca->EditSenha->clear();
    EXPECT_EQ(troca->CalcularForcaSenha(), 0);
    EXPECT_TRUE(troca->LabelForcaSenha->text().isEmpty());
}

TEST_F(FormTrocaSenhaTest, RefusalsStayInTheDialog)
{
    gravar();
    EXPECT_EQ(mensagem(),
              QStringLiteral("WARNING:A senha precisa estar num nível mínimo de aceitável."));
    digitar(QStringLiteral("abc"), QStringLiteral("abc"));
    gravar();
    EXPECT_EQ(mensagem(),
              QStringLiteral("WARNING:A senha precisa estar num nível mínimo de aceitável."));
    digitar(QStringLiteral("Funeral#2024"), QStringLiteral("Funeral#2025"));
    gravar();
    EXPECT_EQ(mensagem(),
              QStringLiteral("WARNING:A confirmação de senha está diferente da senha."));
    // Accepted by the checks; the save's failure is written in the dialog too.
    digitar(QStringLiteral("Funeral#2024"), QStringLiteral("Funeral#2024 "));
    gravar();
    EXPECT_EQ(mensagem(), QStringLiteral("ERROR:Troca de senha indisponível."));

    EXPECT_TRUE(troca->isVisible());
    EXPECT_FALSE(troca->IsModifyPassword());
    EXPECT_TRUE(dialogs.messageTexts().isEmpty());
}

TEST_F(FormTrocaSenhaTest, CancelClosesOnlyWhenConfirmed)
{
    dialogs.answerQuestions({ mrNo, mrYes });
    clickAt(troca->SpeedButtonCancelar, troca->SpeedButtonCancelar->rect().center());
    EXPECT_TRUE(troca->isVisible());
    clickAt(troca->SpeedButtonCancelar, troca->SpeedButtonCancelar->rect().center());
    EXPECT_FALSE(troca->isVisible());
    EXPECT_FALSE(troca->IsModifyPassword());
    const QString question = QStringLiteral(
        "QUESTION:Ao cancelar a troca de senha, você não poderá\r\nacessar o sistema. Confirma a "
        "operação?");
    EXPECT_EQ(dialogs.messageTexts(), (QStringList { question, question }));
}

// The dialog opens with the focus in the password: the password stands above its confirmation,
// and each caption rises above its edit and stays there once the edit holds text.
TEST_F(FormTrocaSenhaTest, PasswordComesFirstAndCaptionsStayAboveTypedText)
{
    auto captionOf = [&](TEdit *AEdit) {
        return troca->findChild<TLabel *>(QStringLiteral("Label") + AEdit->objectName());
    };
    TLabel *captionSenha = captionOf(troca->EditSenha);
    TLabel *captionConfirmacao = captionOf(troca->EditConfirmacaoSenha);
    ASSERT_NE(captionSenha, nullptr);
    ASSERT_NE(captionConfirmacao, nullptr);
    auto above = [](TLabel *ACaption, TEdit *AEdit) {
        return waitFor([&] { return ACaption->y() < AEdit->y(); });
    };

    troca->activateWindow();
    QApplication::setActiveWindow(troca.get());
    ASSERT_TRUE(waitFor([&] { return troca->EditSenha->hasFocus(); }));
    RealignAll(troca.get());
    EXPECT_LT(troca->EditSenha->y(), troca->EditConfirmacaoSenha->y());
    EXPECT_TRUE(above(captionSenha, troca->EditSenha)) << "the dialog opened with the focus there";
    EXPECT_GT(captionConfirmacao->y(), troca->EditConfirmacaoSenha->y()) << "inside the empty edit";

    typeText(troca->EditSenha, QStringLiteral("Saudade#2026"));
    pressKey(troca->EditSenha, Qt::Key_Tab);
    ASSERT_TRUE(troca->EditConfirmacaoSenha->hasFocus());
    EXPECT_TRUE(above(captionConfirmacao, troca->EditConfirmacaoSenha));
    typeText(troca->EditConfirmacaoSenha, QStringLiteral("Saudade#2026"));
    pressKey(troca->EditConfirmacaoSenha, Qt::Key_Tab);
    EXPECT_FALSE(troca->EditConfirmacaoSenha->hasFocus());
    EXPECT_TRUE(above(captionSenha, troca->EditSenha));
    EXPECT_TRUE(above(captionConfirmacao, troca->EditConfirmacaoSenha));
}

} // namespace

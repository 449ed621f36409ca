#include "App.Lib.Form.TrocaSenha.h"

#include "App.Form.Login.h"
#include "App.Form.Principal.h"
#include "App.Lib.Application.h"
#include "App.Lib.ForcaSenha.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include "support/DemoBackend.h"
#include "support/FakeConnection.h"
#include "support/LoginSteps.h"
#include "support/ModalScript.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// The expired password of the README's second user, changed from the login window with the
// users' presenter, and the new one used to log in.
TEST(FormTrocaSenhaLoginTest, ChangedPasswordLogsIn)
{
    DemoBackend demo { QStringLiteral(ZUNTA_SOURCE_DIR "/fake-backend/seed.json") };
    FakeConnection fake { demo.backend() };
    ScriptedDialogs dialogs;
    std::vector<int> exits;
    TFormPrincipal::SetTerminateProc([&](int AExitCode) { exits.push_back(AExitCode); });
    const QString nova = QStringLiteral("Saudade#2026");
    ModalScript script { [](QWidget *AForm) {
        if (auto *login = dynamic_cast<TFormLogin *>(AForm))
            LoginSteps::cancelar(*login);
        else
            AForm->close();
    } };
    QString senhaNoLogin = QStringLiteral("-");
    script.then<TFormLogin>(QStringLiteral("TFormLogin"), [&](TFormLogin &login) {
        LoginSteps::logar(login, QStringLiteral("troca"), QStringLiteral("troca1234"));
        senhaNoLogin = login.EditSenha->text();
        // Typed again with a blank after it: the login sends the digest the change saved.
        typeText(login.EditSenha, nova + QStringLiteral(" "));
        LoginSteps::press(login.RectangleLogar);
    });
    script.then<TFormTrocaSenha>(QStringLiteral("TFormTrocaSenha"), [&](TFormTrocaSenha &troca) {
        EXPECT_EQ(troca.IdUsuario(), 2);
        typeText(troca.EditSenha, nova);
        typeText(troca.EditConfirmacaoSenha, nova + QStringLiteral(" "));
        clickAt(troca.SpeedButtonGravar, troca.SpeedButtonGravar->rect().center());
        EXPECT_TRUE(troca.IsModifyPassword());
    });

    std::unique_ptr<TFormPrincipal> principal(TFormBase::Create<TFormPrincipal>());

    EXPECT_TRUE(script.done());
    EXPECT_TRUE(senhaNoLogin.isEmpty());
    EXPECT_EQ(
        dialogs.messageTexts(),
        (QStringList { QStringLiteral("SUCCESSOperação realizada com sucesso."),
                       QStringLiteral("WARNING:Digite a nova senha para acessar o sistema.") }));
    const auto change = demo.backend().last("POST", "/usuario/modify-password/2");
    ASSERT_TRUE(change);
    EXPECT_EQ(change->param("senha"), DigestSenha(nova).toStdString());
    EXPECT_TRUE(principal->IsLogado());
    EXPECT_EQ(principal->LabelLogadoNome->text(), QStringLiteral("USUÁRIO SENHA EXPIRADA"));
    EXPECT_TRUE(exits.empty());

    principal.reset();
    TApplicationZunta::ResetInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    TFormPrincipal::SetTerminateProc(nullptr);
}

} // namespace

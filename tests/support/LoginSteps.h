#pragma once

#include "App.Form.Login.h"
#include "Align.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Shapes.h"
#include "WidgetInput.h"

#include <QString>

// What a person does in the login window, through its controls.
namespace LoginSteps {

inline void press(TRectangle *AButton)
{
    RealignAll(AButton->window());
    clickAt(AButton, AButton->rect().center());
}

// Types the credentials into the two edits and presses "Logar".
inline void logar(TFormLogin &ALogin, const QString &AUsuario, const QString &ASenha)
{
    typeText(ALogin.EditLogin, AUsuario);
    typeText(ALogin.EditSenha, ASenha);
    press(ALogin.RectangleLogar);
}

// Chooses the combo's item (0 is "SELECIONE UMA EMPRESA") and presses "Acessar".
inline void acessar(TFormLogin &ALogin, int AItem)
{
    ALogin.ComboBoxEmpresa->setItemIndex(AItem);
    press(ALogin.RectangleAcessar);
}

inline void cancelar(TFormLogin &ALogin)
{
    press(ALogin.RectangleCancelar);
}

} // namespace LoginSteps

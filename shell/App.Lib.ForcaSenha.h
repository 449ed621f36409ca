#pragma once

#include "AlphaColor.h"

#include <QString>

#include <cstdint>
#include <functional>

// The rules of a new password, apart from its window: the strength score and its level, the
// checks of "GRAVAR" and the one digest under which a typed password travels, at the login and
// at the password change alike.

// The lowest score a new password may have ("Aceitável").
constexpr int ForcaSenhaMinima = 60;

// The level shown for a score; the text is empty for an empty password (score 0).
struct TNivelForcaSenha
{
    QString Texto;
    TAlphaColor Cor = TAlphaColors::Null;
};

// 0 to 130, computed on the text as typed: length (at most 10) times 6; lower-case letters,
// upper-case letters, digits and other characters, each at most 2, times 5; 30 when no group
// of two or more word characters (ASCII letters, digits, "_") is immediately repeated.
int CalcularForcaSenha(const QString &ASenha);
TNivelForcaSenha NivelForcaSenha(int APontos);

// The refusal of "GRAVAR" for these texts, prefix included, or the empty text when the new
// password is accepted. The two texts are compared trimmed.
QString ValidarTrocaSenha(const QString &ASenha, const QString &AConfirmacao);

// The text without leading and trailing blanks and control characters.
QString TrimSenha(const QString &ASenha);
// The digest of a typed password (HashPassword of the trimmed text). The login and the password
// change both send it, so that a password saved here is the one a later login sends.
QString DigestSenha(const QString &ASenha);

// Saves a user's new password digest. The users' presenter (people/) registers it in the class
// registry under "TUsuarioPresenter.ModifyPassword", so the shell reaches it by name.
using TModifyPasswordProc = std::function<void(std::int64_t AIdUsuario, const QString &ASenha)>;
// Sends the digest of the typed password (DigestSenha) for the user; the back end's refusal
// raises its reply text, and so does a program built without the users' presenter.
void ModificarSenha(std::int64_t AIdUsuario, const QString &ASenhaDigitada);

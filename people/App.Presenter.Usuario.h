#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Usuario.h"
#include "Common.Dto.Usuario.h"
#include "Common.Entity.Usuario.h"

#include <cstdint>

// The presenter of the users' registration: the users' window and the user lookup list users
// (TUsuarioDto rows) through it. The password-change window reaches it by the name
// "TUsuarioPresenter.ModifyPassword" (see ModificarSenha).
class TUsuarioPresenter final
    : public TCadastroPresenterOf<TUsuarioEntity, TUsuarioDto, TUsuarioService>
{
public:
    TUsuarioPresenter();

    // ASenha is already the digest (DigestSenha); failures reach the caller unchanged.
    void ModifyPassword(std::int64_t AIdUsuario, const QString &ASenha);
};

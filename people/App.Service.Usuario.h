#pragma once

#include "App.Base.Service.h"

#include <cstdint>

// The users of the system (/usuario).
class TUsuarioService final : public TBaseService
{
public:
    TUsuarioService();

    // POST /usuario/modify-password/<id> with "senha" := ASenha, the digest of the new password.
    // While it runs, an authentication it triggers carries "new-password: True". A status other
    // than 200 raises the reply text.
    void ModifyPassword(std::int64_t ID, const QString &ASenha);
    // POST /usuario/reset/<id> without a body: the back end chooses the new password. A status
    // other than 200 raises the reply text.
    void ResetPassword(std::int64_t ID);
};

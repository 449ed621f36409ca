#pragma once

#include "App.Base.Service.h"

class TEmpresaDto;

// The login call behind the login window: logs in through the connection and returns the user's
// companies, keeping the status of the attempt in StatusCode (422: the password must be changed).
// Its own request is never used.
class TLoginService final : public TBaseService
{
public:
    TLoginService();

    // ASenha is the password digest (HashPassword). StatusCode holds the connection's status
    // afterwards, also when the call raises: the authentication's, the user request's, or 404
    // when no reply came.
    TObjectList<TEmpresaDto> Logar(const QString &ALogin, const QString &ASenha);
};

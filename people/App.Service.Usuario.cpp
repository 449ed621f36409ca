#include "App.Service.Usuario.h"

#include "App.Lib.Service.Connection.h"

#include "RestRequest.h"

TUsuarioService::TUsuarioService()
    : TBaseService(QStringLiteral("TUsuarioService"))
{ }

void TUsuarioService::ModifyPassword(std::int64_t ID, const QString &ASenha)
{
    ClearRequest();
    TServiceConnection &connection = TServiceConnection::GetInstance();
    connection.SetUserModifyPassword(true);
    // The flag must never outlive the call, whatever it ends with.
    struct FlagReset
    {
        TServiceConnection &connection;
        ~FlagReset() { connection.SetUserModifyPassword(false); }
    } reset { connection };
    Request().AddParameter(QStringLiteral("senha"), ASenha);
    ExecutePost(ResourceName() + QStringLiteral("/modify-password/") + QString::number(ID));
    if (StatusCode() != 200)
        raiseReply();
}

void TUsuarioService::ResetPassword(std::int64_t ID)
{
    ClearRequest();
    ExecutePost(ResourceName() + QStringLiteral("/reset/") + QString::number(ID));
    if (StatusCode() != 200)
        raiseReply();
}

ZUNTA_REGISTER_SERVICE(TUsuarioService)

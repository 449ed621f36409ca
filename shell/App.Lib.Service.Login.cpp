#include "App.Lib.Service.Login.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Dto.Empresa.h"

ZUNTA_REGISTER_SERVICE(TLoginService)

TLoginService::TLoginService()
    : TBaseService(QStringLiteral("TLoginService"))
{ }

TObjectList<TEmpresaDto> TLoginService::Logar(const QString &ALogin, const QString &ASenha)
{
    TServiceConnection &connection = TServiceConnection::GetInstance();
    try {
        connection.Logar(ALogin, ASenha);
        TObjectList<TEmpresaDto> empresas = connection.getListEmpresa();
        SetStatusCode(connection.StatusCode());
        return empresas;
    } catch (...) {
        SetStatusCode(connection.StatusCode());
        throw;
    }
}

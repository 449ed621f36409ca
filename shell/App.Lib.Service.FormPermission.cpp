#include "App.Lib.Service.FormPermission.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Dto.FormPermission.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.JSON.h"
#include "RestRequest.h"

TFormPermissionService::TFormPermissionService()
    : TBaseService(QStringLiteral("TFormPermissionService"))
{ }

std::unique_ptr<TFormPermissionDto>
TFormPermissionService::getFormPermssion(const QString &AFormClass)
{
    ClearRequest();
    const TUsuarioDto *usuario = TServiceConnection::GetInstance().UsuarioLogado();
    if (!usuario)
        return nullptr;
    Request().AddParameter(QStringLiteral("id-usuario"), QString::number(usuario->Id));
    Request().AddParameter(QStringLiteral("form-class"), AFormClass);
    ExecuteGet(ResourceName(), QString(), QString(), true, 1, 100, QString());
    if (StatusCode() == 304 || StatusCode() >= 400)
        return nullptr;
    const TJsonValue &json = ResponseJson();
    if (json.IsMissing())
        return nullptr;
    return TDravikJson::JsonToObject<TFormPermissionDto>(json);
}

ZUNTA_REGISTER_SERVICE(TFormPermissionService)

#include "App.Lib.Service.MenuSistema.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Dto.MenuSistema.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.JSON.h"

#include "RestRequest.h"

TMenuSistemaService::TMenuSistemaService()
    : TBaseService(QStringLiteral("TMenuSistemaService"))
{ }

std::optional<TObjectList<TMenuSistemaDto>> TMenuSistemaService::getMenuSistema()
{
    ClearRequest();
    const TUsuarioDto *usuario = TServiceConnection::GetInstance().UsuarioLogado();
    Request().AddParameter(QStringLiteral("id-usuario"),
                           QString::number(usuario ? usuario->Id : 0));
    return readRows(ResourceName());
}

std::optional<TObjectList<TMenuSistemaDto>> TMenuSistemaService::getMenuSuperior()
{
    ClearRequest();
    return readRows(ResourceName() + QStringLiteral("/menu-superior"));
}

std::optional<TObjectList<TMenuSistemaDto>> TMenuSistemaService::readRows(const QString &AResource)
{
    ExecuteGet(AResource, QString(), QString(), true, 1, 100, QString());
    if (StatusCode() == 304)
        return std::nullopt;
    const TJsonValue &reply = ResponseJson();
    if (!reply.IsObject())
        return std::nullopt;
    const TJsonValue rows = reply[std::string_view("listHelper")];
    if (!rows.IsArray())
        return std::nullopt;
    return TDravikJson::JsonToList<TMenuSistemaDto>(rows);
}

ZUNTA_REGISTER_SERVICE(TMenuSistemaService)

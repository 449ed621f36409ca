#include "App.Service.ListaSistema.h"

#include "Common.Dto.ListaSistema.h"
#include "Common.Lib.JSON.h"

ZUNTA_REGISTER_SERVICE(TListaSistemaService)

TListaSistemaService::TListaSistemaService()
    : TBaseService(QStringLiteral("TListaSistemaService"))
{ }

std::int64_t TListaSistemaService::GetListaSistemaByCodigoTipo(const QString &ACodigo,
                                                               const QString &ATipo)
{
    ClearRequest();
    // The trailing "/" is the back end's list address for this resource.
    ExecuteGet(ResourceName() + u'/', ACodigo, ATipo, true, 1, 100, QString());
    if (StatusCode() == 304)
        return 0;
    const TJsonValue &reply = ResponseJson();
    if (!reply)
        raiseReply();
    const TObjectList<TListaSistemaDto> rows
        = TDravikJson::JsonToList<TListaSistemaDto>(reply[std::string_view("listHelper")]);
    // The back end's search may also match the code inside other texts (a description, a
    // longer code), so the row taken is the first whose code is the one asked.
    for (const auto &row : rows)
        if (ACodigo.isEmpty() || row->Codigo == ACodigo)
            return row->Id;
    return 0;
}

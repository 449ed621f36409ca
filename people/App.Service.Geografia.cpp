#include "App.Service.Geografia.h"

#include "Common.Lib.JSON.h"

#include "SysUtils.h"

std::unique_ptr<TSerializeObject> findGeografia(TBaseService &AService,
                                                const TClassInfo &AClass,
                                                const QString &APath,
                                                const QString &ASearch)
{
    AService.ClearRequest();
    AService.ExecuteGet(
        AService.ResourceName() + APath, ASearch, QString(), true, 1, 100, QString());
    const TJsonValue &reply = AService.ResponseJson();
    if (!reply)
        throw Exception(AService.ResponseContent());
    return TDravikJson::JsonToObject(AClass, reply);
}

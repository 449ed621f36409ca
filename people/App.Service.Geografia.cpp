#include "App.Service.Geografia.h"

std::unique_ptr<TSerializeObject> findGeografia(TBaseService &AService,
                                                const TClassInfo &AClass,
                                                const QString &APath,
                                                const QString &ASearch)
{
    AService.ClearRequest();
    AService.ExecuteGet(
        AService.ResourceName() + APath, ASearch, QString(), true, 1, 100, QString());
    return AService.readReplyObject(AClass);
}

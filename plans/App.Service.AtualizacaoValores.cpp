#include "App.Service.AtualizacaoValores.h"

#include "App.Lib.Utils.h"
#include "Common.Lib.JSON.h"
#include "RestRequest.h"

ZUNTA_REGISTER_SERVICE(TAtualizacaoValoresService)

TAtualizacaoValoresService::TAtualizacaoValoresService()
    : TBaseService(QStringLiteral("TAtualizacaoValoresService"))
{ }

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TAtualizacaoValoresService::GetList(const QString &AResource, const TClassInfo &ARowClass)
{
    ClearRequest();
    ExecuteGet(ResourceName() + u'/' + AResource, QString(), QString(), true, 1, 100, QString());
    return readReplyListIfAny(ARowClass);
}

std::unique_ptr<TSerializeObject> TAtualizacaoValoresService::GetById(std::int64_t AId,
                                                                      const QString &AResource,
                                                                      const TClassInfo &ARowClass)
{
    ClearRequest();
    ExecuteGet(ResourceName() + u'/' + AResource + u'/' + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    if (StatusCode() == 304 || (StatusCode() < 400 && !ResponseJson()))
        return nullptr;
    return readReplyObject(ARowClass);
}

void TAtualizacaoValoresService::PostAtualizacaoValores(
    const QString &AResource, const std::vector<const TSerializeObject *> &AList)
{
    ClearRequest();
    SetTimeOut(AtualizacaoTimeOut);
    Request().AddBody(TDravikJson::ObjectsToJson(AList), QStringLiteral("application/json"));
    ExecutePost(ResourceName() + u'/' + AResource);
    if (StatusCode() != 200)
        raiseReply();
    TAppUtils::MessageSystem(QStringLiteral("SUCCESSOperação realizada com sucesso."));
}

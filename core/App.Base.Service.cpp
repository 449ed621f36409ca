#include "App.Base.Service.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"

#include "RestRequest.h"
#include "SysUtils.h"

namespace {

const QString &serverUnavailableText()
{
    static const QString text = QStringLiteral("ERROR:Servidor indisponível no momento.");
    return text;
}

const QString &noReplyText()
{
    static const QString text = QStringLiteral("ERROR:Sem resposta do servidor.");
    return text;
}

QString invalidReplyText(int status)
{
    return QStringLiteral("ERROR:Resposta inválida do servidor (status %1).").arg(status);
}

// The back end's own texts ("WARNING:…", "ERROR:…") are short and plain; a longer body, markup
// and anything that looks like JSON or binary data is no message for a person.
constexpr qsizetype MaxPlainMessage = 500;

bool isPlainMessage(const TRestResponse &response, const QString &text)
{
    if (text.isEmpty() || text.size() > MaxPlainMessage
        || response.ContentType.contains(QLatin1String("html"), Qt::CaseInsensitive))
        return false;
    const QChar first = text.front();
    if (first == u'<' || first == u'{' || first == u'[')
        return false;
    for (const QChar c : text) {
        if ((c.unicode() < u' ' && c != u'\r' && c != u'\n' && c != u'\t')
            || c == QChar::ReplacementCharacter)
            return false;
    }
    return true;
}

QString resourceNameOf(const QString &className)
{
    QString name = className.mid(1);
    const qsizetype service = name.indexOf(QStringLiteral("Service"), 0, Qt::CaseSensitive);
    if (service >= 0)
        name.remove(service, 7);
    return u'/' + TUtils::convertNameToResource(name);
}

} // namespace

TBaseService::TBaseService(const QString &AClassName)
    : m_className(AClassName)
    , m_resourceName(resourceNameOf(AClassName))
    , m_request(std::make_unique<TRestRequest>())
{
    // A constructor cannot reach a descendant's BeforeRequest; every call starts with
    // ClearRequest, which does.
    m_request->SetTimeout(DefaultTimeOut);
}

TBaseService::~TBaseService() = default;

std::unique_ptr<TBaseService> TBaseService::CreateService(const QString &AClassName)
{
    const auto factory = TClassRegistry::FindFactory<TServiceFactory>(AClassName);
    return factory ? factory() : nullptr;
}

void TBaseService::RenewToken()
{
    TServiceConnection::GetInstance().ForceNewTokenAuthentication();
}

void TBaseService::BeforeRequest() { }

void TBaseService::ClearRequest()
{
    m_request->ClearBody();
    m_request->ClearHeaders();
    m_request->ClearParameters();
    m_request->SetTimeout(DefaultTimeOut);
    BeforeRequest();
}

void TBaseService::SetTimeOut(int AValue)
{
    m_request->SetTimeout(AValue);
}

void TBaseService::PrepareRequest(const QString &AResource)
{
    m_response.reset();
    m_responseJson.reset();
    m_request->SetResource(AResource);
    TServiceConnection::GetInstance().SetInfoRequest(*m_request);
}

void TBaseService::keepResponse(std::shared_ptr<TRestResponse> AResponse)
{
    m_responseJson.reset();
    m_response = std::move(AResponse);
    if (!m_response)
        throw Exception(serverUnavailableText());
    m_statusCode = m_response->StatusCode;
}

const TJsonValue &TBaseService::ResponseJson() const
{
    if (!m_responseJson)
        m_responseJson = m_response ? TJsonValue::Parse(m_response->RawBytes) : TJsonValue();
    return *m_responseJson;
}

QString TBaseService::ResponseContent() const
{
    return m_response ? m_response->Content() : QString();
}

QString TBaseService::replyMessage() const
{
    if (!m_response)
        return serverUnavailableText();
    const TJsonValue &json = ResponseJson();
    const TJsonValue message = json.IsObject() ? json[std::string_view("message")] : json;
    if (message.IsString()) {
        const QString text = message.AsString().trimmed();
        if (!text.isEmpty())
            return text;
    } else if (!json) {
        const QString text = ResponseContent().trimmed();
        if (text.isEmpty() && m_statusCode < 400)
            return noReplyText();
        if (isPlainMessage(*m_response, text))
            return text;
    }
    return invalidReplyText(m_statusCode);
}

void TBaseService::raiseReply() const
{
    throw Exception(replyMessage());
}

const TJsonValue &TBaseService::readReply()
{
    const TJsonValue &reply = ResponseJson();
    if (m_statusCode >= 400 || !reply)
        raiseReply();
    return reply;
}

std::unique_ptr<TSerializeObject> TBaseService::readReplyObject(const TClassInfo &AClass)
{
    return TDravikJson::JsonToObject(AClass, readReply());
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TBaseService::readReplyPage(const TClassInfo &AClass)
{
    if (m_statusCode == 304)
        return std::nullopt;
    // A reply without "listHelper" is the structure error.
    return TDravikJson::JsonToList(AClass, readReply()[std::string_view("listHelper")]);
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TBaseService::readReplyListIfAny(const TClassInfo &AClass)
{
    if (m_statusCode >= 400)
        raiseReply();
    if (m_statusCode == 304)
        return std::nullopt;
    const TJsonValue rows = ResponseJson()[std::string_view("listHelper")];
    if (!rows.IsArray())
        return std::nullopt;
    return TDravikJson::JsonToList(AClass, rows);
}

void TBaseService::ExecuteGet(const QString &AResource,
                              const QString &ASearch,
                              const QString &AFixFilter,
                              bool APaginate,
                              int APage,
                              int ALimit,
                              const QString &ABody)
{
    m_request->AddHeader(QStringLiteral("X-Paginate"),
                         APaginate ? QStringLiteral("true") : QStringLiteral("false"));
    if (APaginate) {
        m_request->AddParameter(QStringLiteral("page"), QString::number(APage));
        m_request->AddParameter(QStringLiteral("limit"), QString::number(ALimit));
    }
    if (!ASearch.isEmpty())
        m_request->AddParameter(QStringLiteral("search"), ASearch);
    if (!AFixFilter.isEmpty())
        m_request->AddParameter(QStringLiteral("fix-filter"), AFixFilter);
    if (!ABody.isEmpty()) {
        m_request->ClearBody();
        m_request->AddBody(ABody, QStringLiteral("application/json"));
    }
    PrepareRequest(AResource);
    keepResponse(m_request->Get());

    // Only a page carries the totals: a record read paged (findById) may have members of its own
    // named "total" or "pages", and an error reply says nothing about the list.
    if (APaginate && m_statusCode >= 200 && m_statusCode < 300) {
        const TJsonValue &reply = ResponseJson();
        if (reply.Contains(std::string_view("listHelper"))) {
            if (const TJsonValue total = reply[std::string_view("total")])
                m_totalRecords = total.AsInt32();
            if (const TJsonValue pages = reply[std::string_view("pages")])
                m_totalPages = pages.AsInt32();
        }
    }
}

void TBaseService::ExecuteGetWithFilter(const QString &AResource, const TSerializeObject *AFilter)
{
    ExecuteGet(AResource, QString(), QString(), true, 1, 100, GetFilterBody(AFilter));
}

QString TBaseService::GetFilterBody(const TSerializeObject *AObject)
{
    return AObject ? TDravikJson::ObjectToJson(AObject) : QString();
}

void TBaseService::ExecutePost(const QString &AResource)
{
    PrepareRequest(AResource);
    keepResponse(m_request->Post());
}

void TBaseService::ExecuteDelete(const QString &AResource)
{
    PrepareRequest(AResource);
    keepResponse(m_request->Delete());
}

std::unique_ptr<TSerializeObject> TBaseService::findObjectById(const TClassInfo &AClass,
                                                               std::int64_t AId)
{
    ClearRequest();
    ExecuteGet(m_resourceName + u'/' + QString::number(AId),
               QString(),
               QString(),
               true,
               1,
               100,
               QString());
    return readReplyObject(AClass);
}

std::unique_ptr<TSerializeObject> TBaseService::findObjectPesquisaById(const TClassInfo &AClass,
                                                                       std::int64_t AId,
                                                                       const QString &ASearch,
                                                                       const QString &AFixFilter)
{
    ClearRequest();
    ExecuteGet(m_resourceName + QStringLiteral("/pesquisa/") + QString::number(AId),
               ASearch,
               AFixFilter,
               true,
               1,
               100,
               QString());
    return readReplyObject(AClass);
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TBaseService::findListByFilter(const TClassInfo &AClass,
                               const QString &ASearch,
                               const QString &AFixFilter,
                               int APage,
                               int ALimit,
                               const TSerializeObject *AFilter)
{
    ClearRequest();
    ExecuteGet(m_resourceName, ASearch, AFixFilter, true, APage, ALimit, GetFilterBody(AFilter));
    return readReplyPage(AClass);
}

std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
TBaseService::findListOf(const TClassInfo &AClass, const QString &APath, bool ANoJsonIsNoList)
{
    ClearRequest();
    ExecuteGet(m_resourceName + APath, QString(), QString(), true, 1, 100, QString());
    // Some parents without children are answered with an empty or non-JSON body.
    if (ANoJsonIsNoList && m_statusCode < 400 && ResponseJson().IsMissing())
        return std::nullopt;
    return readReplyPage(AClass);
}

std::unique_ptr<TSerializeObject>
TBaseService::postObject(const TClassInfo &AClass, const TSerializeObject &AObject, bool AComplex)
{
    ClearRequest();
    m_request->AddBody(TDravikJson::ObjectToJson(AObject), QStringLiteral("application/json"));
    ExecutePost(AComplex ? m_resourceName + QStringLiteral("/complex") : m_resourceName);
    if (m_statusCode != 200)
        raiseReply();
    return readReplyObject(AClass);
}

bool TBaseService::deleteItems(const TListInt64 &AListRemove, const QString &ANameClass)
{
    ClearRequest();
    // No body can be built without ids, and a removal without them must not reach the back end.
    if (AListRemove.empty())
        throw EInvalidArgument(QStringLiteral("ERROR:Nenhum registro informado para exclusão."));
    m_request->AddBody(TDravikJson::ListInt64ToJson(AListRemove),
                       QStringLiteral("application/json"));
    m_request->AddHeader(QStringLiteral("name_class"), ANameClass);
    ExecuteDelete(m_resourceName);
    if (m_statusCode != 204)
        raiseReply();
    return true;
}

#pragma once

#include "Common.Base.Serialize.h"
#include "Common.Base.Types.h"
#include "JsonValue.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class TRestRequest;
class TRestResponse;

// Base of every per-resource service. The resource path comes from the class name given to the
// constructor ("TUnidadeFederativaService" talks to "/unidade-federativa"); the service owns one
// request, reset at the start of every call, so nothing of one call reaches the next. Named
// actions of the services are written with the building blocks (ClearRequest, SetTimeOut,
// ExecuteGet, ExecutePost, ExecuteDelete, StatusCode); the generic calls cover reading, listing,
// saving and deleting. A service is used by one thread at a time; different services may run
// at once and meet only in TServiceConnection.
//
// Failures: a transport failure raises ENetHTTPClientException ("ERROR:Servidor indisponível no
// momento." with the client's detail after "IDU:"); a reply that is not what the call expects
// raises an Exception with the message the reply carries (see replyMessage), so a window shows
// the server's own text and never a raw page.
class TBaseService
{
public:
    static constexpr int DefaultTimeOut = 45000;

    // AClassName is the service's own class name as the system spells it.
    explicit TBaseService(const QString &AClassName);
    virtual ~TBaseService();
    TBaseService(const TBaseService &) = delete;
    TBaseService &operator=(const TBaseService &) = delete;

    // A new service of a class registered with ZUNTA_REGISTER_SERVICE; null when none is.
    static std::unique_ptr<TBaseService> CreateService(const QString &AClassName);
    // A new token at once (long actions call it before they start).
    static void RenewToken();

    const QString &ClassName() const { return m_className; }
    // "/" followed by the kebab form of the class name without its "T" and "Service".
    const QString &ResourceName() const { return m_resourceName; }

    // --- Building blocks ----------------------------------------------------------------------

    // Time-out back to 45000 ms, body, headers and parameters cleared, then BeforeRequest.
    void ClearRequest();
    // Milliseconds, until the next ClearRequest (the request keeps the value: Request().Timeout()).
    void SetTimeOut(int AValue);
    // Resource path and the connection's preparation: token, base address, headers.
    void PrepareRequest(const QString &AResource);
    // GET with "X-Paginate", "page" and "limit" when paged, "search" and "fix-filter" when not
    // empty and ABody as a JSON body when not empty; keeps the response and its status and, for
    // a paged call answered with a page (a 2xx JSON object holding "listHelper"), its "total"
    // and "pages" (EConvertError when one is not a whole number). Tests no status.
    void ExecuteGet(const QString &AResource,
                    const QString &ASearch,
                    const QString &AFixFilter,
                    bool APaginate,
                    int APage,
                    int ALimit,
                    const QString &ABody);
    // ExecuteGet paged, page 1, limit 100, with the filter's JSON as body.
    void ExecuteGetWithFilter(const QString &AResource, const TSerializeObject *AFilter);
    // The object's JSON; the empty text for a missing object.
    static QString GetFilterBody(const TSerializeObject *AObject);
    // POST (DELETE) of the body set so far; keeps the response and its status.
    virtual void ExecutePost(const QString &AResource);
    virtual void ExecuteDelete(const QString &AResource);
    void SetStatusCode(int AValue) { m_statusCode = AValue; }

    int StatusCode() const { return m_statusCode; }
    int TotalRecords() const { return m_totalRecords; }
    int TotalPages() const { return m_totalPages; }
    // Stored only: no request sends it and no reply sets it.
    QString ETag;

    // The service's request (its time-out, headers and parameters as the last call left them).
    TRestRequest &Request() { return *m_request; }
    // The last call's response; null before the first.
    const std::shared_ptr<TRestResponse> &Response() const { return m_response; }
    // The last call's reply parsed as JSON (parsed once, on first use); missing when the reply
    // is not JSON or there is none.
    const TJsonValue &ResponseJson() const;
    // The last call's reply text.
    QString ResponseContent() const;

    // --- Reading the last reply (the generic calls and every named action) --------------------

    // The reply where a record or a page is expected, as JSON. Raises replyMessage() for a
    // status of 400 or above and for a body that is not JSON, and "ERROR:Sem resposta do
    // servidor." for an empty body.
    const TJsonValue &readReply();
    // The reply as a new object of the class (readReply, then the structure error for JSON that
    // is not an object).
    std::unique_ptr<TSerializeObject> readReplyObject(const TClassInfo &AClass);
    template<class T>
    std::unique_ptr<T> readReplyObject()
    {
        return downcast<T>(readReplyObject(T::StaticClassInfo()));
    }
    // The reply as a page: status 304 gives no list (std::nullopt); otherwise readReply and the
    // rows of its "listHelper" array (the structure error when there is none).
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    readReplyPage(const TClassInfo &AClass);
    template<class T>
    std::optional<TObjectList<T>> readReplyPage()
    {
        return downcastList<T>(readReplyPage(T::StaticClassInfo()));
    }
    // The reply where a list may simply be absent: no list for status 304, for a reply that holds
    // no JSON and for a JSON value without a "listHelper" array; otherwise the rows of that array.
    // A status of 400 or above raises replyMessage(), so an error never reads as "no rows".
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    readReplyListIfAny(const TClassInfo &AClass);
    template<class T>
    std::optional<TObjectList<T>> readReplyListIfAny()
    {
        return downcastList<T>(readReplyListIfAny(T::StaticClassInfo()));
    }
    // The text a reply that failed carries, to show the user: the "message" member of a JSON
    // object, the body itself when it is a short plain text (the back end's "WARNING:…" texts),
    // otherwise "ERROR:Resposta inválida do servidor (status N)." (an HTML error page, a JSON
    // without a message, a truncated reply); "ERROR:Sem resposta do servidor." for an empty 2xx
    // body.
    QString replyMessage() const;

    // --- Generic calls (the caller owns every result) -----------------------------------------

    // GET resource/<id>, paged page 1 limit 100. The reply is read by readReplyObject: a status
    // of 400 or above (a 404 for a missing id included) raises the reply's message.
    template<class T>
    std::unique_ptr<T> findById(std::int64_t AId)
    {
        return downcast<T>(findObjectById(T::StaticClassInfo(), AId));
    }
    // GET resource/pesquisa/<id>, with "search" and "fix-filter" when not empty.
    template<class T>
    std::unique_ptr<T> findPesquisaById(std::int64_t AId, const QString &AFixFilter)
    {
        return findPesquisaById<T>(AId, QString(), AFixFilter);
    }
    template<class T>
    std::unique_ptr<T>
    findPesquisaById(std::int64_t AId, const QString &ASearch, const QString &AFixFilter)
    {
        return downcast<T>(findObjectPesquisaById(T::StaticClassInfo(), AId, ASearch, AFixFilter));
    }
    // One page of rows, with the filter's JSON as the GET body when there is a filter, read by
    // readReplyPage. Status 304 gives no list (std::nullopt), which is not the same as an empty
    // page; TotalRecords and TotalPages then keep their values.
    template<class T>
    std::optional<TObjectList<T>> findByFilter(const QString &ASearch,
                                               const QString &AFixFilter,
                                               int APage,
                                               int ALimit,
                                               const TSerializeObject *AFilter = nullptr)
    {
        return downcastList<T>(
            findListByFilter(T::StaticClassInfo(), ASearch, AFixFilter, APage, ALimit, AFilter));
    }
    // The first page of 100 rows under another record: GET resource + APath ("/servico/5" reads
    // the children of service 5), read by readReplyPage, so status 304 gives no list and a reply
    // without JSON raises. Only the first 100 rows are ever read.
    template<class T>
    std::optional<TObjectList<T>> findFirstPageOf(const QString &APath)
    {
        return downcastList<T>(findListOf(T::StaticClassInfo(), APath, false));
    }
    // The child rows of one parent record of an aggregate: GET resource/<AParent>/<AId> (the
    // parent's resource word, "usuario"), paged page 1 limit 100, without search or body. No list
    // for status 304 nor for a reply that holds no JSON; otherwise as readReplyPage.
    template<class T>
    std::optional<TObjectList<T>> findListByParent(const QString &AParent, std::int64_t AId)
    {
        return downcastList<T>(findListOf(T::StaticClassInfo(),
                                          u'/' + AParent + u'/' + QString::number(AId), true));
    }
    // POST resource (resource/complex) with the object's JSON; only 200 succeeds, giving the
    // saved record (read by readReplyObject).
    template<class T>
    std::unique_ptr<T> post(const T &AObject)
    {
        return downcast<T>(postObject(T::StaticClassInfo(), AObject, false));
    }
    template<class T>
    std::unique_ptr<T> postComplex(const T &AObject)
    {
        return downcast<T>(postObject(T::StaticClassInfo(), AObject, true));
    }
    // DELETE resource with {"listHelper":[ids]} and header "name_class"; only 204 succeeds.
    // An empty id list raises EInvalidArgument before anything is sent.
    bool deleteItems(const TListInt64 &AListRemove, const QString &ANameClass);

    // The untyped forms behind the templates, for code that holds only a class description.
    std::unique_ptr<TSerializeObject> findObjectById(const TClassInfo &AClass, std::int64_t AId);
    std::unique_ptr<TSerializeObject> findObjectPesquisaById(const TClassInfo &AClass,
                                                             std::int64_t AId,
                                                             const QString &ASearch,
                                                             const QString &AFixFilter);
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    findListByFilter(const TClassInfo &AClass,
                     const QString &ASearch,
                     const QString &AFixFilter,
                     int APage,
                     int ALimit,
                     const TSerializeObject *AFilter);
    std::optional<std::vector<std::unique_ptr<TSerializeObject>>>
    findListOf(const TClassInfo &AClass, const QString &APath, bool ANoJsonIsNoList);
    std::unique_ptr<TSerializeObject>
    postObject(const TClassInfo &AClass, const TSerializeObject &AObject, bool AComplex);

protected:
    // Runs at the end of every ClearRequest: descendants lengthen the time-out of all their
    // calls here with SetTimeOut.
    virtual void BeforeRequest();

    // Keeps the response of a call and its status; "ERROR:Servidor indisponível no momento."
    // when the request gave none.
    void keepResponse(std::shared_ptr<TRestResponse> AResponse);
    // replyMessage() as an Exception: for a named action whose status is not the expected one.
    [[noreturn]] void raiseReply() const;

private:
    template<class T>
    static std::unique_ptr<T> downcast(std::unique_ptr<TSerializeObject> object)
    {
        return std::unique_ptr<T>(static_cast<T *>(object.release()));
    }
    template<class T>
    static std::optional<TObjectList<T>>
    downcastList(std::optional<std::vector<std::unique_ptr<TSerializeObject>>> rows)
    {
        if (!rows)
            return std::nullopt;
        TObjectList<T> list;
        list.reserve(rows->size());
        for (auto &row : *rows)
            list.emplace_back(static_cast<T *>(row.release()));
        return list;
    }

    QString m_className;
    QString m_resourceName;
    std::unique_ptr<TRestRequest> m_request;
    std::shared_ptr<TRestResponse> m_response;
    mutable std::optional<TJsonValue> m_responseJson;
    int m_totalPages = 0;
    int m_totalRecords = 0;
    int m_statusCode = 0;
};

// How a service is created from its class name (the class registry holds one per service).
using TServiceFactory = std::function<std::unique_ptr<TBaseService>()>;

// In a service's .cpp: put the service in the class registry at start-up, so that
// TBaseService::CreateService finds it by name.
#define ZUNTA_REGISTER_SERVICE(ClassName)                                                          \
    namespace {                                                                                    \
    const TClassRegistration zuntaServiceRegistration##ClassName(                                  \
        QStringLiteral(#ClassName), TServiceFactory([]() -> std::unique_ptr<TBaseService> {        \
            return std::make_unique<ClassName>();                                                  \
        }));                                                                                       \
    }

#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

// The reply of one request. An HTTP error status is an ordinary reply: only a transport failure
// raises (ENetHTTPClientException).
class TRestResponse
{
public:
    int StatusCode = 0;
    QString StatusText;
    QByteArray RawBytes; // the body after gzip inflation
    QList<QPair<QString, QString>> Headers; // in the order received (final reply only)
    QString ContentType;

    // The body as UTF-8 text.
    QString Content() const { return QString::fromUtf8(RawBytes); }
    // The first header of that name (case-blind), or an empty text.
    QString Header(const QString &name) const;
    // The raw header lines of the final reply, status line first, as the original numbers them.
    QStringList HeaderLines;
};

enum class TRestMethod { Get, Post, Delete };

// A reusable HTTP request on libcurl, in place of the original's fluent REST request: a base
// address and a resource, headers sent as given, query parameters URL-encoded, an optional body
// on any method (a GET may carry the JSON search filter), a time-out in milliseconds and Basic
// authentication. One easy handle per object, reset between calls. Not for use by two threads at
// once.
class TRestRequest
{
public:
    static constexpr int DefaultTimeout = 30000;
    static constexpr const char *DefaultAcceptCharset = "utf-8, *;q=0.8";

    TRestRequest();
    ~TRestRequest();
    TRestRequest(const TRestRequest &) = delete;
    TRestRequest &operator=(const TRestRequest &) = delete;

    // Call once before any thread starts (the test main and the program's main do).
    static void GlobalInit();

    TRestRequest &SetBaseURL(const QString &url);
    TRestRequest &SetResource(const QString &resource);
    TRestRequest &AddHeader(const QString &name, const QString &value);
    TRestRequest &AddParameter(const QString &name, const QString &value);
    TRestRequest &AddBody(const QString &text,
                          const QString &contentType = QStringLiteral("application/json"));
    TRestRequest &SetAccept(const QString &accept);
    TRestRequest &SetAcceptEncoding(const QString &encoding);
    TRestRequest &SetBasicAuth(const QString &user, const QString &password);
    TRestRequest &SetTimeout(int milliseconds);
    TRestRequest &ClearBody();
    TRestRequest &ClearHeaders();
    TRestRequest &ClearParameters();

    const QString &BaseURL() const { return m_baseUrl; }
    const QString &Resource() const { return m_resource; }
    int Timeout() const { return m_timeout; }
    const QString &Body() const { return m_body; }
    const QList<QPair<QString, QString>> &Headers() const { return m_headers; }
    const QList<QPair<QString, QString>> &Parameters() const { return m_parameters; }
    // The address the next call goes to: base, resource and the encoded parameters.
    QString FullURL() const;
    // The time-out the last call applied, in milliseconds.
    int AppliedTimeout() const { return m_appliedTimeout; }

    std::shared_ptr<TRestResponse> Get();
    std::shared_ptr<TRestResponse> Post();
    std::shared_ptr<TRestResponse> Delete();
    std::shared_ptr<TRestResponse> Execute(TRestMethod method);

    // The response of the last call, or null before the first.
    const std::shared_ptr<TRestResponse> &Response() const { return m_response; }

private:
    void *m_curl = nullptr;
    QString m_baseUrl;
    QString m_resource;
    QList<QPair<QString, QString>> m_headers;
    QList<QPair<QString, QString>> m_parameters;
    QString m_body;
    QString m_contentType;
    QString m_accept = QStringLiteral("application/json, text/plain; q=0.9, text/html;q=0.8,");
    QString m_acceptEncoding;
    QString m_user;
    QString m_password;
    bool m_basicAuth = false;
    int m_timeout = DefaultTimeout;
    int m_appliedTimeout = 0;
    std::shared_ptr<TRestResponse> m_response;
};

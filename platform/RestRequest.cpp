#include "RestRequest.h"

#include "SysUtils.h"

#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace {

size_t writeBody(char *data, size_t size, size_t count, void *user)
{
    static_cast<QByteArray *>(user)->append(data, qsizetype(size * count));
    return size * count;
}

size_t writeHeader(char *data, size_t size, size_t count, void *user)
{
    auto *response = static_cast<TRestResponse *>(user);
    QByteArray line(data, qsizetype(size * count));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (line.startsWith("HTTP/")) {
        // A new reply (after a redirect or a 100 Continue): keep only the last one's headers.
        response->Headers.clear();
        response->HeaderLines.clear();
        const QList<QByteArray> parts = line.split(' ');
        response->StatusText = parts.size() > 2
            ? QString::fromLatin1(line.mid(parts.at(0).size() + parts.at(1).size() + 2))
            : QString();
        response->HeaderLines << QString::fromLatin1(line);
        return size * count;
    }
    if (line.isEmpty())
        return size * count;
    response->HeaderLines << QString::fromUtf8(line);
    const qsizetype colon = line.indexOf(':');
    if (colon > 0)
        response->Headers.append({ QString::fromLatin1(line.left(colon)).trimmed(),
                                   QString::fromUtf8(line.mid(colon + 1)).trimmed() });
    return size * count;
}

QString joinUrl(const QString &base, const QString &resource)
{
    if (resource.isEmpty())
        return base;
    QString left = base;
    QString right = resource;
    while (left.endsWith(u'/'))
        left.chop(1);
    while (right.startsWith(u'/'))
        right.remove(0, 1);
    return left + u'/' + right;
}

} // namespace

QString TRestResponse::Header(const QString &name) const
{
    for (const auto &header : Headers)
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    return {};
}

void TRestRequest::GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

TRestRequest::TRestRequest()
{
    GlobalInit();
    m_curl = curl_easy_init();
}

TRestRequest::~TRestRequest()
{
    curl_easy_cleanup(static_cast<CURL *>(m_curl));
}

TRestRequest &TRestRequest::SetBaseURL(const QString &url)
{
    m_baseUrl = url;
    return *this;
}

TRestRequest &TRestRequest::SetResource(const QString &resource)
{
    m_resource = resource;
    return *this;
}

TRestRequest &TRestRequest::AddHeader(const QString &name, const QString &value)
{
    if (name.compare(QStringLiteral("Accept-Encoding"), Qt::CaseInsensitive) == 0)
        return SetAcceptEncoding(value);
    if (name.compare(QStringLiteral("Accept"), Qt::CaseInsensitive) == 0)
        return SetAccept(value);
    for (auto &header : m_headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
            header.second = value;
            return *this;
        }
    }
    m_headers.append({ name, value });
    return *this;
}

TRestRequest &TRestRequest::AddParameter(const QString &name, const QString &value)
{
    m_parameters.append({ name, value });
    return *this;
}

TRestRequest &TRestRequest::AddBody(const QString &text, const QString &contentType)
{
    m_body += text;
    m_contentType = contentType;
    return *this;
}

TRestRequest &TRestRequest::SetAccept(const QString &accept)
{
    m_accept = accept;
    return *this;
}

TRestRequest &TRestRequest::SetAcceptEncoding(const QString &encoding)
{
    m_acceptEncoding = encoding;
    return *this;
}

TRestRequest &TRestRequest::SetBasicAuth(const QString &user, const QString &password)
{
    m_user = user;
    m_password = password;
    m_basicAuth = true;
    return *this;
}

TRestRequest &TRestRequest::SetTimeout(int milliseconds)
{
    m_timeout = milliseconds;
    return *this;
}

TRestRequest &TRestRequest::ClearBody()
{
    m_body.clear();
    m_contentType.clear();
    return *this;
}

TRestRequest &TRestRequest::ClearHeaders()
{
    m_headers.clear();
    m_acceptEncoding.clear();
    return *this;
}

TRestRequest &TRestRequest::ClearParameters()
{
    m_parameters.clear();
    return *this;
}

QString TRestRequest::FullURL() const
{
    QString url = joinUrl(m_baseUrl, m_resource);
    QStringList query;
    for (const auto &parameter : m_parameters) {
        const QByteArray name = QUrl::toPercentEncoding(parameter.first);
        const QByteArray value = QUrl::toPercentEncoding(parameter.second);
        query << QString::fromLatin1(name + '=' + value);
    }
    if (!query.isEmpty())
        url += (url.contains(u'?') ? u'&' : u'?') + query.join(u'&');
    return url;
}

std::shared_ptr<TRestResponse> TRestRequest::Get()
{
    return Execute(TRestMethod::Get);
}

std::shared_ptr<TRestResponse> TRestRequest::Post()
{
    return Execute(TRestMethod::Post);
}

std::shared_ptr<TRestResponse> TRestRequest::Delete()
{
    return Execute(TRestMethod::Delete);
}

std::shared_ptr<TRestResponse> TRestRequest::Execute(TRestMethod method)
{
    CURL *curl = static_cast<CURL *>(m_curl);
    curl_easy_reset(curl);

    auto response = std::make_shared<TRestResponse>();
    const QByteArray url = FullURL().toUtf8();
    const QByteArray body = m_body.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(m_timeout));
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(m_timeout));
    m_appliedTimeout = m_timeout;

    switch (method) {
    case TRestMethod::Get:
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "GET");
        break;
    case TRestMethod::Post:
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        break;
    case TRestMethod::Delete:
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, "DELETE");
        break;
    }
    if (!body.isEmpty() || method == TRestMethod::Post) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, long(body.size()));
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.constData());
    }

    curl_slist *headers = nullptr;
    auto append = [&headers](const QString &line) {
        headers = curl_slist_append(headers, line.toUtf8().constData());
    };
    append(QStringLiteral("Accept: ") + m_accept);
    append(QStringLiteral("Accept-Charset: ") + QLatin1String(DefaultAcceptCharset));
    if (!body.isEmpty())
        append(QStringLiteral("Content-Type: ") + m_contentType);
    else
        append(QStringLiteral("Content-Type:"));
    append(QStringLiteral("Expect:"));
    for (const auto &header : m_headers)
        append(header.first + QStringLiteral(": ") + header.second);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);

    const QByteArray encoding = m_acceptEncoding.toUtf8();
    if (!encoding.isEmpty())
        curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, encoding.constData());
    const QByteArray user = m_user.toUtf8();
    const QByteArray password = m_password.toUtf8();
    if (m_basicAuth) {
        curl_easy_setopt(curl, CURLOPT_HTTPAUTH, long(CURLAUTH_BASIC));
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    }

    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, writeBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response->RawBytes);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, writeHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, response.get());

    char error[CURL_ERROR_SIZE] = { 0 };
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    if (code != CURLE_OK) {
        const QString detail = QString::fromUtf8(error[0] ? error : curl_easy_strerror(code));
        throw ENetHTTPClientException(detail);
    }
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response->StatusCode = int(status);
    response->ContentType = response->Header(QStringLiteral("Content-Type"));
    m_response = response;
    return response;
}

#include "App.Lib.Service.Connection.h"

#include "Common.Dto.Empresa.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.JSON.h"

#include "AppPaths.h"
#include "Base64.h"
#include "IniFile.h"
#include "JsonValue.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace {

// The token is renewed when this much validity or less remains.
constexpr std::int64_t RenewMarginMs = 20000;

const QString &acceptJson()
{
    static const QString text = QStringLiteral("application/json;charset=UTF-8");
    return text;
}

const QString &connectionNoReplyText()
{
    static const QString text = QStringLiteral("ERROR:Sem resposta do servidor.");
    return text;
}

const QString &authorizationFailedText()
{
    static const QString text = QStringLiteral("ERROR:Não foi possível autorizar a requisição.");
    return text;
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

// Whole milliseconds, so that "20 s before the expiry" compares exactly despite the day count's
// floating fraction.
std::int64_t toMilliseconds(TDateTime value)
{
    return std::llround(value.Value() * MSecsPerDay);
}

QString readBaseUrl(const TIniFile &ini, const QString &section)
{
    QString baseUri = ini.ReadString(section, QStringLiteral("Base_URI"));
    if (!baseUri.startsWith(u'/'))
        baseUri.prepend(u'/');
    return ini.ReadString(section, QStringLiteral("Host")) + u':'
        + ini.ReadString(section, QStringLiteral("Port")) + baseUri;
}

// The local clock, read on every prepared request. Qt's local time refreshes the time zone (a
// stat of the zone file) on each reading; the C library reads it once.
TDateTime localNow()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds
        = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    std::tm parts {};
    localtime_r(&seconds, &parts);
    return EncodeDateTime(parts.tm_year + 1900,
                          parts.tm_mon + 1,
                          parts.tm_mday,
                          parts.tm_hour,
                          parts.tm_min,
                          std::min(parts.tm_sec, 59), // a leap second
                          int(milliseconds % 1000));
}

std::mutex instanceMutex;
std::unique_ptr<TServiceConnection> instanceOwner;
std::atomic<TServiceConnection *> instancePointer { nullptr };

} // namespace

TServiceConnection &TServiceConnection::GetInstance()
{
    if (TServiceConnection *connection = instancePointer.load(std::memory_order_acquire))
        return *connection;
    std::lock_guard lock(instanceMutex);
    if (!instanceOwner) {
        std::unique_ptr<TServiceConnection> connection(new TServiceConnection());
        connection->LoadConfiguration();
        instanceOwner = std::move(connection);
        instancePointer.store(instanceOwner.get(), std::memory_order_release);
    }
    return *instanceOwner;
}

void TServiceConnection::ResetInstance()
{
    std::lock_guard lock(instanceMutex);
    instancePointer.store(nullptr, std::memory_order_release);
    instanceOwner.reset();
}

TServiceConnection::TServiceConnection()
    : m_clock(localNow)
{ }

TServiceConnection::~TServiceConnection() = default;

void TServiceConnection::LoadConfiguration()
{
    const QString path = ExecutableFolder() + QStringLiteral("zunta_conf.ini");
    const TIniFile ini(path);
    if (!ini.Exists())
        throw Exception(QStringLiteral("Arquivo ") + path + QStringLiteral(" não localizado."));
    m_baseUrlApiAuth = readBaseUrl(ini, QStringLiteral("API-AUTH"));
    m_baseUrlWebService = readBaseUrl(ini, QStringLiteral("WEBSERVICE"));
    m_baseUrlApiReport = readBaseUrl(ini, QStringLiteral("API-REPORT"));
    // Optional: without it the postal-code lookup finds nothing.
    if (!ini.ReadString(QStringLiteral("API-CEP"), QStringLiteral("Host")).trimmed().isEmpty())
        m_baseUrlApiCep = readBaseUrl(ini, QStringLiteral("API-CEP"));
    m_senhaPadraoAcesso
        = ini.ReadString(QStringLiteral("USUARIO"), QStringLiteral("Senha_Padrao")).trimmed();
}

TDateTime TServiceConnection::now() const
{
    TClock clock;
    {
        std::lock_guard lock(m_stateMutex);
        clock = m_clock;
    }
    return clock();
}

void TServiceConnection::SetClock(TClock AClock)
{
    std::lock_guard lock(m_stateMutex);
    m_clock = AClock ? std::move(AClock) : TClock(localNow);
}

TDateTime TServiceConnection::TokenValidTime() const
{
    std::lock_guard lock(m_stateMutex);
    return m_tokenValidTime;
}

void TServiceConnection::SetTokenValidTime(TDateTime AValue)
{
    std::lock_guard lock(m_stateMutex);
    m_tokenValidTime = AValue;
}

QString TServiceConnection::ValidateToken(bool AForce)
{
    const auto stillValid = [this](TDateTime current) {
        return toMilliseconds(current) + RenewMarginMs < toMilliseconds(m_tokenValidTime);
    };
    if (!AForce) {
        const TDateTime current = now();
        std::lock_guard lock(m_stateMutex);
        if (stillValid(current))
            return m_tokenValid;
    }

    // One renewal at a time: a thread that waited here finds the token another one has just
    // obtained and sends that.
    std::lock_guard renewal(m_renewMutex);
    if (!AForce) {
        const TDateTime current = now();
        std::lock_guard lock(m_stateMutex);
        if (stillValid(current))
            return m_tokenValid;
    }
    {
        std::lock_guard lock(m_stateMutex);
        m_tokenValid.clear();
        m_tokenValidTime = 0;
    }
    m_statusCode = 404;

    TRestRequest request;
    request.SetResource(QStringLiteral("/auth"));
    SetInfoRequestAuth(request);
    const std::shared_ptr<TRestResponse> response = request.Post();
    m_statusCode = response->StatusCode;
    const QString token = response->Content();
    if (!isSuccess(response->StatusCode))
        throw Exception(token);
    if (token.isEmpty())
        throw Exception(connectionNoReplyText());

    TDateTime expiry;
    try {
        expiry = GetTokenExpiration(token);
    } catch (...) {
        // The text stays without a validity, so the next request authenticates again.
        std::lock_guard lock(m_stateMutex);
        m_tokenValid = token;
        throw;
    }
    std::lock_guard lock(m_stateMutex);
    m_tokenValid = token;
    m_tokenValidTime = expiry;
    return token;
}

TDateTime TServiceConnection::GetTokenExpiration(const QString &AToken) const
{
    if (AToken.isEmpty())
        throw Exception(authorizationFailedText());
    const QStringList parts = AToken.split(u'.');
    if (parts.size() < 2)
        throw EListError(QStringLiteral("List index out of bounds (1)"));
    // JSON Web Tokens carry their parts base64url-encoded without padding.
    const TJsonValue payload = TJsonValue::Parse(DecodeBase64Url(parts.at(1).toLatin1()));
    const TJsonValue exp = payload.IsObject() ? payload[std::string_view("exp")] : TJsonValue();
    if (!exp.IsNumber())
        throw Exception(authorizationFailedText());
    const double seconds = exp.AsDouble();
    // Beyond any date a QDateTime holds: no valid expiry.
    if (!std::isfinite(seconds) || std::fabs(seconds) > 1e11)
        throw Exception(authorizationFailedText());
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0), Qt::UTC);
    return QDateTimeToDateTime(utc.toLocalTime());
}

void TServiceConnection::SetInfoRequestAuth(TRestRequest &ARequest)
{
    QString login;
    QString senha;
    std::int64_t idEmpresa = 0;
    bool isUserModifyPassword = false;
    {
        std::lock_guard lock(m_stateMutex);
        login = m_login;
        senha = m_senha;
        idEmpresa = m_idEmpresa;
        isUserModifyPassword = m_isUserModifyPassword;
    }
    ARequest.SetBaseURL(m_baseUrlApiAuth);
    ARequest.SetAccept(acceptJson());
    ARequest.AddHeader(QStringLiteral("id-empresa"), QString::number(idEmpresa));
    ARequest.SetBasicAuth(login, senha);
    if (isUserModifyPassword)
        ARequest.AddHeader(QStringLiteral("new-password"), QStringLiteral("True"));
}

void TServiceConnection::prepare(TRestRequest &ARequest, const QString &ABaseUrl)
{
    const QString token = ValidateToken();
    ARequest.SetBaseURL(ABaseUrl);
    ARequest.AddHeader(QStringLiteral("Authorization"), QStringLiteral("Bearer ") + token);
    ARequest.SetAccept(acceptJson());
    ARequest.SetAcceptEncoding(QStringLiteral("gzip"));
}

void TServiceConnection::SetInfoRequest(TRestRequest &ARequest)
{
    prepare(ARequest, m_baseUrlWebService);
}

void TServiceConnection::SetInfoRequestReport(TRestRequest &ARequest)
{
    prepare(ARequest, m_baseUrlApiReport);
}

void TServiceConnection::ForceNewTokenAuthentication()
{
    const TDateTime current = now();
    {
        std::lock_guard lock(m_stateMutex);
        m_tokenValidTime = current - 1.0;
    }
    ValidateToken(true);
}

TServiceConnection &TServiceConnection::SetUserModifyPassword(bool AValue)
{
    std::lock_guard lock(m_stateMutex);
    m_isUserModifyPassword = AValue;
    return *this;
}

void TServiceConnection::SetIdEmpresa(std::int64_t AValue)
{
    {
        std::lock_guard lock(m_stateMutex);
        m_idEmpresa = AValue;
    }
    if (AValue > 0)
        ForceNewTokenAuthentication();
}

TServiceConnection &TServiceConnection::Logar(const QString &ALogin, const QString &ASenha)
{
    {
        std::lock_guard lock(m_stateMutex);
        m_tokenValidTime = 0;
        m_login = ALogin;
        m_senha = ASenha;
    }
    m_statusCode = 404;
    m_usuarioLogado.reset();

    TRestRequest request;
    request.SetResource(QStringLiteral("/acesso"));
    SetInfoRequest(request);
    const std::shared_ptr<TRestResponse> response = request.Get();
    m_statusCode = response->StatusCode;
    if (!isSuccess(response->StatusCode))
        throw Exception(response->Content());
    if (response->RawBytes.isEmpty())
        throw Exception(connectionNoReplyText());
    m_usuarioLogado = TDravikJson::JsonToObject<TUsuarioDto>(response->RawBytes);
    return *this;
}

TObjectList<TEmpresaDto> TServiceConnection::getListEmpresa()
{
    if (!m_usuarioLogado)
        throw Exception(QStringLiteral("WARNING:O usuário ainda não está logado ao sistema."));
    TRestRequest request;
    request.SetResource(QStringLiteral("/acesso/") + QString::number(m_usuarioLogado->Id)
                        + QStringLiteral("/empresa"));
    SetInfoRequest(request);
    const std::shared_ptr<TRestResponse> response = request.Get();
    if (!isSuccess(response->StatusCode))
        throw Exception(response->Content());
    const TJsonValue reply = TJsonValue::Parse(response->RawBytes);
    if (!reply)
        throw Exception(connectionNoReplyText());
    return TDravikJson::JsonListObjectToList<TEmpresaDto>(reply);
}

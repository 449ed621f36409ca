#pragma once

#include "Common.Base.Types.h"
#include "DateTime.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

class TEmpresaDto;
class TRestRequest;
class TUsuarioDto;

// The one connection of the process to the REST back end: the three base addresses of
// "zunta_conf.ini", the user's credentials and company, the bearer token with its renewal, the
// logged-in user, and the preparation of every outgoing request. Services on any thread prepare
// their requests here; one renewal of the token runs at a time and a request always carries a
// whole token.
class TServiceConnection final
{
public:
    using TClock = std::function<TDateTime()>;

    // Created on first use, which reads the configuration file (Exception "Arquivo <path> não
    // localizado." when it is missing, and no connection then); the same object afterwards.
    static TServiceConnection &GetInstance();
    // Tests only: drops the connection so that the next GetInstance reads the configuration
    // again (from ZUNTA_HOME). No other thread may be using the connection.
    static void ResetInstance();

    ~TServiceConnection();
    TServiceConnection(const TServiceConnection &) = delete;
    TServiceConnection &operator=(const TServiceConnection &) = delete;

    // Authenticates with the login and the password digest (HashPassword) and reads the
    // logged-in user from "/acesso". A refused login raises the reply text.
    TServiceConnection &Logar(const QString &ALogin, const QString &ASenha);
    // The companies of the logged-in user.
    TObjectList<TEmpresaDto> getListEmpresa();

    // Prepares a request on the web-service base address: the token checked (renewed first when
    // 20 s or less remain), "Authorization: Bearer <token>", Accept and Accept-Encoding "gzip".
    void SetInfoRequest(TRestRequest &ARequest);
    // The same on the report base address.
    void SetInfoRequestReport(TRestRequest &ARequest);
    // Prepares an authentication request: Basic credentials, "id-empresa", "new-password" while
    // a password change is sent; no token.
    void SetInfoRequestAuth(TRestRequest &ARequest);
    // Authenticates at once, whatever the token's validity.
    void ForceNewTokenAuthentication();

    TServiceConnection &SetUserModifyPassword(bool AValue);
    // A value above 0 authenticates at once, so that the token in use is the company's.
    void SetIdEmpresa(std::int64_t AValue);

    // The logged-in user, or null; stays the connection's, valid until the next Logar.
    TUsuarioDto *UsuarioLogado() const { return m_usuarioLogado.get(); }
    // The status of the last authentication or of the last Logar; 404 while an attempt had no
    // reply.
    int StatusCode() const { return m_statusCode.load(); }
    // The local date-time at which the token expires; 0 when there is none.
    TDateTime TokenValidTime() const;
    // Only stores the value (the logout sets a past one, so the next request authenticates).
    void SetTokenValidTime(TDateTime AValue);
    const QString &BaseUrlWebService() const { return m_baseUrlWebService; }
    const QString &BaseUrlApiReport() const { return m_baseUrlApiReport; }
    const QString &BaseUrlApiAuth() const { return m_baseUrlApiAuth; }
    // The public postal-code service's base address (section "API-CEP"); empty when the section
    // names no host.
    const QString &BaseUrlApiCep() const { return m_baseUrlApiCep; }
    // The default access password of new users as the file keeps it, encoded (EncodeText):
    // section "USUARIO", key "Senha_Padrao"; empty when the file has none.
    const QString &SenhaPadraoAcesso() const { return m_senhaPadraoAcesso; }

    // Tests: the local clock the token's validity is judged by (Now by default).
    void SetClock(TClock AClock);

private:
    TServiceConnection();

    void LoadConfiguration();
    // The token to send, renewed first when due (or always when forced).
    QString ValidateToken(bool AForce = false);
    TDateTime GetTokenExpiration(const QString &AToken) const;
    void prepare(TRestRequest &ARequest, const QString &ABaseUrl);
    TDateTime now() const;

    QString m_baseUrlWebService;
    QString m_baseUrlApiReport;
    QString m_baseUrlApiAuth;
    QString m_baseUrlApiCep;
    QString m_senhaPadraoAcesso;

    // Guards the credentials, the company, the password-change flag, the token and its expiry,
    // so that every reader sees them whole. Never held across a request.
    mutable std::mutex m_stateMutex;
    QString m_login;
    QString m_senha;
    QString m_tokenValid;
    TDateTime m_tokenValidTime;
    bool m_isUserModifyPassword = false;
    std::int64_t m_idEmpresa = 0;
    TClock m_clock;

    // Held for the whole of a renewal: one POST "/auth" at a time.
    std::mutex m_renewMutex;
    std::atomic<int> m_statusCode { 0 };
    std::unique_ptr<TUsuarioDto> m_usuarioLogado;
};

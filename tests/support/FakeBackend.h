#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One request as the fake back end received it.
struct RecordedRequest
{
    std::string method;
    std::string path; // without the query
    std::vector<std::pair<std::string, std::string>> query; // decoded, in order
    std::vector<std::pair<std::string, std::string>> headers; // as sent, in order
    std::string body; // after gzip inflation

    // First value of that name (header names case-blind), or nullopt.
    std::optional<std::string> header(const std::string &name) const;
    std::optional<std::string> param(const std::string &name) const;
    bool hasHeader(const std::string &name) const { return header(name).has_value(); }
    bool hasParam(const std::string &name) const { return param(name).has_value(); }
};

// What the fake answers to a request.
struct FakeReply
{
    int status = 200;
    std::string body;
    std::string contentType = "application/json;charset=UTF-8";
    std::vector<std::pair<std::string, std::string>> headers;
    bool gzip = false; // compress the body and say so
    std::chrono::milliseconds delay { 0 }; // wait this long before answering

    static FakeReply json(std::string body, int status = 200);
    static FakeReply text(std::string body, int status = 200);
    static FakeReply empty(int status);
};

// An HTTP/1.1 server on 127.0.0.1 and an ephemeral port, run on its own thread, for every test
// that reaches the network. It records every request, answers from routes a test sets (404 with
// a JSON error otherwise) and issues real JSON Web Tokens on POST "/auth".
class FakeBackend
{
public:
    using Handler = std::function<FakeReply(const RecordedRequest &)>;

    FakeBackend();
    ~FakeBackend();
    FakeBackend(const FakeBackend &) = delete;
    FakeBackend &operator=(const FakeBackend &) = delete;

    unsigned short port() const { return m_port; }
    // "http://127.0.0.1:<port>"
    std::string origin() const;

    // Exact method and path (the query is not part of the match). A later route replaces an
    // earlier one for the same key.
    void on(const std::string &method, const std::string &path, FakeReply reply);
    void on(const std::string &method, const std::string &path, Handler handler);
    // Asked for every request no route matched; returning nullopt gives the 404.
    void setFallback(std::function<std::optional<FakeReply>(const RecordedRequest &)> fallback);

    // POST "/auth": a token whose "exp" is now + seconds (default one hour). When credentials are
    // set, other Basic credentials get 401 with "WARNING:Usuário ou senha inválidos.".
    void setTokenLifetime(std::int64_t seconds);
    void setTokenExp(std::function<std::int64_t()> exp);
    void setCredentials(const std::string &login, const std::string &password);
    // Answers POST "/auth" with this reply instead of a token (a 422, an empty body …).
    void setAuthReply(std::optional<FakeReply> reply);
    static std::string makeToken(std::int64_t exp, const std::string &subject = "demo");

    std::vector<RecordedRequest> requests() const;
    std::vector<RecordedRequest> requests(const std::string &method, const std::string &path) const;
    size_t count(const std::string &method, const std::string &path) const;
    std::optional<RecordedRequest> last(const std::string &method, const std::string &path) const;
    void clearRequests();

    // Writes "zunta_conf.ini" into the folder, every base address pointing here. Base_URI values
    // are written as given.
    void writeConfig(const QString &folder,
                     const std::string &authUri = "/",
                     const std::string &webUri = "/",
                     const std::string &reportUri = "/") const;

    // The answer for one request; public so that a standalone server can reuse the routing.
    FakeReply answer(const RecordedRequest &request);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    unsigned short m_port = 0;

    mutable std::mutex m_mutex;
    std::vector<RecordedRequest> m_requests;
    std::map<std::pair<std::string, std::string>, Handler> m_routes;
    std::function<std::optional<FakeReply>(const RecordedRequest &)> m_fallback;
    std::function<std::int64_t()> m_tokenExp;
    std::optional<std::pair<std::string, std::string>> m_credentials;
    std::optional<FakeReply> m_authReply;
};

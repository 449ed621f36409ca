#include "FakeBackend.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMessageAuthenticationCode>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <thread>

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
using tcp = net::ip::tcp;

namespace {

bool equalsNoCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                   == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string percentDecode(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()
            && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += char(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (text[i] == '+') {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string gzipData(const std::string &data, bool compress)
{
    z_stream stream {};
    const int init = compress
        ? deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY)
        : inflateInit2(&stream, 15 + 32);
    if (init != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    std::string out;
    char chunk[16384];
    int rc = Z_OK;
    do {
        stream.next_out = reinterpret_cast<Bytef *>(chunk);
        stream.avail_out = sizeof chunk;
        rc = compress ? deflate(&stream, Z_FINISH) : inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof chunk - stream.avail_out);
    } while (rc == Z_OK);
    if (compress)
        deflateEnd(&stream);
    else
        inflateEnd(&stream);
    return out;
}

std::string base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
        .toStdString();
}

} // namespace

std::optional<std::string> RecordedRequest::header(const std::string &name) const
{
    for (const auto &h : headers)
        if (equalsNoCase(h.first, name))
            return h.second;
    return std::nullopt;
}

std::optional<std::string> RecordedRequest::param(const std::string &name) const
{
    for (const auto &p : query)
        if (p.first == name)
            return p.second;
    return std::nullopt;
}

FakeReply FakeReply::json(std::string body, int status)
{
    FakeReply reply;
    reply.status = status;
    reply.body = std::move(body);
    return reply;
}

FakeReply FakeReply::text(std::string body, int status)
{
    FakeReply reply;
    reply.status = status;
    reply.body = std::move(body);
    reply.contentType = "text/plain;charset=UTF-8";
    return reply;
}

FakeReply FakeReply::empty(int status)
{
    FakeReply reply;
    reply.status = status;
    reply.contentType.clear();
    return reply;
}

namespace {

class Session : public std::enable_shared_from_this<Session>
{
public:
    Session(tcp::socket socket, FakeBackend &owner)
        : m_socket(std::move(socket))
        , m_timer(m_socket.get_executor())
        , m_owner(owner)
    { }

    void start() { read(); }

private:
    void read()
    {
        m_parser.emplace();
        m_parser->body_limit(256u * 1024u * 1024u);
        m_parser->header_limit(1024u * 1024u);
        http::async_read(
            m_socket,
            m_buffer,
            *m_parser,
            [self = shared_from_this()](beast::error_code ec, std::size_t) { self->onRead(ec); });
    }

    void onRead(beast::error_code ec)
    {
        if (ec)
            return close();
        const auto &request = m_parser->get();
        RecordedRequest recorded;
        recorded.method = std::string(request.method_string());
        const std::string target(request.target());
        const auto question = target.find('?');
        recorded.path = percentDecode(target.substr(0, question));
        if (question != std::string::npos) {
            std::string query = target.substr(question + 1);
            size_t start = 0;
            while (start <= query.size()) {
                const size_t amp = std::min(query.find('&', start), query.size());
                const std::string piece = query.substr(start, amp - start);
                if (!piece.empty()) {
                    const auto eq = piece.find('=');
                    recorded.query.emplace_back(percentDecode(piece.substr(0, eq)),
                                                eq == std::string::npos
                                                    ? std::string()
                                                    : percentDecode(piece.substr(eq + 1)));
                }
                start = amp + 1;
            }
        }
        for (const auto &field : request)
            recorded.headers.emplace_back(std::string(field.name_string()),
                                          std::string(field.value()));
        recorded.body = request.body();
        if (auto encoding = recorded.header("Content-Encoding");
            encoding && equalsNoCase(*encoding, "gzip"))
            recorded.body = gzipData(recorded.body, false);

        const bool keepAlive = request.keep_alive();
        const unsigned version = request.version();
        const FakeReply reply = m_owner.answer(recorded);

        m_response = std::make_shared<http::response<http::string_body>>();
        m_response->version(version);
        m_response->result(static_cast<unsigned>(reply.status));
        m_response->keep_alive(keepAlive);
        m_response->set(http::field::server, "fake-backend");
        if (!reply.contentType.empty())
            m_response->set(http::field::content_type, reply.contentType);
        for (const auto &h : reply.headers)
            m_response->set(h.first, h.second);
        if (reply.gzip) {
            m_response->set(http::field::content_encoding, "gzip");
            m_response->body() = gzipData(reply.body, true);
        } else {
            m_response->body() = reply.body;
        }
        m_response->prepare_payload();

        if (reply.delay.count() > 0) {
            m_timer.expires_after(reply.delay);
            m_timer.async_wait([self = shared_from_this()](beast::error_code) { self->write(); });
        } else {
            write();
        }
    }

    void write()
    {
        http::async_write(
            m_socket, *m_response, [self = shared_from_this()](beast::error_code ec, std::size_t) {
                if (ec || !self->m_response->keep_alive())
                    return self->close();
                self->read();
            });
    }

    void close()
    {
        beast::error_code ignored;
        m_socket.shutdown(tcp::socket::shutdown_send, ignored);
        m_socket.close(ignored);
    }

    tcp::socket m_socket;
    net::steady_timer m_timer;
    beast::flat_buffer m_buffer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    std::shared_ptr<http::response<http::string_body>> m_response;
    FakeBackend &m_owner;
};

} // namespace

struct FakeBackend::Impl
{
    net::io_context context { 1 };
    tcp::acceptor acceptor { context };
    std::thread thread;

    void accept(FakeBackend &owner)
    {
        acceptor.async_accept([this, &owner](beast::error_code ec, tcp::socket socket) {
            if (ec)
                return;
            std::make_shared<Session>(std::move(socket), owner)->start();
            accept(owner);
        });
    }
};

FakeBackend::FakeBackend()
    : m_impl(std::make_unique<Impl>())
{
    m_tokenExp = [] {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count()
            + 3600;
    };
    const tcp::endpoint endpoint(net::ip::make_address("127.0.0.1"), 0);
    m_impl->acceptor.open(endpoint.protocol());
    m_impl->acceptor.set_option(net::socket_base::reuse_address(true));
    m_impl->acceptor.bind(endpoint);
    m_impl->acceptor.listen();
    m_port = m_impl->acceptor.local_endpoint().port();
    m_impl->accept(*this);
    m_impl->thread = std::thread([this] { m_impl->context.run(); });
}

FakeBackend::~FakeBackend()
{
    m_impl->context.stop();
    if (m_impl->thread.joinable())
        m_impl->thread.join();
}

std::string FakeBackend::origin() const
{
    return "http://127.0.0.1:" + std::to_string(m_port);
}

void FakeBackend::on(const std::string &method, const std::string &path, FakeReply reply)
{
    on(method, path, Handler([reply](const RecordedRequest &) { return reply; }));
}

void FakeBackend::on(const std::string &method, const std::string &path, Handler handler)
{
    std::lock_guard lock(m_mutex);
    m_routes[{ method, path }] = std::move(handler);
}

void FakeBackend::setFallback(
    std::function<std::optional<FakeReply>(const RecordedRequest &)> fallback)
{
    std::lock_guard lock(m_mutex);
    m_fallback = std::move(fallback);
}

void FakeBackend::setTokenLifetime(std::int64_t seconds)
{
    setTokenExp([seconds] {
        return std::chrono::duration_cast<std::chrono::seconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count()
            + seconds;
    });
}

void FakeBackend::setTokenExp(std::function<std::int64_t()> exp)
{
    std::lock_guard lock(m_mutex);
    m_tokenExp = std::move(exp);
}

void FakeBackend::setCredentials(const std::string &login, const std::string &password)
{
    std::lock_guard lock(m_mutex);
    m_credentials = std::make_pair(login, password);
}

void FakeBackend::setAuthReply(std::optional<FakeReply> reply)
{
    std::lock_guard lock(m_mutex);
    m_authReply = std::move(reply);
}

std::string FakeBackend::makeToken(std::int64_t exp, const std::string &subject)
{
    const std::string header = base64Url(R"({"alg":"HS256","typ":"JWT"})");
    const std::string payload = base64Url(QByteArray::fromStdString(
        R"({"sub":")" + subject + R"(","exp":)" + std::to_string(exp) + "}"));
    const QByteArray signingInput = QByteArray::fromStdString(header + "." + payload);
    const QByteArray signature = QMessageAuthenticationCode::hash(
        signingInput, "fake-backend-secret", QCryptographicHash::Sha256);
    return header + "." + payload + "." + base64Url(signature);
}

FakeReply FakeBackend::answer(const RecordedRequest &request)
{
    Handler handler;
    std::function<std::optional<FakeReply>(const RecordedRequest &)> fallback;
    std::function<std::int64_t()> tokenExp;
    std::optional<std::pair<std::string, std::string>> credentials;
    std::optional<FakeReply> authReply;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(request);
        if (auto it = m_routes.find({ request.method, request.path }); it != m_routes.end())
            handler = it->second;
        fallback = m_fallback;
        tokenExp = m_tokenExp;
        credentials = m_credentials;
        authReply = m_authReply;
    }
    if (handler)
        return handler(request);

    const bool isAuth = request.method == "POST"
        && (request.path == "/auth"
            || (request.path.size() > 5
                && request.path.compare(request.path.size() - 5, 5, "/auth") == 0));
    if (isAuth) {
        if (authReply)
            return *authReply;
        const auto authorization = request.header("Authorization");
        if (!authorization || authorization->rfind("Basic ", 0) != 0)
            return FakeReply::text("ERROR:Autenticação requerida.", 401);
        if (credentials) {
            const QByteArray decoded
                = QByteArray::fromBase64(QByteArray::fromStdString(authorization->substr(6)));
            if (decoded.toStdString() != credentials->first + ":" + credentials->second)
                return FakeReply::text("WARNING:Usuário ou senha inválidos.", 401);
        }
        const QByteArray decoded
            = QByteArray::fromBase64(QByteArray::fromStdString(authorization->substr(6)));
        const std::string login = decoded.left(decoded.indexOf(':')).toStdString();
        return FakeReply::text(makeToken(tokenExp(), login.empty() ? "demo" : login));
    }
    if (fallback) {
        if (auto reply = fallback(request))
            return *reply;
    }
    return FakeReply::json(R"({"message":"ERROR:Recurso não encontrado: )" + request.method + " "
                               + request.path + R"("})",
                           404);
}

std::vector<RecordedRequest> FakeBackend::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<RecordedRequest> FakeBackend::requests(const std::string &method,
                                                   const std::string &path) const
{
    std::lock_guard lock(m_mutex);
    std::vector<RecordedRequest> matching;
    for (const auto &r : m_requests)
        if (r.method == method && r.path == path)
            matching.push_back(r);
    return matching;
}

size_t FakeBackend::count(const std::string &method, const std::string &path) const
{
    return requests(method, path).size();
}

std::optional<RecordedRequest> FakeBackend::last(const std::string &method,
                                                 const std::string &path) const
{
    auto matching = requests(method, path);
    if (matching.empty())
        return std::nullopt;
    return matching.back();
}

void FakeBackend::clearRequests()
{
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

void FakeBackend::writeConfig(const QString &folder,
                              const std::string &authUri,
                              const std::string &webUri,
                              const std::string &reportUri) const
{
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("zunta_conf.ini")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const std::string port = std::to_string(m_port);
    const auto section = [&](const char *name, const std::string &uri) {
        return std::string("[") + name + "]\nHost=http://127.0.0.1\nPort=" + port
            + "\nBase_URI=" + uri + "\n\n";
    };
    const std::string text = section("API-AUTH", authUri) + section("WEBSERVICE", webUri)
        + section("API-REPORT", reportUri);
    file.write(text.data(), qint64(text.size()));
}

#include "SftpClient.h"

#include "SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <libssh2.h>
#include <libssh2_sftp.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

void sftpClientInitLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { libssh2_init(0); });
}

// Opens a TCP connection within the time-out; -1 when nothing answers.
int sftpClientOpenSocket(const QString &host, int port, int timeoutMs)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.toUtf8().constData(), QByteArray::number(port).constData(), &hints, &found)
        != 0)
        return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int connected = -1;
    for (addrinfo *address = found; address && connected < 0; address = address->ai_next) {
        const int sock
            = socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol);
        if (sock < 0)
            continue;
        const int flags = fcntl(sock, F_GETFL);
        fcntl(sock, F_SETFL, flags | O_NONBLOCK);
        int result = ::connect(sock, address->ai_addr, address->ai_addrlen);
        if (result < 0 && errno == EINPROGRESS) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd waiting { sock, POLLOUT, 0 };
            int error = ETIMEDOUT;
            if (left.count() > 0 && poll(&waiting, 1, int(left.count())) == 1) {
                socklen_t length = sizeof error;
                getsockopt(sock, SOL_SOCKET, SO_ERROR, &error, &length);
            }
            result = error == 0 ? 0 : -1;
        }
        if (result == 0) {
            fcntl(sock, F_SETFL, flags);
            connected = sock;
        } else {
            ::close(sock);
        }
    }
    freeaddrinfo(found);
    return connected;
}

// A peer that accepted the connection but never spoke SSH, within the time-out or at all.
bool sftpClientNoAnswer(int handshake)
{
    switch (handshake) {
    case LIBSSH2_ERROR_TIMEOUT:
    case LIBSSH2_ERROR_BANNER_RECV:
    case LIBSSH2_ERROR_SOCKET_RECV:
    case LIBSSH2_ERROR_SOCKET_DISCONNECT:
    case LIBSSH2_ERROR_SOCKET_TIMEOUT:
        return true;
    default:
        return false;
    }
}

const char *sftpClientStatusText(unsigned long status)
{
    switch (status) {
    case LIBSSH2_FX_EOF:
        return "End of file";
    case LIBSSH2_FX_NO_SUCH_FILE:
        return "No such file";
    case LIBSSH2_FX_PERMISSION_DENIED:
        return "Permission denied";
    case LIBSSH2_FX_FAILURE:
        return "Failure";
    case LIBSSH2_FX_BAD_MESSAGE:
        return "Bad message";
    case LIBSSH2_FX_NO_CONNECTION:
        return "No connection";
    case LIBSSH2_FX_CONNECTION_LOST:
        return "Connection lost";
    case LIBSSH2_FX_OP_UNSUPPORTED:
        return "Operation unsupported";
    case LIBSSH2_FX_NO_SUCH_PATH:
        return "No such path";
    case LIBSSH2_FX_FILE_ALREADY_EXISTS:
        return "File already exists";
    case LIBSSH2_FX_WRITE_PROTECT:
        return "Write protected";
    case LIBSSH2_FX_NO_SPACE_ON_FILESYSTEM:
        return "No space on file system";
    case LIBSSH2_FX_QUOTA_EXCEEDED:
        return "Quota exceeded";
    case LIBSSH2_FX_NOT_A_DIRECTORY:
        return "Not a directory";
    default:
        return "Error";
    }
}

// Keyboard-interactive: hidden prompts are password prompts; any other prompt gets an empty
// answer. libssh2 frees the answers with free().
void sftpClientKeyboardInteractive(const char *,
                                   int,
                                   const char *,
                                   int,
                                   int promptCount,
                                   const LIBSSH2_USERAUTH_KBDINT_PROMPT *prompts,
                                   LIBSSH2_USERAUTH_KBDINT_RESPONSE *responses,
                                   void **abstract)
{
    const QByteArray *password = static_cast<const QByteArray *>(*abstract);
    for (int i = 0; i < promptCount; ++i) {
        const QByteArray answer = prompts[i].echo ? QByteArray() : *password;
        char *text = static_cast<char *>(std::malloc(size_t(answer.size()) + 1));
        if (!text) {
            responses[i].text = nullptr;
            responses[i].length = 0;
            continue;
        }
        std::memcpy(text, answer.constData(), size_t(answer.size()));
        text[answer.size()] = '\0';
        responses[i].text = text;
        responses[i].length = unsigned(answer.size());
    }
}

// The ways the server offers, as libssh2 lists them ("password,keyboard-interactive").
bool sftpClientOffers(const char *methods, const char *method)
{
    return methods && QByteArray(methods).split(',').contains(QByteArray(method));
}

} // namespace

struct TSftpClient::TSession
{
    int Socket = -1;
    LIBSSH2_SESSION *Session = nullptr;
    LIBSSH2_SFTP *Sftp = nullptr;
    // Read by the keyboard-interactive answer through the session's abstract pointer.
    QByteArray Password;

    ~TSession()
    {
        if (Sftp)
            libssh2_sftp_shutdown(Sftp);
        if (Session) {
            libssh2_session_disconnect(Session, "Normal shutdown");
            libssh2_session_free(Session);
        }
        if (Socket >= 0)
            ::close(Socket);
    }
};

TSftpClient::TSftpClient() = default;
TSftpClient::~TSftpClient() = default;

QString TSftpClient::fingerprintText(const QByteArray &sha256)
{
    return QStringLiteral("SHA256:")
        + QString::fromLatin1(sha256.toBase64(QByteArray::OmitTrailingEquals));
}

void TSftpClient::Connect()
{
    Disconnect();
    sftpClientInitLibrary();
    auto session = std::make_unique<TSession>();
    session->Socket = sftpClientOpenSocket(HostName, Port, TimeoutMs);
    if (session->Socket < 0)
        return;
    session->Password = Password.toUtf8();
    session->Session = libssh2_session_init_ex(nullptr, nullptr, nullptr, &session->Password);
    if (!session->Session)
        throw Exception(QStringLiteral("Unable to create the SSH session"));
    libssh2_session_set_blocking(session->Session, 1);
    libssh2_session_set_timeout(session->Session, TimeoutMs);
    m_session = std::move(session);
    try {
        const int handshake = libssh2_session_handshake(m_session->Session, m_session->Socket);
        if (sftpClientNoAnswer(handshake)) {
            m_session.reset();
            return;
        }
        if (handshake != 0)
            raiseLibraryError(QString());
        checkHostKey();
        authenticate();
        m_session->Sftp = libssh2_sftp_init(m_session->Session);
        if (!m_session->Sftp)
            raiseLibraryError(QString());
    } catch (...) {
        m_session.reset();
        throw;
    }
    m_currentDir = QStringLiteral("/");
}

bool TSftpClient::Connected() const
{
    return m_session && m_session->Sftp;
}

void TSftpClient::Disconnect()
{
    m_session.reset();
}

void TSftpClient::checkHostKey()
{
    const char *hash = libssh2_hostkey_hash(m_session->Session, LIBSSH2_HOSTKEY_HASH_SHA256);
    if (!hash)
        throw Exception(QStringLiteral("The server's host key could not be read"));
    const QString fingerprint = fingerprintText(QByteArray(hash, 32));
    const QString server = QStringLiteral("[%1]:%2").arg(HostName.toLower()).arg(Port);
    if (KnownHostsFile.isEmpty())
        throw Exception(QStringLiteral("No file to keep the servers' host keys in"));

    QStringList lines;
    QFile known(KnownHostsFile);
    if (known.open(QIODevice::ReadOnly | QIODevice::Text)) {
        lines = QString::fromUtf8(known.readAll()).split(u'\n', Qt::SkipEmptyParts);
        known.close();
    }
    for (const QString &line : std::as_const(lines)) {
        const QStringList fields = line.trimmed().split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 2 || fields.at(0) != server)
            continue;
        if (fields.at(1) == fingerprint)
            return;
        throw Exception(
            QStringLiteral("ERROR:A identificação do servidor SFTP %1 mudou desde a primeira "
                           "conexão (agora %2); a conexão foi recusada e a senha não foi enviada."
                           "\r\nConfirme a troca com o responsável pelo servidor e, se for "
                           "legítima, remova a linha de %1 do arquivo %3.")
                .arg(server, fingerprint, QDir::toNativeSeparators(KnownHostsFile)));
    }
    // First connection to this server: its key is trusted from now on.
    lines << server + u' ' + fingerprint;
    QDir().mkpath(QFileInfo(KnownHostsFile).absolutePath());
    QSaveFile out(KnownHostsFile);
    if (!out.open(QIODevice::WriteOnly) || out.write((lines.join(u'\n') + u'\n').toUtf8()) < 0
        || !out.commit())
        throw Exception(QStringLiteral("The server's host key could not be kept in %1: %2")
                            .arg(QDir::toNativeSeparators(KnownHostsFile), out.errorString()));
}

void TSftpClient::authenticate()
{
    LIBSSH2_SESSION *session = m_session->Session;
    const QByteArray user = UserName.toUtf8();
    const char *methods = libssh2_userauth_list(session, user.constData(), unsigned(user.size()));
    if (!methods) {
        if (libssh2_userauth_authenticated(session))
            return;
        raiseLibraryError(QString());
    }
    bool tried = false;
    if (sftpClientOffers(methods, "password")) {
        tried = true;
        if (libssh2_userauth_password_ex(session,
                                         user.constData(),
                                         unsigned(user.size()),
                                         m_session->Password.constData(),
                                         unsigned(m_session->Password.size()),
                                         nullptr)
            == 0)
            return;
    }
    if (sftpClientOffers(methods, "keyboard-interactive")) {
        tried = true;
        if (libssh2_userauth_keyboard_interactive_ex(
                session, user.constData(), unsigned(user.size()), &sftpClientKeyboardInteractive)
            == 0)
            return;
    }
    if (!tried)
        throw Exception(QStringLiteral("The server accepts neither a password nor "
                                       "keyboard-interactive authentication (it offers: %1)")
                            .arg(QString::fromUtf8(methods)));
    raiseLibraryError(QString());
}

void TSftpClient::raiseLibraryError(const QString &what) const
{
    char *text = nullptr;
    int length = 0;
    const int code = m_session && m_session->Session
        ? libssh2_session_last_error(m_session->Session, &text, &length, 0)
        : 0;
    QString message
        = text && length > 0 ? QString::fromUtf8(text, length) : QStringLiteral("Not connected");
    if (code == LIBSSH2_ERROR_SFTP_PROTOCOL && m_session->Sftp)
        message += QStringLiteral(": ")
            + QLatin1String(sftpClientStatusText(libssh2_sftp_last_error(m_session->Sftp)));
    if (!what.isEmpty())
        message += QStringLiteral(" (") + what + u')';
    throw Exception(message);
}

QString TSftpClient::remotePath(const QString &name) const
{
    if (name.startsWith(u'/'))
        return QDir::cleanPath(name);
    return QDir::cleanPath(m_currentDir + u'/' + name);
}

void TSftpClient::ChangeDir(const QString &folder)
{
    if (!Connected())
        raiseLibraryError(folder);
    const QString path = remotePath(folder);
    const QByteArray utf8 = path.toUtf8();
    LIBSSH2_SFTP_ATTRIBUTES attributes {};
    if (libssh2_sftp_stat_ex(m_session->Sftp,
                             utf8.constData(),
                             unsigned(utf8.size()),
                             LIBSSH2_SFTP_STAT,
                             &attributes)
        != 0)
        raiseLibraryError(path);
    if ((attributes.flags & LIBSSH2_SFTP_ATTR_PERMISSIONS)
        && !LIBSSH2_SFTP_S_ISDIR(attributes.permissions))
        throw Exception(QStringLiteral("Not a directory (%1)").arg(path));
    m_currentDir = path;
}

QStringList TSftpClient::ListDir(const QString &folder)
{
    if (!Connected())
        raiseLibraryError(folder);
    const QString path = folder.isEmpty() ? m_currentDir : remotePath(folder);
    const QByteArray utf8 = path.toUtf8();
    LIBSSH2_SFTP_HANDLE *handle = libssh2_sftp_open_ex(
        m_session->Sftp, utf8.constData(), unsigned(utf8.size()), 0, 0, LIBSSH2_SFTP_OPENDIR);
    if (!handle)
        raiseLibraryError(path);
    QStringList names;
    char name[1024];
    for (;;) {
        LIBSSH2_SFTP_ATTRIBUTES attributes {};
        const int length
            = libssh2_sftp_readdir_ex(handle, name, sizeof name, nullptr, 0, &attributes);
        if (length == 0)
            break;
        if (length < 0) {
            libssh2_sftp_closedir(handle);
            raiseLibraryError(path);
        }
        // Only regular files: the folder's own entries, sub-folders and links are not files to
        // take or give.
        if ((attributes.flags & LIBSSH2_SFTP_ATTR_PERMISSIONS)
            && LIBSSH2_SFTP_S_ISREG(attributes.permissions))
            names << QString::fromUtf8(name, length);
    }
    libssh2_sftp_closedir(handle);
    return names;
}

void TSftpClient::UploadStream(const QString &fileName, const QByteArray &bytes)
{
    if (!Connected())
        raiseLibraryError(fileName);
    const QString path = remotePath(fileName);
    const QByteArray utf8 = path.toUtf8();
    // Truncated on open: a file of the same name is replaced, never appended to.
    LIBSSH2_SFTP_HANDLE *handle = libssh2_sftp_open_ex(
        m_session->Sftp,
        utf8.constData(),
        unsigned(utf8.size()),
        LIBSSH2_FXF_WRITE | LIBSSH2_FXF_CREAT | LIBSSH2_FXF_TRUNC,
        LIBSSH2_SFTP_S_IRUSR | LIBSSH2_SFTP_S_IWUSR | LIBSSH2_SFTP_S_IRGRP | LIBSSH2_SFTP_S_IROTH,
        LIBSSH2_SFTP_OPENFILE);
    if (!handle)
        raiseLibraryError(path);
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written
            = libssh2_sftp_write(handle, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (written < 0) {
            libssh2_sftp_close(handle);
            raiseLibraryError(path);
        }
        sent += written;
    }
    // The server reports a failed write at the latest when the file is closed.
    if (libssh2_sftp_close(handle) != 0)
        raiseLibraryError(path);
}

QByteArray TSftpClient::DownloadStream(const QString &fileName)
{
    if (!Connected())
        raiseLibraryError(fileName);
    const QString path = remotePath(fileName);
    const QByteArray utf8 = path.toUtf8();
    LIBSSH2_SFTP_HANDLE *handle = libssh2_sftp_open_ex(m_session->Sftp,
                                                       utf8.constData(),
                                                       unsigned(utf8.size()),
                                                       LIBSSH2_FXF_READ,
                                                       0,
                                                       LIBSSH2_SFTP_OPENFILE);
    if (!handle)
        raiseLibraryError(path);
    QByteArray bytes;
    char buffer[32768];
    for (;;) {
        const ssize_t read = libssh2_sftp_read(handle, buffer, sizeof buffer);
        if (read == 0)
            break;
        if (read < 0) {
            libssh2_sftp_close(handle);
            raiseLibraryError(path);
        }
        bytes.append(buffer, read);
    }
    libssh2_sftp_close(handle);
    return bytes;
}

void TSftpClient::DeleteFile(const QString &fileName)
{
    if (!Connected())
        raiseLibraryError(fileName);
    const QString path = remotePath(fileName);
    const QByteArray utf8 = path.toUtf8();
    if (libssh2_sftp_unlink_ex(m_session->Sftp, utf8.constData(), unsigned(utf8.size())) != 0)
        raiseLibraryError(path);
}

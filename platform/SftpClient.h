#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// A small blocking SFTP client over libssh2: one connection, the current folder kept on our side,
// whole files moved to and from memory. Host keys are trusted on first use: the fingerprint of
// each host and port is kept in KnownHostsFile, and a server whose key has changed is refused
// before the password leaves. Every text reaches the server as UTF-8. A failing operation raises
// Exception with the library's text; Connect alone leaves the client unconnected, without raising,
// when nothing at HostName and Port answers as an SSH server within the time-out.
class TSftpClient final
{
public:
    TSftpClient();
    ~TSftpClient();
    TSftpClient(const TSftpClient &) = delete;
    TSftpClient &operator=(const TSftpClient &) = delete;

    QString HostName;
    QString UserName;
    QString Password;
    int Port = 22;
    // Bounds the connection and every later exchange with the server.
    int TimeoutMs = 30000;
    // One "host:port SHA256:fingerprint" line per server ever accepted.
    QString KnownHostsFile;

    // Connects, checks the host key and logs in with the password (or, where the server asks
    // for it, keyboard-interactive, answering hidden prompts with the password).
    void Connect();
    bool Connected() const;
    void Disconnect();

    // Relative folders are taken from the current one; the folder must exist.
    void ChangeDir(const QString &folder);
    QString CurrentDir() const { return m_currentDir; }

    // The names of the regular files in the folder (empty: the current one).
    QStringList ListDir(const QString &folder = QString());
    // Writes the file whole, replacing one of the same name.
    void UploadStream(const QString &fileName, const QByteArray &bytes);
    QByteArray DownloadStream(const QString &fileName);
    void DeleteFile(const QString &fileName);

    // "SHA256:" and the unpadded base64 of the key's SHA-256 hash, as OpenSSH writes it.
    static QString fingerprintText(const QByteArray &sha256);

private:
    struct TSession;
    QString remotePath(const QString &name) const;
    [[noreturn]] void raiseLibraryError(const QString &what) const;
    void checkHostKey();
    void authenticate();

    std::unique_ptr<TSession> m_session;
    QString m_currentDir = QStringLiteral("/");
};

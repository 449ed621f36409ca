#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

// A real OpenSSH server for the SFTP tests, on a free loopback port of its own: configuration and
// host key in a temporary folder, internal-sftp only, the throw-away account that
// tools/install-deps.sh creates chrooted into a folder of its own that holds "SAÍDA". Several
// test processes may each run one at once.
class TSftpTestServer
{
public:
    static constexpr const char *kUser = "zunta-sftp";
    static constexpr const char *kPassword = "zunta-sftp-teste";

    // How the server lets the account in: its password, or keyboard-interactive through PAM.
    enum class TLogin { Password, KeyboardInteractive };

    explicit TSftpTestServer(TLogin login = TLogin::Password)
        : m_login(login)
    { }
    ~TSftpTestServer() { stop(); }

    // Why no server can run on this machine; empty when one can. A missing server or account is
    // a reason to skip; anything else that goes wrong later is a failure.
    static QString missing()
    {
        if (!QFileInfo(QStringLiteral("/usr/sbin/sshd")).isExecutable())
            return QStringLiteral("/usr/sbin/sshd is missing: run tools/install-deps.sh");
        if (!getpwnam(kUser))
            return QStringLiteral("the account zunta-sftp is missing: run tools/install-deps.sh");
        if (geteuid() != 0)
            return QStringLiteral("sshd can only chroot the test account when started by root");
        return QString();
    }

    // Starts the server; returns the failure, empty when it listens.
    QString start()
    {
        if (!m_config.isValid())
            return QStringLiteral("no temporary folder");
        // Every folder above a chroot must be root's and closed to others, which /tmp is not.
        const QString chrootBase = QStringLiteral("/srv/zunta-sftp");
        if (!QDir().mkpath(chrootBase) || ::chmod(chrootBase.toUtf8().constData(), 0755) != 0)
            return QStringLiteral("cannot prepare ") + chrootBase;
        m_root = std::make_unique<QTemporaryDir>(chrootBase + QStringLiteral("/run-XXXXXX"));
        if (!m_root->isValid() || ::chmod(m_root->path().toUtf8().constData(), 0755) != 0)
            return QStringLiteral("cannot create the chroot folder");
        if (!QDir(m_root->path()).mkdir(QStringLiteral("SAÍDA")) || !giveToUser(Outbox()))
            return QStringLiteral("cannot create the SAÍDA folder");
        // sshd refuses to start without its privilege separation folder.
        QDir().mkpath(QStringLiteral("/run/sshd"));

        const QString hostKey = m_config.filePath(QStringLiteral("host_key"));
        QString failure = run(QStringLiteral("ssh-keygen"),
                              { QStringLiteral("-q"),
                                QStringLiteral("-t"),
                                QStringLiteral("ed25519"),
                                QStringLiteral("-N"),
                                QString(),
                                QStringLiteral("-C"),
                                QString(),
                                QStringLiteral("-f"),
                                hostKey });
        if (!failure.isEmpty())
            return failure;
        QString listing;
        failure = run(QStringLiteral("ssh-keygen"),
                      { QStringLiteral("-l"),
                        QStringLiteral("-E"),
                        QStringLiteral("sha256"),
                        QStringLiteral("-f"),
                        hostKey + QStringLiteral(".pub") },
                      &listing);
        if (!failure.isEmpty())
            return failure;
        m_fingerprint = listing.section(u' ', 1, 1);

        // A port found free may be taken before sshd binds it: try a few.
        for (int attempt = 0; attempt < 5; ++attempt) {
            m_port = closedPort();
            failure = startOn(hostKey);
            if (failure.isEmpty())
                return QString();
        }
        return failure;
    }

    void stop()
    {
        if (m_sshd) {
            m_sshd->terminate();
            if (!m_sshd->waitForFinished(5000))
                m_sshd->kill();
            m_sshd->waitForFinished(5000);
            m_sshd.reset();
        }
    }

    int Port() const { return m_port; }
    // The host key's fingerprint as ssh-keygen prints it ("SHA256:…").
    QString Fingerprint() const { return m_fingerprint; }
    // The remote "/SAÍDA" seen from this machine.
    QString Outbox() const { return m_root->path() + QStringLiteral("/SAÍDA"); }
    // A known-hosts file of this server's own, empty at first.
    QString KnownHostsFile() const { return m_config.filePath(QStringLiteral("known_hosts")); }
    QString log() const
    {
        return m_sshd ? QString::fromUtf8(m_sshd->readAllStandardOutput()) : QString();
    }

    // Puts a file into the remote folder as the account's own.
    bool writeRemote(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Outbox() + u'/' + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
            && (file.close(), giveToUser(file.fileName()));
    }
    QByteArray readRemote(const QString &name) const
    {
        QFile file(Outbox() + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A loopback port nothing listens on (it was free a moment ago).
    static int closedPort()
    {
        const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        int port = 0;
        if (::bind(sock, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::getsockname(sock, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            port = ntohs(address.sin_port);
        ::close(sock);
        return port;
    }

private:
    static bool giveToUser(const QString &path)
    {
        const passwd *account = getpwnam(kUser);
        return account && ::chown(path.toUtf8().constData(), account->pw_uid, account->pw_gid) == 0;
    }

    static QString
    run(const QString &program, const QStringList &arguments, QString *output = nullptr)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return program + QStringLiteral(" failed: ")
                + QString::fromUtf8(process.readAllStandardError());
        if (output)
            *output = QString::fromUtf8(process.readAllStandardOutput());
        return QString();
    }

    QString startOn(const QString &hostKey)
    {
        const QString configFile = m_config.filePath(QStringLiteral("sshd_config"));
        QFile config(configFile);
        if (!config.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write the sshd configuration");
        const QString text = QStringLiteral("ListenAddress 127.0.0.1:%1\n"
                                            "HostKey %2\n"
                                            "PidFile none\n"
                                            "%5"
                                            "PubkeyAuthentication no\n"
                                            "PermitRootLogin no\n"
                                            "AllowUsers %3\n"
                                            "AuthorizedKeysFile none\n"
                                            "AllowTcpForwarding no\n"
                                            "X11Forwarding no\n"
                                            "PermitTTY no\n"
                                            "Subsystem sftp internal-sftp\n"
                                            "ForceCommand internal-sftp\n"
                                            "ChrootDirectory %4\n"
                                            "LogLevel INFO\n")
                                 .arg(m_port)
                                 .arg(hostKey,
                                      QLatin1String(kUser),
                                      m_root->path(),
                                      m_login == TLogin::Password
                                          ? QStringLiteral("UsePAM no\n"
                                                           "PasswordAuthentication yes\n"
                                                           "KbdInteractiveAuthentication no\n")
                                          : QStringLiteral("UsePAM yes\n"
                                                           "PasswordAuthentication no\n"
                                                           "KbdInteractiveAuthentication yes\n"));
        config.write(text.toUtf8());
        config.close();

        m_sshd = std::make_unique<QProcess>();
        m_sshd->setProcessChannelMode(QProcess::MergedChannels);
        m_sshd->start(
            QStringLiteral("/usr/sbin/sshd"),
            { QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"), configFile });
        if (!m_sshd->waitForStarted(10000))
            return QStringLiteral("sshd did not start: ") + m_sshd->errorString();
        // Waits for sshd to say it listens, or to end.
        QString said;
        while (!said.contains(QStringLiteral("Server listening on"))) {
            if (!m_sshd->waitForReadyRead(10000)) {
                said += QString::fromUtf8(m_sshd->readAllStandardOutput());
                stop();
                return QStringLiteral("sshd did not listen: ") + said;
            }
            said += QString::fromUtf8(m_sshd->readAllStandardOutput());
        }
        return QString();
    }

    TLogin m_login;
    QTemporaryDir m_config;
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QProcess> m_sshd;
    QString m_fingerprint;
    int m_port = 0;
};

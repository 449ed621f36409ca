#include "App.Lib.MapfreCapFTP.h"

#include "AppPaths.h"
#include "SftpClient.h"
#include "SysUtils.h"
#include "Windows1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QString kMapfreCapFTPFolder = QStringLiteral("/SAÍDA");

// The text of a downloaded file: a byte-order mark selects its encoding, otherwise Windows-1252.
QString mapfreCapFTPText(const QByteArray &ABytes)
{
    if (ABytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(ABytes.mid(3));
    if (ABytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(ABytes.mid(2));
    if (ABytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(ABytes.mid(2));
    return FromWindows1252(ABytes);
}

} // namespace

TMapfreCapFTP::TMapfreCapFTP()
    : SFTP(std::make_unique<TSftpClient>())
    , KnownHostsFile(ExecutableFolder() + QStringLiteral("zunta_known_hosts"))
{ }

TMapfreCapFTP::~TMapfreCapFTP() = default;

std::unique_ptr<TMapfreCapFTP> TMapfreCapFTP::New()
{
    return std::make_unique<TMapfreCapFTP>();
}

TMapfreCapFTP &TMapfreCapFTP::SetUploadFile(const QStringList &AFile, const QString &AFileName)
{
    m_uploadFile = &AFile;
    m_downloadFile = nullptr;
    FileName = AFileName;
    IsUpLoad = true;
    return *this;
}

TMapfreCapFTP &TMapfreCapFTP::SetDownloadFile(QStringList &AFile)
{
    m_downloadFile = &AFile;
    m_uploadFile = nullptr;
    IsUpLoad = false;
    return *this;
}

QString TMapfreCapFTP::GetPathFileName() const
{
    return kMapfreCapFTPFolder + u'/' + FileName;
}

TMapfreCapFTP &TMapfreCapFTP::Execute(const QString &AHost,
                                      int APort,
                                      const QString &ALogin,
                                      const QString &APassword)
{
    Host = AHost;
    Port = APort;
    Login = ALogin;
    Password = APassword;
    SFTP->HostName = Host;
    SFTP->Port = Port;
    SFTP->UserName = Login;
    SFTP->Password = Password;
    SFTP->KnownHostsFile = KnownHostsFile;
    SFTP->Connect();
    if (!SFTP->Connected())
        throw Exception(QStringLiteral("ERROR:Sem resposta do servidor."));
    if (IsUpLoad)
        upload();
    else
        download();
    return *this;
}

void TMapfreCapFTP::upload()
{
    QByteArray bytes;
    if (m_uploadFile) {
        for (const QString &line : *m_uploadFile) {
            bytes += ToWindows1252(line);
            bytes += "\r\n";
        }
    }
    SFTP->ChangeDir(kMapfreCapFTPFolder);
    SFTP->UploadStream(FileName, bytes);
}

void TMapfreCapFTP::download()
{
    SFTP->ChangeDir(kMapfreCapFTPFolder);
    const QStringList names = SFTP->ListDir();
    if (names.isEmpty())
        throw Exception(QStringLiteral("WARNING:Nenhum arquivo encontrato para integrar."));
    if (names.size() > 1)
        throw Exception(QStringLiteral("WARNING:Só pode existir um arquivos para integração.\r\n"
                                       "Solicite a remoção os antigos."));
    FileName = names.constFirst();
    if (FileName.isEmpty())
        throw Exception(QStringLiteral("WARNING:O arquivo não foi localizado."));
    QString text = mapfreCapFTPText(SFTP->DownloadStream(FileName));
    // Line breaks of any kind; a break after the last line opens no empty line.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (m_downloadFile)
        *m_downloadFile = lines;
}

TMapfreCapFTP &TMapfreCapFTP::RemoveFile()
{
    SFTP->DeleteFile(FileName);
    return *this;
}

TMapfreCapFTP &TMapfreCapFTP::Disconnect()
{
    SFTP->Disconnect();
    return *this;
}

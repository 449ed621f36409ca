#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TSftpClient;

// Moves one insurer file between the system and the insurer's SFTP folder "/SAÍDA": uploads a
// generated file or downloads the single file waiting there. The connection stays open after
// Execute until Disconnect or the object's end. Failures are raised with their text; nothing is
// retried.
class TMapfreCapFTP final
{
public:
    TMapfreCapFTP();
    ~TMapfreCapFTP();
    static std::unique_ptr<TMapfreCapFTP> New();

    // Upload mode: the lines go out in Windows-1252 with CR LF after each one, as AFileName.
    TMapfreCapFTP &SetUploadFile(const QStringList &AFile, const QString &AFileName);
    // Download mode: the single file of the folder is read into AFile, which must outlive the
    // transfer.
    TMapfreCapFTP &SetDownloadFile(QStringList &AFile);
    // Connects and transfers on the calling thread; a server that does not answer gives
    // "ERROR:Sem resposta do servidor.".
    TMapfreCapFTP &
    Execute(const QString &AHost, int APort, const QString &ALogin, const QString &APassword);
    // Deletes FileName in the client's current folder.
    TMapfreCapFTP &RemoveFile();
    TMapfreCapFTP &Disconnect();

    QString GetFileName() const { return FileName; }
    QString GetPathFileName() const;

    std::unique_ptr<TSftpClient> SFTP;
    QString FileName;
    QString Host;
    int Port = 0;
    QString Login;
    QString Password;
    bool IsUpLoad = true;
    // Where the fingerprints of the servers' host keys are kept: beside "zunta_conf.ini".
    QString KnownHostsFile;

private:
    void upload();
    void download();

    const QStringList *m_uploadFile = nullptr;
    QStringList *m_downloadFile = nullptr;
};

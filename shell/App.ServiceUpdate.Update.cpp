#include "App.ServiceUpdate.Update.h"

#include "App.Lib.UpdateApp.h"

#include "AppPaths.h"
#include "FileDate.h"
#include "IniFile.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// The clock time as it is, followed by "Z", as the server expects it.
QString isoAsUtc(TDateTime value)
{
    return DateTimeToQDateTime(value).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + u'Z';
}

// An ISO 8601 date-time read as the clock time it writes, whatever its zone.
TDateTime parseIsoClockTime(const QString &text)
{
    const QDateTime parsed = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    if (!parsed.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
    const QTime time = parsed.time();
    const QDate date = parsed.date();
    return EncodeDateTime(date.year(),
                          date.month(),
                          date.day(),
                          time.hour(),
                          time.minute(),
                          time.second(),
                          time.msec());
}

} // namespace

TUpdateAppService::TUpdateAppService() = default;

TUpdateAppService::~TUpdateAppService() = default;

void TUpdateAppService::ResetRequest()
{
    FRequest->ClearBody();
    FRequest->ClearHeaders();
    FRequest->ClearParameters();
    FRequest->SetTimeout(30000);
}

void TUpdateAppService::CleanTempFiles(const QString &AFolder)
{
    QDir temp(AFolder + QStringLiteral("temp"));
    if (!temp.exists())
        return;
    QFile::remove(temp.filePath(TUpdateApp::ExecutableName()));
    const QStringList leftovers
        = temp.entryList({ QStringLiteral("*.tmp"), QStringLiteral("*.bat") }, QDir::Files);
    for (const QString &name : leftovers)
        QFile::remove(temp.filePath(name));
}

void TUpdateAppService::ConfigureRequest()
{
    const QString path = ExecutableFolder() + QStringLiteral("zunta_conf.ini");
    const TIniFile ini(path);
    if (!ini.Exists())
        throw Exception(QStringLiteral("Arquivo ") + path + QStringLiteral(" não localizado."));
    FHost = ini.ReadString(QStringLiteral("API-UPDATE"), QStringLiteral("Host"));
    FPort = ini.ReadString(QStringLiteral("API-UPDATE"), QStringLiteral("Port"));
    FBaseURI = ini.ReadString(QStringLiteral("API-UPDATE"), QStringLiteral("Base_URI"));
    FRequest->SetBaseURL(FHost + u':' + FPort + FBaseURI);
    FRequest->SetResource(QStringLiteral("/update-app"));
}

TDateTime TUpdateAppService::ExecuteUpdate(TDateTime ADateFileLocal)
{
    FRequest = std::make_unique<TRestRequest>();
    const QString folder = ExecutableFolder();
    FFilePath = folder + QStringLiteral("temp/") + TUpdateApp::ExecutableName();
    ResetRequest();
    CleanTempFiles(folder);

    TDateTime result = ADateFileLocal;
    try {
        ConfigureRequest();
        FRequest->AddParameter(QStringLiteral("date_file_local"), isoAsUtc(ADateFileLocal));
        const std::shared_ptr<TRestResponse> response = FRequest->Get();
        if (response->StatusCode != 200 || response->RawBytes.isEmpty())
            return ADateFileLocal;

        QDir().mkpath(folder + QStringLiteral("temp"));
        QSaveFile file(FFilePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(response->RawBytes) < 0
            || !file.commit())
            return ADateFileLocal;
        // The build must run once it is in place.
        QFile::setPermissions(FFilePath,
                              QFile::permissions(FFilePath) | QFile::ExeOwner | QFile::ExeGroup
                                  | QFile::ExeOther);

        if (response->Headers.size() < 5)
            return ADateFileLocal;
        const auto &header = response->Headers.at(4);
        const QString line = header.first + u'=' + header.second;
        const TDateTime published = parseIsoClockTime(line.mid(5, 30));
        // An undated build would be fetched again at every start.
        if (FileSetDate(FFilePath, published))
            result = published;
    } catch (...) {
        // The exchange never stops the start-up: no update is the worst outcome.
    }
    return result;
}

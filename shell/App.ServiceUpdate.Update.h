#pragma once

#include "DateTime.h"

#include <QString>

#include <memory>

class TRestRequest;

// Talks to the update server ("/update-app" on the address of the configuration section
// "API-UPDATE"), without the connection: no authentication.
class TUpdateAppService final
{
public:
    TUpdateAppService();
    ~TUpdateAppService();
    TUpdateAppService(const TUpdateAppService &) = delete;
    TUpdateAppService &operator=(const TUpdateAppService &) = delete;

    // Asks the server with the local build's date; when it answers 200 with a body, saves the
    // build as "temp/<executable>" beside the executable, dated with the date of the reply's
    // fifth header ("name=value", the value from the sixth character), and returns that date.
    // Otherwise, and on any failure of the exchange, returns ADateFileLocal.
    TDateTime ExecuteUpdate(TDateTime ADateFileLocal);

    // Where the download goes.
    const QString &FilePath() const { return FFilePath; }

private:
    void ResetRequest();
    // Removes what an earlier update left in "temp": the executable and every "*.tmp" and
    // "*.bat"; done before the download is written.
    void CleanTempFiles(const QString &AFolder);
    void ConfigureRequest();

    std::unique_ptr<TRestRequest> FRequest;
    QString FHost;
    QString FPort;
    QString FBaseURI;
    QString FFilePath;
};

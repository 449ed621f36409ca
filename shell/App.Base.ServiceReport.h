#pragma once

#include <QString>

#include <memory>

class TBaseFilterClass;
class TRestRequest;
class TRestResponse;

// Base of every report download service. A report is asked with a GET on the report base
// address ("/<resource>/<report name>", the filter as JSON body) and its reply saved in "temp"
// beside the executable, under a name made of the service's class and the logged-in user
// ("TPessoaServiceReport" for user 7 writes "Pessoa_7.pdf"). The object keeps one file at a
// time: each download replaces the previous file and the destructor removes the last one. Used by
// one thread at a time; touches no control.
class TBaseServiceReport
{
public:
    static constexpr int DefaultTimeOut = 500000;

    // AClassName is the service's own class name as the system spells it.
    explicit TBaseServiceReport(const QString &AClassName);
    virtual ~TBaseServiceReport();
    TBaseServiceReport(const TBaseServiceReport &) = delete;
    TBaseServiceReport &operator=(const TBaseServiceReport &) = delete;

    const QString &ClassName() const { return m_className; }
    // "/" followed by the kebab form of the class name without its "T" and its first
    // "ServiceReport" ("TDependenteContratoServiceReport" gives "/dependente-contrato").
    const QString &BaseResourceName() const { return m_baseResourceName; }
    // The file of the last download; empty before the first. After a refused download it names
    // the file that was not written.
    const QString &FilePath() const { return m_filePath; }

    // The kind of file asked for; both false means PDF, and PrintTXT wins over PrintHTML.
    bool PrintHTML = false;
    bool PrintTXT = false;

    // Downloads the report AResourceReport with the filter (none sends no body) and saves it at
    // FilePath, after deleting the previous file. Every download waits up to 500000 ms, whatever
    // SetTimeOut said before. A status other than 200 raises the reply text and writes nothing;
    // a transport failure raises ENetHTTPClientException; a file that cannot be written raises.
    TBaseServiceReport &ChangeReport(const QString &AResourceReport,
                                     const TBaseFilterClass *AFilterReport);
    // Milliseconds, until the next download resets it.
    TBaseServiceReport &SetTimeOut(int AValue);
    int TimeOut() const { return m_timeOut; }

    const TRestRequest &Request() const { return *m_request; }
    // The last download's response; null before the first.
    const std::shared_ptr<TRestResponse> &Response() const { return m_response; }

protected:
    // Time-out back to 500000 ms; body, headers and parameters cleared.
    void ClearRequest();

private:
    QString reportFilePath() const;
    void saveResponse() const;

    QString m_className;
    QString m_baseResourceName;
    std::unique_ptr<TRestRequest> m_request;
    std::shared_ptr<TRestResponse> m_response;
    int m_timeOut = DefaultTimeOut;
    QString m_filePath;
};

#include "App.Base.ServiceReport.h"

#include "App.Lib.Service.Connection.h"
#include "Common.Base.FilterClass.h"
#include "Common.Dto.Usuario.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"

#include "AppPaths.h"
#include "RestRequest.h"
#include "SysUtils.h"

#include <QFile>

namespace {

// The class name without its "T" and without its first "ServiceReport".
QString reportNameOf(const QString &className)
{
    QString name = className.mid(1);
    const qsizetype suffix = name.indexOf(QStringLiteral("ServiceReport"), 0, Qt::CaseSensitive);
    if (suffix >= 0)
        name.remove(suffix, 13);
    return name;
}

} // namespace

TBaseServiceReport::TBaseServiceReport(const QString &AClassName)
    : m_className(AClassName)
    , m_baseResourceName(u'/' + TUtils::convertNameToResource(reportNameOf(AClassName)))
    , m_request(std::make_unique<TRestRequest>())
{
    ClearRequest();
}

TBaseServiceReport::~TBaseServiceReport()
{
    if (!m_filePath.isEmpty())
        QFile::remove(m_filePath);
}

void TBaseServiceReport::ClearRequest()
{
    m_timeOut = DefaultTimeOut;
    m_request->ClearBody();
    m_request->ClearHeaders();
    m_request->ClearParameters();
    m_request->SetTimeout(m_timeOut);
}

TBaseServiceReport &TBaseServiceReport::SetTimeOut(int AValue)
{
    m_timeOut = AValue;
    m_request->SetTimeout(AValue);
    return *this;
}

QString TBaseServiceReport::reportFilePath() const
{
    // The connection's user is the one the application object shows; read here directly, since
    // a download may run on a worker thread. Nobody logged in names the file after user 0.
    const TUsuarioDto *usuario = TServiceConnection::GetInstance().UsuarioLogado();
    const QString extension = PrintTXT ? QStringLiteral(".txt")
        : PrintHTML                    ? QStringLiteral(".html")
                                       : QStringLiteral(".pdf");
    return TempFolder() + reportNameOf(m_className) + u'_'
        + QString::number(usuario ? usuario->Id : 0) + extension;
}

TBaseServiceReport &TBaseServiceReport::ChangeReport(const QString &AResourceReport,
                                                     const TBaseFilterClass *AFilterReport)
{
    // A deletion that fails (the file open elsewhere) is left to the save below to report.
    if (!m_filePath.isEmpty())
        QFile::remove(m_filePath);
    m_filePath = reportFilePath();

    ClearRequest();
    m_request->SetResource(m_baseResourceName + u'/' + AResourceReport);
    TServiceConnection::GetInstance().SetInfoRequestReport(*m_request);
    const QString body = TDravikJson::ObjectToJson(AFilterReport);
    if (!body.trimmed().isEmpty())
        m_request->AddBody(body, QStringLiteral("application/json"));

    m_response.reset();
    m_response = m_request->Get();
    if (!m_response)
        throw Exception(QStringLiteral("ERROR:Servidor indisponível no momento."));
    if (m_response->StatusCode != 200)
        throw Exception(m_response->Content());
    saveResponse();
    return *this;
}

void TBaseServiceReport::saveResponse() const
{
    QFile file(m_filePath);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(m_response->RawBytes) == m_response->RawBytes.size() && file.flush();
    if (!saved) {
        const QString reason = file.errorString();
        // No half-written report is left for the window to open.
        file.close();
        QFile::remove(m_filePath);
        throw Exception(
            Format(QStringLiteral("ERROR:Não foi possível criar o arquivo \"%s\".\r\n%s"),
                   { m_filePath, reason }));
    }
}

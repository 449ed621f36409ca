#include "Desktop.h"

#include "SysUtils.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QProcess>

namespace {

// Waits this long for the printing system to take a job.
constexpr int PrintTimeoutMs = 60000;

void runLp(const QStringList &arguments, const QByteArray &input)
{
    QProcess lp;
    lp.start(QStringLiteral("lp"), arguments);
    if (!lp.waitForStarted(PrintTimeoutMs))
        throw Exception(QStringLiteral("Printing failed: %1").arg(lp.errorString()));
    if (!input.isEmpty())
        lp.write(input);
    lp.closeWriteChannel();
    if (!lp.waitForFinished(PrintTimeoutMs)) {
        lp.kill();
        lp.waitForFinished(1000);
        throw Exception(QStringLiteral("Printing failed: the printing system did not answer"));
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        const QString detail = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        throw Exception(QStringLiteral("Printing failed: %1")
                            .arg(detail.isEmpty()
                                     ? QStringLiteral("exit code %1").arg(lp.exitCode())
                                     : detail));
    }
}

} // namespace

TFileDialogs::~TFileDialogs() = default;

QString TFileDialogs::OpenFileName(QWidget *parent,
                                   const QString &caption,
                                   const QString &folder,
                                   const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString TFileDialogs::SaveFileName(QWidget *parent,
                                   const QString &caption,
                                   const QString &fileName,
                                   const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, fileName, filter);
}

QString TFileDialogs::FolderName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

TPrintDialogs::~TPrintDialogs() = default;

bool TPrintDialogs::Execute(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

TDesktopServices::~TDesktopServices() = default;

bool TDesktopServices::OpenUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

TPrinting::~TPrinting() = default;

void TPrinting::PrintFile(const QString &fileName)
{
    runLp({ QStringLiteral("--"), fileName }, {});
}

void TPrinting::PrintRaw(const QByteArray &bytes)
{
    runLp({ QStringLiteral("-o"), QStringLiteral("raw") }, bytes);
}

TClipboard::~TClipboard() = default;

void TClipboard::SetText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString TClipboard::Text()
{
    return QGuiApplication::clipboard()->text();
}

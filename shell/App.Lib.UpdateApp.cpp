#include "App.Lib.UpdateApp.h"

#include "App.ServiceUpdate.Update.h"
#include "App.View.UpdateApp.h"

#include "AppPaths.h"
#include "FileDate.h"
#include "IniFile.h"
#include "Label.h"
#include "SysUtils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const QString &updateSection()
{
    static const QString name = QStringLiteral("API-UPDATE");
    return name;
}

void defaultRestart(const QString &AExecutable)
{
    if (!QProcess::startDetached(AExecutable,
                                 QCoreApplication::instance() ? QCoreApplication::arguments().mid(1)
                                                              : QStringList(),
                                 QFileInfo(AExecutable).absolutePath()))
        throw Exception(QStringLiteral("ERROR:Não foi possível reiniciar o sistema atualizado."));
    std::exit(0);
}

TUpdateApp::TRestartProc &restartProc()
{
    static TUpdateApp::TRestartProc proc = defaultRestart;
    return proc;
}

} // namespace

const QString &TUpdateApp::ExecutableName()
{
    static const QString name = QStringLiteral("ZuntaApp");
    return name;
}

void TUpdateApp::SetRestartProc(TRestartProc AProc)
{
    restartProc() = AProc ? std::move(AProc) : TRestartProc(defaultRestart);
}

TUpdateApp::TUpdateApp() = default;

TUpdateApp::~TUpdateApp()
{
    fecharJanela();
}

bool TUpdateApp::VerificaAtualizacoes()
{
    const TIniFile ini(ExecutableFolder() + QStringLiteral("zunta_conf.ini"));
    if (!ini.Exists() || !ini.SectionExists(updateSection()))
        return false;
    FPathLocal = ExecutableFolder();
    FHost = ini.ReadString(updateSection(), QStringLiteral("Host"));
    FPort = ini.ReadString(updateSection(), QStringLiteral("Port"));
    FBaseURI = ini.ReadString(updateSection(), QStringLiteral("Base_URI"));
    FPathServer = ini.ReadString(updateSection(), QStringLiteral("Path"));
    if (FHost.isEmpty() && FPathServer.isEmpty())
        return false;

    informar(QStringLiteral(
        "Por favor, aguarde enquanto é verificado se existe alguma atualização do sistema."));
    const QString local = FPathLocal + ExecutableName();
    if (!QFile::exists(local)) {
        fecharJanela();
        return false;
    }
    FDateFileLocal = FileAge(local);
    if (!FPathServer.isEmpty()) {
        const QString published = QDir(FPathServer).filePath(ExecutableName());
        FDateFileServer = QFile::exists(published) ? FileAge(published) : FDateFileLocal;
    } else {
        VerificaDataServidor();
    }

    // Any difference, older or newer: the published build is the one to run.
    if (!SameSecond(FDateFileLocal, FDateFileServer)) {
        informar(QStringLiteral("Atualizando o sistema, por favor, aguarde."));
        AtualizarExecutavel();
        return true;
    }
    fecharJanela();
    return false;
}

void TUpdateApp::VerificaDataServidor()
{
    if (FHost.isEmpty() || FPort.isEmpty() || FBaseURI.isEmpty()) {
        FDateFileServer = FDateFileLocal;
        return;
    }
    TUpdateAppService service;
    FDateFileServer = service.ExecuteUpdate(FDateFileLocal);
}

void TUpdateApp::AtualizarExecutavel()
{
    const QString temp = FPathLocal + QStringLiteral("temp/");
    const QString novo = temp + ExecutableName();
    if (!FPathServer.isEmpty()) {
        QDir().mkpath(temp);
        // Over any leftover of an earlier attempt: only the published build may be installed.
        if (!CopyFileKeepingDate(QDir(FPathServer).filePath(ExecutableName()), novo))
            throw Exception(QStringLiteral("ERROR:Não foi possível copiar a atualização."));
    }
    const QString local = FPathLocal + ExecutableName();
    // The running program keeps its own file open; rename(2) swaps the name atomically.
    if (std::rename(QFile::encodeName(novo).constData(), QFile::encodeName(local).constData()) != 0)
        throw Exception(QStringLiteral("ERROR:Não foi possível aplicar a atualização (%1).")
                            .arg(QString::fromLocal8Bit(std::strerror(errno))));
    const QStringList leftovers = QDir(temp).entryList({ QStringLiteral("*.tmp") }, QDir::Files);
    for (const QString &name : leftovers)
        QFile::remove(temp + name);
    fecharJanela();
    restartProc()(local);
}

void TUpdateApp::informar(const QString &AText)
{
    // The window needs a widget application; a program without one checks silently.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (!m_janela) {
        m_janela = std::make_unique<TFormViewUpdateApp>();
        m_janela->show();
    }
    m_janela->LabelInformativo->setText(AText);
    QCoreApplication::processEvents();
}

void TUpdateApp::fecharJanela()
{
    if (!m_janela)
        return;
    m_janela->close();
    m_janela.reset();
}

#pragma once

#include "DateTime.h"

#include <QString>

#include <functional>
#include <memory>

class TIniFile;
class TFormViewUpdateApp;

// The program's self-update, run once at start-up before the login. When the configuration
// section "API-UPDATE" names a shared folder ("Path") or an update server ("Host", "Port",
// "Base_URI"), the date of the published build is compared, to the second, with the date of
// the local executable "<executable folder>/ZuntaApp"; on any difference the published build
// (copied from the folder, or downloaded) replaces the local file by rename(2), keeping the
// published date, and is started again while this process ends.
class TUpdateApp final
{
public:
    // Starts the new build (the executable's path) and ends this process. The default starts it
    // detached, with this process's arguments, and exits with status 0; tests set one that
    // records the call and returns.
    using TRestartProc = std::function<void(const QString &AExecutable)>;

    // The published executable's file name, in the shared folder, in "temp" and beside the
    // running program: the update applies only to a program installed under this name.
    static const QString &ExecutableName();
    // Null restores the default.
    static void SetRestartProc(TRestartProc AProc);

    TUpdateApp();
    ~TUpdateApp();
    TUpdateApp(const TUpdateApp &) = delete;
    TUpdateApp &operator=(const TUpdateApp &) = delete;

    // The whole check. Returns false when there is nothing to do. When an update is applied the
    // restart procedure runs and, by default, the process ends there; it returns true only when
    // that procedure returns (tests). A failure outside the server exchange (which is silent)
    // raises to the caller.
    bool VerificaAtualizacoes();

private:
    void VerificaDataServidor();
    void AtualizarExecutavel();
    void informar(const QString &AText);
    void fecharJanela();

    QString FHost;
    QString FPort;
    QString FBaseURI;
    QString FPathServer;
    QString FPathLocal;
    TDateTime FDateFileLocal;
    TDateTime FDateFileServer;
    std::unique_ptr<TFormViewUpdateApp> m_janela;
};

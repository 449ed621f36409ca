#pragma once

#include "App.Lib.Service.Connection.h"
#include "FakeBackend.h"

#include <QByteArray>
#include <QTemporaryDir>

// Points the process's one connection at a fake back end for the lifetime of the object: writes
// "zunta_conf.ini" into a temporary folder, makes that folder the executable's (ZUNTA_HOME) and
// drops the connection before and after, so the next GetInstance reads the file afresh. For test
// directories that link the core library.
class FakeConnection
{
public:
    explicit FakeConnection(const FakeBackend &backend,
                            const std::string &authUri = "/",
                            const std::string &webUri = "/",
                            const std::string &reportUri = "/")
        : m_previousHome(qgetenv("ZUNTA_HOME"))
    {
        backend.writeConfig(m_folder.path(), authUri, webUri, reportUri);
        qputenv("ZUNTA_HOME", m_folder.path().toUtf8());
        TServiceConnection::ResetInstance();
    }
    ~FakeConnection()
    {
        TServiceConnection::ResetInstance();
        if (m_previousHome.isEmpty())
            qunsetenv("ZUNTA_HOME");
        else
            qputenv("ZUNTA_HOME", m_previousHome);
    }
    FakeConnection(const FakeConnection &) = delete;
    FakeConnection &operator=(const FakeConnection &) = delete;

    // The folder that holds "zunta_conf.ini" (without a trailing "/").
    QString folder() const { return m_folder.path(); }
    TServiceConnection &connection() const { return TServiceConnection::GetInstance(); }

private:
    QByteArray m_previousHome;
    QTemporaryDir m_folder;
};

#include "App.Form.Principal.h"
#include "App.Lib.Application.h"
#include "App.Lib.Exception.h"
#include "RestRequest.h"

#include <QApplication>

#include <exception>

// The start-up (update check, login) runs before the event loop, which starts only once a user
// is in: a cancelled login or a failed start-up ends the process at once.
int main(int argc, char **argv)
{
    TRestRequest::GlobalInit();
    TQtApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zunta"));
    TDravikHandleException::InstallApplicationHandler();
    try {
        return ExecuteZunta([] { return QApplication::exec(); });
    } catch (...) {
        TDravikHandleException::Handle(std::current_exception());
        return 1;
    }
}

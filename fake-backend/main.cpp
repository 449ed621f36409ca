// The stand-in back end: serves the seed file on 127.0.0.1 and a free port until SIGINT or
// SIGTERM. Usage: fake-backend [--seed FILE] [--port-file FILE] [--config-folder FOLDER]
//   --port-file      writes the port there once the server listens
//   --config-folder  writes "zunta_conf.ini" there, pointing at the server (the postal-code
//                    service's section "API-CEP" included)
// The port is also printed as "port <n>" on standard output.

#include "DemoBackend.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <csignal>
#include <cstdio>
#include <exception>
#include <pthread.h>

int main(int argc, char **argv)
{
    QString seed = QStringLiteral(ZUNTA_DEFAULT_SEED);
    QString portFile;
    QString configFolder;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString value = i + 1 < argc ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (argument == QLatin1String("--seed") && !value.isEmpty())
            seed = value;
        else if (argument == QLatin1String("--port-file") && !value.isEmpty())
            portFile = value;
        else if (argument == QLatin1String("--config-folder") && !value.isEmpty())
            configFolder = value;
        else {
            std::fprintf(stderr,
                         "usage: fake-backend [--seed FILE] [--port-file FILE] "
                         "[--config-folder FOLDER]\n");
            return 2;
        }
        ++i;
    }

    // Blocked before the server's thread starts, so that the thread inherits the mask and only
    // the wait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        DemoBackend demo(seed);
        const unsigned short port = demo.port();
        if (!configFolder.isEmpty())
            demo.writeConfig(configFolder);
        if (!portFile.isEmpty()) {
            QFile file(portFile);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(portFile));
                return 1;
            }
            file.write(QByteArray::number(port) + '\n');
        }
        std::printf("port %u\n", unsigned(port));
        std::fflush(stdout);
        int received = 0;
        sigwait(&stopSignals, &received);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "fake-backend: %s\n", failure.what());
        return 1;
    }
    return 0;
}

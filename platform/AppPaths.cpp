#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ExecutableFolder()
{
    QString folder = qEnvironmentVariable("ZUNTA_HOME");
    if (folder.isEmpty()) {
        folder = QCoreApplication::instance()
            ? QCoreApplication::applicationDirPath()
            : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2);
    }
    folder = QDir::cleanPath(folder);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString TempFolder()
{
    return ExecutableFolder() + QStringLiteral("temp/");
}

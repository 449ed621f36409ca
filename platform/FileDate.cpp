#include "FileDate.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

qint64 wholeSeconds(TDateTime value)
{
    const qint64 msecs = DateTimeToQDateTime(value).toMSecsSinceEpoch();
    return msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
}

} // namespace

TDateTime FileAge(const QString &APath)
{
    const QFileInfo info(APath);
    if (!info.exists())
        return 0;
    return QDateTimeToDateTime(info.lastModified().toLocalTime());
}

bool FileSetDate(const QString &APath, TDateTime ADate)
{
    const qint64 msecs = DateTimeToQDateTime(ADate).toMSecsSinceEpoch();
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = msecs >= 0 ? msecs / 1000 : (msecs - 999) / 1000;
    times[1].tv_nsec = long(msecs - times[1].tv_sec * 1000) * 1000000L;
    return utimensat(AT_FDCWD, QFile::encodeName(APath).constData(), times, 0) == 0;
}

bool CopyFileKeepingDate(const QString &ASource, const QString &ADestination)
{
    struct stat source
    {
    };
    if (stat(QFile::encodeName(ASource).constData(), &source) != 0)
        return false;
    if (QFile::exists(ADestination) && !QFile::remove(ADestination))
        return false;
    if (!QFile::copy(ASource, ADestination))
        return false;
    timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1] = source.st_mtim;
    return chmod(QFile::encodeName(ADestination).constData(), source.st_mode & 07777) == 0
        && utimensat(AT_FDCWD, QFile::encodeName(ADestination).constData(), times, 0) == 0;
}

bool SameSecond(TDateTime A, TDateTime B)
{
    return wholeSeconds(A) == wholeSeconds(B);
}

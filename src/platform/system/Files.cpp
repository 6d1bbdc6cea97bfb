#include "platform/system/Files.h"

#include <QFileInfo>
#include <QProcess>

namespace sys {

QString localPath(const QString &path)
{
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool isRegularFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString fileExists(const QString &path)
{
    const QString local = localPath(path);
    return isRegularFile(local) ? QFileInfo(local).fileName() : QString();
}

bool startProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(localPath(path), {});
}

} // namespace sys

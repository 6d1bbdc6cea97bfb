#include "platform/system/Files.h"

#include "platform/system/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace sys {

QString localPath(const QString &path)
{
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString localPathIn(const QString &folder, const QString &path)
{
    return folder + QLatin1Char('/') + localPath(path);
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

bool canWriteInPlace(const QString &path)
{
    // access() asks the system itself, so a read-only file system and ACLs count too.
    const auto writable = [](const QString &name) {
        return ::access(QFile::encodeName(name).constData(), W_OK) == 0;
    };
    return isRegularFile(path) && writable(path) && writable(QFileInfo(path).absolutePath());
}

QByteArray fileStart(const QString &path, int count)
{
    QFile file(path);
    if (!isRegularFile(path) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(count);
}

void copyPrivately(const QString &path, const QString &copy)
{
    QFile original(path);
    QFile target(copy);
    if (!isRegularFile(path) || !original.open(QIODevice::ReadOnly)
        || !target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Failure("cannot copy " + path + " to " + copy);
    bool copied = target.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    for (QByteArray block; copied && !(block = original.read(1 << 20)).isEmpty();)
        copied = target.write(block) == block.size();
    if (!copied || !original.atEnd() || !target.flush()) {
        target.remove();
        throw Failure("cannot copy " + path + " to " + copy);
    }
}

bool startProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(localPath(path), {});
}

} // namespace sys

#include "platform/system/FileExists.h"

#include "platform/system/LocalPath.h"

#include <QFileInfo>

QString fileExists(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo file(localPath(path));
    return file.isFile() ? file.fileName() : QString();
}

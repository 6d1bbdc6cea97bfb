#include "platform/system/FileExists.h"

#include <QFileInfo>

QString fileExists(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo file(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return file.isFile() ? file.fileName() : QString();
}

#include "platform/system/StartProgram.h"

#include "platform/system/LocalPath.h"

#include <QProcess>

bool startProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(localPath(path), {});
}

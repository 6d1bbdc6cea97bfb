#include "platform/system/StartProgram.h"

#include <QProcess>

bool startProgram(const QString &path)
{
    if (path.isEmpty())
        return false;
    return QProcess::startDetached(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')), {});
}

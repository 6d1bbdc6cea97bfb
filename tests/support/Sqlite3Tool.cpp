#include "Sqlite3Tool.h"

#include <QProcess>

QString sqlite3Tool(const QString &file, const QString &sql)
{
    QProcess tool;
    tool.start("sqlite3", {file, sql});
    if (!tool.waitForFinished(10000))
        return "<sqlite3 did not finish>";
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

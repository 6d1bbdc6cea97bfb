#include "Sqlite3Tool.h"

#include <QProcess>

QString deckRows(const QString &file)
{
    return sqlite3Tool(file, "SELECT fldNames || '|' || fldID FROM tblNames ORDER BY rowid").replace('\n', ' ');
}

QString sqlite3Tool(const QString &file, const QString &sql)
{
    QProcess tool;
    tool.start("sqlite3", {file, sql});
    if (!tool.waitForFinished(10000))
        return "<sqlite3 did not finish>";
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

#include "Testing.h"

#include <sys/stat.h>

TempDir::TempDir() : dir(QDir::tempPath() + "/zentdeck-test-XXXXXX") {}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

bool writeProgram(const QString &path, const QByteArray &script)
{
    return writeFile(path, script)
           && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool makePipe(const QString &path)
{
    QFile::remove(path);
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QByteArray digest(const QString &path)
{
    return QFileInfo(path).isFile() ? QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha256)
                                    : QByteArray();
}

QStringList filesUnder(const QString &folder, QDir::Filters filter)
{
    QStringList files;
    QDirIterator found(folder, filter | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (found.hasNext())
        files << QDir(folder).relativeFilePath(found.next());
    files.sort();
    return files;
}
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

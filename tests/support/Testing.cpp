#include "Testing.h"

#include <sqlite3.h>

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

ZentcatRun runZentcat(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(ZENT_PROGRAM_DIR "/zentcat", arguments);
    if (!process.waitForFinished(120000))
        return {-1, {}, "<the tool did not finish>"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

SqliteConnection::SqliteConnection(const QString &file)
{
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, "unix");
}

SqliteConnection::~SqliteConnection()
{
    sqlite3_close_v2(db);
}

QStringList SqliteConnection::rows(const char *sql) const
{
    QStringList rows;
    const auto row = [](void *out, int n, char **values, char **) {
        QStringList joined;
        for (int i = 0; i < n; ++i)
            joined << QString::fromUtf8(values[i]);
        static_cast<QStringList *>(out)->append(joined.join('|'));
        return 0;
    };
    if (sqlite3_exec(db, sql, row, &rows, nullptr) != SQLITE_OK)
        rows << "<error: " + QString(sqlite3_errmsg(db)) + ">";
    return rows;
}

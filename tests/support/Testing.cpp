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

QStringList entries(const QAbstractItemModel *list)
{
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts << list->index(row, 0).data().toString();
    return texts;
}

QString deckListed(const QListWidget &names, const QListWidget &ids)
{
    QStringList lines = entries(names.model());
    const QStringList identifiers = entries(ids.model());
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i] += "|" + identifiers.value(i);
    return lines.join(' ');
}

ToolRun runTool(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment,
                int limitMs)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(limitMs)) {
        tool.kill();
        tool.waitForFinished(1000);
    }
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
            QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(tool.readAllStandardError())};
}

QString sqlite3Tool(const QString &file, const QString &sql)
{
    return runTool("sqlite3", {file, sql}).out.trimmed();
}

ToolRun runZentcat(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    return runTool(ZENT_PROGRAM_DIR "/zentcat", arguments, environment, 120000);
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

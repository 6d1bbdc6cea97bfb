#include "Testing.h"

#include <sqlite3.h>

#include <cmath>

#include <sys/stat.h>

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

QStringList looks(const QTextDocument &document, SizeRule sizes)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat paragraph = block.blockFormat();
        const int alignment = paragraph.alignment()
                              & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
        QString mark = QString("paragraph align %1").arg(alignment);
        for (const qreal pixels : {paragraph.leftMargin(), paragraph.rightMargin(), paragraph.textIndent(),
                                   paragraph.topMargin(), paragraph.bottomMargin()})
            mark += QString(" %1").arg(qRound(pixels * 15));
        result << mark;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const double size = font.pointSizeF();
            const auto colour = [](const QBrush &brush) {
                return brush.style() != Qt::NoBrush ? brush.color().name() : QString("auto");
            };
            const QString effects = QString(font.strikeOut() ? " strike" : "")
                                    + (format.verticalAlignment() == QTextCharFormat::AlignSuperScript ? " super"
                                       : format.verticalAlignment() == QTextCharFormat::AlignSubScript ? " sub"
                                                                                                       : "")
                                    + (format.background().style() != Qt::NoBrush ? " on " + colour(format.background()) : "");
            const QString look = QString("%1 %2pt%3%4%5%6 %7 align %8")
                                     .arg(font.families().value(0, font.family()))
                                     .arg(sizes == SizeRule::HalfPoints ? std::round(size * 2) / 2 : size)
                                     .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "",
                                          font.underline() ? " underline" : "", effects, colour(format.foreground()))
                                     .arg(alignment);
            for (const QChar c : it.fragment().text())
                result << QString(c) + " " + look;
        }
    }
    return result;
}

QString lookOf(const QTextDocument &document, const QString &text)
{
    const int at = int(document.toRawText().indexOf(text));
    EXPECT_GE(at, 0) << "no \"" << text.toStdString() << '"';
    // The raw text has nothing where looks() leads the first paragraph with a mark.
    return at < 0 ? QString() : looks(document)[at + 1].mid(2);
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

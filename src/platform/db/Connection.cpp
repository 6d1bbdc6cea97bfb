#include "platform/db/Connection.h"

#include "platform/db/DbError.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <sqlite3.h>

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QString("zentdeck-%1").arg(++counter);
}

// An SQLite URI opens only an existing file ("mode=rw" never creates one), so a missing
// catalogue is a failure rather than a new empty database.
QString uriFor(const QString &path, Connection::Mode mode)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString uri = QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded);
    return uri + (mode == Connection::Mode::ReadOnly ? "?mode=ro" : "?mode=rw");
}

} // namespace

Connection::Connection(const QString &name, const QString &path) : name(name), filePath(path) {}

std::shared_ptr<Connection> Connection::open(const QString &path, Mode mode)
{
    if (path.isEmpty())
        throw DbError("no file name given");
    std::shared_ptr<Connection> connection(new Connection(nextConnectionName(), path));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection->name);
    // Everything runs on one thread, so waiting for a lock would only freeze the window.
    db.setConnectOptions("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=0");
    db.setDatabaseName(uriFor(path, mode));
    if (!db.open())
        throw DbError("cannot open " + path + ": " + db.lastError().text());

    // SQLite reads a file's header only on first use; ask now so a foreign file fails here.
    QSqlQuery probe(db);
    if (!probe.exec("SELECT count(*) FROM sqlite_master"))
        throw DbError(path + " is not a catalogue file: " + probe.lastError().text());

    const QVariant handle = db.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        connection->sqliteHandle = *static_cast<sqlite3 *const *>(handle.data());
    if (!connection->sqliteHandle)
        throw DbError("the SQLite driver gave no handle for " + path);
    return connection;
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

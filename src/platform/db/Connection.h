#pragma once

#include <QSqlDatabase>
#include <QString>

#include <memory>

struct sqlite3;

// One open connection to a catalogue file. Shared by the database handle and every cursor
// opened on it, so the connection closes only after the last of them is gone.
class Connection
{
public:
    enum class Mode { ReadWrite, ReadOnly };

    // Opens an existing SQLite file; throws DbError for a missing file or one that is not SQLite.
    static std::shared_ptr<Connection> open(const QString &path, Mode mode);
    ~Connection();

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    sqlite3 *handle() const { return sqliteHandle; }
    const QString &path() const { return filePath; }

private:
    Connection(const QString &name, const QString &path);

    QString name;
    QString filePath;
    sqlite3 *sqliteHandle = nullptr;
};

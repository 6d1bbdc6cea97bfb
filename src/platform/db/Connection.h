#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

struct sqlite3;

namespace db {

class HeldTable;

// One open SQLite handle on a catalogue file. Shared by the database handle and every cursor
// opened on it, so the handle closes only after the last of them is gone.
class Connection
{
public:
    enum class Mode { ReadWrite, ReadOnly };

    // Opens an existing ordinary file; throws DbError for a missing file, a pipe or device,
    // or a file that is not SQLite. Never creates a file.
    static std::shared_ptr<Connection> open(const QString &path, Mode mode);
    ~Connection();

    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    sqlite3 *handle() const { return sqlite; }
    const QString &path() const { return filePath; }
    // The engine's reason for the last failure on this handle.
    QString lastError() const;

    // Declares a table the program never writes: cursors opened on it by name walk its columns
    // in memory, each read from the file once, the walked ones together. Should a row of it
    // change through this handle all the same, cursors opened after that read it afresh.
    void hold(const QString &table, const QStringList &walked);
    // The held table of that name, read on first use; null for a table not held. Throws
    // DbError when the table cannot be read.
    std::shared_ptr<HeldTable> heldTable(const QString &table);

private:
    Connection(sqlite3 *handle, const QString &path);
    static void rowChanged(void *connection, int change, const char *database, const char *table,
                           long long row);

    sqlite3 *sqlite;
    QString filePath;
    struct Held
    {
        QStringList walked;
        std::shared_ptr<HeldTable> table; // null until first used
    };
    // By table name in lower case, as the engine compares names.
    QHash<QString, Held> held;
};

} // namespace db

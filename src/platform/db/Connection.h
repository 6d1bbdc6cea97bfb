#pragma once

#include <QString>

#include <memory>

struct sqlite3;

namespace db {

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

private:
    Connection(sqlite3 *handle, const QString &path);

    sqlite3 *sqlite;
    QString filePath;
};

} // namespace db

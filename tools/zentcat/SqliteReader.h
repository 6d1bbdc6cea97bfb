#pragma once

#include "CatalogueSource.h"

#include "platform/db/Engine.h"

#include <memory>

namespace db {
class Connection;
}

namespace zentcat {

// Reads a catalogue in the program's own SQLite format, opened read-only, through the
// program's own database layer, which treats it as the program does: as data, never as code.
class SqliteReader : public CatalogueSource
{
public:
    explicit SqliteReader(const QString &path);
    ~SqliteReader() override;

    SqliteReader(const SqliteReader &) = delete;
    SqliteReader &operator=(const SqliteReader &) = delete;

    bool isOpen() const { return connection != nullptr; }
    bool isDatabase() const override { return true; }
    bool hasTable(const QString &table) const override;
    bool readTable(const QString &table, const QStringList &columns, const TakeRow &take) override;
    QStringList refusedParts() const override;

private:
    db::Engine engine;
    std::shared_ptr<db::Connection> connection;
    QStringList tables;
};

} // namespace zentcat

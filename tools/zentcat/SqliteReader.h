#pragma once

#include "CatalogueSource.h"

struct sqlite3;

namespace zentcat {


// Reads a catalogue in the program's own SQLite format, opened read-only.
class SqliteReader : public CatalogueSource
{
public:
    explicit SqliteReader(const QString &path);
    ~SqliteReader() override;

    SqliteReader(const SqliteReader &) = delete;
    SqliteReader &operator=(const SqliteReader &) = delete;

    bool isOpen() const { return db != nullptr; }
    bool isDatabase() const override { return true; }
    bool hasTable(const QString &table) const override;
    bool readTable(const QString &table, const QStringList &columns, const TakeRow &take) override;

private:
    sqlite3 *db = nullptr;
    QStringList tables;
};

} // namespace zentcat

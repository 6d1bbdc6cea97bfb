#pragma once

#include "CatalogueSource.h"

#include <QHash>

namespace zentcat {


// Reads an Access-format catalogue through libmdb. The file is only read.
class LegacyReader : public CatalogueSource
{
public:
    explicit LegacyReader(const QString &path);
    ~LegacyReader() override;

    bool isOpen() const { return file != nullptr; }
    bool isDatabase() const override { return true; }
    bool hasTable(const QString &table) const override;
    bool readTable(const QString &table, const QStringList &columns, const TakeRow &take) override;

private:
    struct File; // libmdb's handle, kept out of this header
    File *file = nullptr;
    QHash<QString, QByteArray> tables; // user tables, by name folded to lower case
};

} // namespace zentcat

#include "platform/db/HeldTable.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/Statement.h"

#include <algorithm>

namespace db {

void TextColumn::append(QByteArrayView utf8)
{
    // Most catalogue text is plain ASCII, which needs no decoding.
    bool ascii = true;
    for (qsizetype i = 0; i < utf8.size() && ascii; ++i)
        ascii = static_cast<unsigned char>(utf8[i]) < 0x80;
    if (ascii)
        text.append(QLatin1StringView(utf8));
    else
        text.append(decodeExactly(utf8));
    starts.push_back(text.size());
}

void TextColumn::appendNull()
{
    nulls.resize(starts.size());
    nulls.back() = true;
    starts.push_back(text.size());
}

HeldTable::HeldTable(Connection &connection, const QString &tableName,
                     const QStringList &walkedColumns)
    : table(tableName)
{
    names = tableColumns(connection, table);
    columns.resize(size_t(names.size()));
    for (const QString &column : walkedColumns) {
        const int index = findColumn(names, column);
        if (index >= 0 && !walked.contains(index))
            walked.append(index);
    }
    if (walked.isEmpty() && !names.isEmpty())
        walked.append(0);
}

qsizetype HeldTable::rowCount(Connection &connection)
{
    if (rows < 0) {
        read(connection, walked);
        if (rowids.size() != size_t(columns[size_t(walked.first())]->size()))
            rowids.clear();
        rows = columns[size_t(walked.first())]->size();
        firstPass = columns[size_t(walked.first())]->failure;
    }
    return rows;
}

const TextColumn &HeldTable::column(Connection &connection, int index)
{
    if (!columns[size_t(index)])
        read(connection, walked.contains(index) ? walked : QList<int>{index});
    return *columns[size_t(index)];
}

QString HeldTable::lookUp(Connection &connection, int index, qsizetype row)
{
    Statement value(connection, "SELECT " + quotedName(names[index]) + " FROM " + quotedName(table)
                                + " WHERE rowid = ?1");
    value.bind(1, rowids[size_t(row)]);
    if (!value.step())
        throw DbError(table + " has lost a row");
    return value.text(0);
}

bool HeldTable::failedToRead() const
{
    if (!firstPass.isEmpty())
        return true;
    for (const auto &column : columns)
        if (column && !column->failure.isEmpty())
            return true;
    return false;
}

void HeldTable::read(Connection &connection, const QList<int> &indexes)
{
    // Room for the rows the table is likely to hold, taken at once: grown step by step, the
    // buffers of a large catalogue would be copied and touched afresh again and again. The
    // highest row number is only a hint (rows may have gone), so an absurd one is capped.
    qsizetype expected = rows;
    if (expected < 0) {
        try {
            Statement last(connection, "SELECT max(rowid) FROM " + quotedName(table));
            if (last.step())
                expected = qsizetype(std::clamp<qint64>(last.number(0), 0, 10000000));
        } catch (const DbError &) {
        }
        rowids.reserve(size_t(qMax<qsizetype>(expected, 0)));
    }
    QStringList selected;
    for (const int index : indexes) {
        selected << quotedName(names[index]);
        columns[size_t(index)] = std::make_unique<TextColumn>();
        columns[size_t(index)]->reserve(qMax<qsizetype>(expected, 0));
    }
    try {
        // The pages are read, not mapped: a fault for every page of a mapped file costs more
        // than the copy it spares.
        // The first pass keeps each row's rowid too, where the table has them, so a value of
        // another column can be found again.
        const bool first = rows < 0;
        const QString from = fromInStoredOrder(table);
        std::unique_ptr<Statement> pass;
        try {
            if (first)
                pass = std::make_unique<Statement>(connection, "SELECT " + selected.join(", ") + ", rowid" + from);
        } catch (const DbError &) {
        }
        const bool withRowids = pass != nullptr;
        if (!pass)
            pass = std::make_unique<Statement>(connection, "SELECT " + selected.join(", ") + from);
        while (pass->step()) {
            for (int i = 0; i < indexes.size(); ++i) {
                TextColumn &values = *columns[size_t(indexes[i])];
                const QByteArrayView value = pass->utf8(i);
                if (value.isNull())
                    values.appendNull();
                else
                    values.append(value);
            }
            if (withRowids)
                rowids.push_back(pass->number(int(indexes.size())));
        }
        // Every column of one open walks the same rows.
        if (!first && columns[size_t(indexes.first())]->size() < rows)
            throw DbError(table + " changed while it was read");
    } catch (const DbError &error) {
        for (const int index : indexes)
            columns[size_t(index)]->failure = error.message();
    }
}

} // namespace db

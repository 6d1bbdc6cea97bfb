#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

namespace db {

class Connection;

// The values of one column, each row's text as stored, kept in one buffer: a large catalogue
// then costs one allocation per column rather than one per value.
class TextColumn
{
public:
    // UTF-8 as stored, a leading byte-order mark included.
    void append(QByteArrayView utf8);
    // A NULL: read back as a null view, which equals no text, not even an empty one.
    void appendNull();
    // Room for that many rows of about eight characters each.
    void reserve(qsizetype rows) { starts.reserve(size_t(rows) + 1); text.reserve(rows * 8); }
    qsizetype size() const { return qsizetype(starts.size()) - 1; }
    QStringView at(qsizetype row) const
    {
        const qsizetype start = starts[size_t(row)];
        const qsizetype length = starts[size_t(row) + 1] - start;
        if (length > 0)
            return QStringView(text).sliced(start, length);
        return size_t(row) < nulls.size() && nulls[size_t(row)] ? QStringView() : QStringView(u"", 0);
    }

    // Why the rows after the last one held could not be read; empty when every row was.
    QString failure;

private:
    QString text;
    std::vector<qsizetype> starts{0};
    std::vector<bool> nulls; // empty while the column has no NULL
};

// A table the program never writes, read from the file once per open and then walked in
// memory by every cursor opened on it. The columns the program walks are read together in one
// pass over the file; a value of any other column is looked up by its row when asked for.
class HeldTable
{
public:
    // Reads the table's column names; throws DbError when it cannot.
    HeldTable(Connection &connection, const QString &table, const QStringList &walked);

    const QStringList &columnNames() const { return names; }
    // The rows of the first pass, read on first use; a damaged file gives the rows before the
    // damage, and failure() says why no more could be read.
    qsizetype rowCount(Connection &connection);
    const QString &failure() const { return firstPass; }
    // Whether a read of the table, or of one of its columns, stopped short.
    bool failedToRead() const;
    // The column, read on first use: as many rows as could be read.
    const TextColumn &column(Connection &connection, int index);
    // Whether the column is kept whole in memory; the others are looked up value by value.
    bool isHeld(int index) const { return walked.contains(index) || rowids.empty(); }
    // A value of a column not held, read by its row; throws DbError when it cannot be read.
    QString lookUp(Connection &connection, int index, qsizetype row);

private:
    void read(Connection &connection, const QList<int> &indexes);

    QString table;
    QStringList names;
    QList<int> walked;
    qsizetype rows = -1; // not read yet
    QString firstPass;
    std::vector<std::unique_ptr<TextColumn>> columns; // null: not read yet
    std::vector<qint64> rowids; // each row's rowid; empty for a table without them
};

} // namespace db

#include "LegacyReader.h"

#include <QFile>
#include <QList>

#include <mdbtools.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zentcat {

namespace {

// Memo values longer than libmdb's bind size come back cut, without an error. Access keeps at
// most 65,535 characters in a Memo typed by a user, up to three bytes each in UTF-8.
constexpr size_t bindSize = 256 * 1024;

// libmdb decodes Jet 3 text with the code page named in this variable, read when a file is
// opened. Jet 4 and ACE text is Unicode in the file.
constexpr char jet3Charset[] = "MDB_JET3_CHARSET";

MdbHandle *openFile(const QByteArray &path)
{
    // libmdb hands out text in the encoding named here; the catalogue stores UTF-8.
    setenv("MDBICONV", "UTF-8", 1);
    setenv(jet3Charset, "CP1252", 1);
    MdbHandle *mdb = mdb_open(path.constData(), MDB_NOFLAGS);
    // A Jet 3 file names its own code page; it is opened again with that one.
    if (mdb && IS_JET3(mdb) && mdb->f->code_page != 0 && mdb->f->code_page != 1252) {
        setenv(jet3Charset, "CP" + QByteArray::number(mdb->f->code_page), 1);
        mdb_close(mdb);
        mdb = mdb_open(path.constData(), MDB_NOFLAGS);
    }
    return mdb;
}

// libmdb tells of damage on the standard error stream, in its own words and several lines;
// while it works, that stream goes nowhere, so the tool's one line is what the user reads.
class QuietErrors
{
public:
    QuietErrors()
    {
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            close(nowhere);
        }
    }
    ~QuietErrors()
    {
        std::fflush(stderr);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietErrors(const QuietErrors &) = delete;
    QuietErrors &operator=(const QuietErrors &) = delete;

private:
    int saved;
};

// A table opened for one reading; frees what libmdb gave.
struct OpenTable
{
    explicit OpenTable(MdbTableDef *table) : def(table) {}
    ~OpenTable()
    {
        if (def)
            mdb_free_tabledef(def);
    }
    OpenTable(const OpenTable &) = delete;
    OpenTable &operator=(const OpenTable &) = delete;

    MdbTableDef *def;
};

// The position of each asked-for column among the table's columns, -1 for one that is
// missing. Access compares column names without regard to case.
QList<int> findColumns(MdbTableDef *table, const QStringList &columns)
{
    QList<int> positions(columns.size(), -1);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto *column = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        const QString name = QString::fromUtf8(column->name);
        for (qsizetype c = 0; c < columns.size(); ++c)
            if (positions[c] < 0 && columns[c].compare(name, Qt::CaseInsensitive) == 0)
                positions[c] = int(i);
    }
    return positions;
}

} // namespace

struct LegacyReader::File
{
    MdbHandle *mdb;
};

LegacyReader::LegacyReader(const QString &path)
{
    const QuietErrors quiet;
    MdbHandle *mdb = openFile(QFile::encodeName(path));
    if (!mdb) {
        fail("cannot read " + path + " as an Access-format catalogue");
        return;
    }
    file = new File{mdb};
    mdb_set_bind_size(mdb, bindSize);
    if (!mdb_read_catalog(mdb, MDB_TABLE)) {
        fail("cannot read the list of tables in " + path);
        return;
    }
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        const auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(const_cast<MdbCatalogEntry *>(entry)))
            tables.insert(QString::fromUtf8(entry->object_name).toLower(), entry->object_name);
    }
}

LegacyReader::~LegacyReader()
{
    const QuietErrors quiet;
    if (file)
        mdb_close(file->mdb);
    delete file;
}

bool LegacyReader::hasTable(const QString &table) const
{
    return tables.contains(table.toLower());
}

bool LegacyReader::readTable(const QString &table, const QStringList &columns, const TakeRow &take)
{
    if (!file || !hasTable(table))
        return fail("the catalogue has no table " + table);
    const QuietErrors quiet;
    MdbHandle *mdb = file->mdb;
    QByteArray name = tables.value(table.toLower());
    OpenTable opened(mdb_read_table_by_name(mdb, name.data(), MDB_TABLE));
    MdbTableDef *def = opened.def;
    if (!def || !mdb_read_columns(def))
        return fail("cannot read the table " + table);
    mdb_rewind_table(def);

    const QList<int> positions = findColumns(def, columns);
    for (qsizetype c = 0; c < columns.size(); ++c)
        if (positions[c] < 0)
            return fail("the table " + table + " has no column " + columns[c]);

    std::vector<std::vector<char>> buffers(columns.size(), std::vector<char>(bindSize + 1));
    for (qsizetype c = 0; c < columns.size(); ++c)
        mdb_bind_column(def, positions[c] + 1, buffers[c].data(), nullptr);
    std::vector<MdbField> fields(def->num_cols);
    std::vector<unsigned char> isNull(def->num_cols);

    QByteArrayList values(columns.size());
    unsigned rows = 0;
    while (mdb_fetch_row(def)) {
        ++rows;
        // The bound text of a NULL is empty; only the row's own fields tell NULL from empty.
        // mdb_fetch_row has moved past the row it read, so the row is found again by number.
        int start = 0;
        size_t size = 0;
        std::fill(isNull.begin(), isNull.end(), 0);
        if (mdb_find_row(mdb, int(def->cur_row) - 1, &start, &size) == 0) {
            const int cracked = mdb_crack_row(def, start & 0x1fff, size, fields.data());
            for (int f = 0; f < cracked && f < int(fields.size()); ++f)
                if (fields[f].colnum >= 0 && fields[f].colnum < int(isNull.size()))
                    isNull[fields[f].colnum] = fields[f].is_null;
        }
        for (qsizetype c = 0; c < columns.size(); ++c) {
            const size_t length = strnlen(buffers[c].data(), bindSize);
            // A value that fills the buffer may have been cut: better no copy than a wrong one.
            if (length + 4 >= bindSize)
                return fail(QString("the table %1 holds a value longer than %2 bytes in row %3")
                                .arg(table).arg(bindSize - 4).arg(rows));
            values[c] = isNull[positions[c]] ? QByteArray() : QByteArray(buffers[c].data(), qsizetype(length));
        }
        if (!take(values))
            return false;
    }
    // A damaged page ends the walk early without an error; the table's own count tells.
    if (rows != def->num_rows)
        return fail(QString("the table %1 is damaged: %2 of its %3 rows can be read")
                        .arg(table).arg(rows).arg(def->num_rows));
    return true;
}

} // namespace zentcat

#include "platform/db/DataOnly.h"

#include <sqlite3.h>

#include <utility>

namespace db {

namespace {

// The engine's limits, lowered to what a catalogue needs: a card's longest text, the program's
// statements (which hold a name or two), a card table's 22 columns. A file that needs more is
// refused, or the value that needs more cannot be read.
constexpr std::pair<int, int> limits[] = {
    {SQLITE_LIMIT_LENGTH, 1'000'000},     {SQLITE_LIMIT_SQL_LENGTH, 100'000},
    {SQLITE_LIMIT_COLUMN, 100},           {SQLITE_LIMIT_EXPR_DEPTH, 10},
    {SQLITE_LIMIT_COMPOUND_SELECT, 3},    {SQLITE_LIMIT_VDBE_OP, 25'000},
    {SQLITE_LIMIT_FUNCTION_ARG, 8},       {SQLITE_LIMIT_ATTACHED, 0},
    {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 50}, {SQLITE_LIMIT_VARIABLE_NUMBER, 10},
    {SQLITE_LIMIT_TRIGGER_DEPTH, 10},     {SQLITE_LIMIT_WORKER_THREADS, 0},
};

// Switches that keep a file's schema from acting: no trigger fires, no view is read, no
// function but the engine's harmless ones runs from the schema, and no statement can write the
// schema or the file's inner structure.
constexpr std::pair<int, int> switches[] = {
    {SQLITE_DBCONFIG_DEFENSIVE, 1},     {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0}, {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
    {SQLITE_DBCONFIG_ENABLE_FKEY, 0},   {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
    {SQLITE_DBCONFIG_WRITABLE_SCHEMA, 0}, {SQLITE_DBCONFIG_DQS_DML, 0},
    {SQLITE_DBCONFIG_DQS_DDL, 0},
};

// What the program's own statements use, and nothing more.
const QSet<QString> allowedPragmas = {"journal_mode", "quick_check", "cell_size_check", "mmap_size", "synchronous"};
const QSet<QString> allowedFunctions = {"max", "char"};
const QSet<QString> schemaTables = {"sqlite_master", "sqlite_schema", "sqlite_temp_master",
                                    "sqlite_temp_schema"};

} // namespace

void DataOnly::guard(sqlite3 *handle)
{
    for (const auto &[option, value] : switches)
        sqlite3_db_config(handle, option, value, nullptr);
    for (const auto &[limit, value] : limits)
        sqlite3_limit(handle, limit, value);
    // No virtual table's code ever runs on what a file holds: the engine's modules are gone
    // from the handle, so a virtual table in a catalogue is a table that cannot be read.
    sqlite3_drop_modules(handle, nullptr);
    // printf() and format() can take seconds in one call, out of reach of the time limit (the
    // engine built with a precision limit would not): a file's schema may not call them.
    for (const char *slow : {"printf", "format"})
        sqlite3_create_function_v2(handle, slow, -1, SQLITE_UTF8 | SQLITE_DIRECTONLY, nullptr, &DataOnly::refuseCall,
                                   nullptr, nullptr, nullptr);
    sqlite3_set_authorizer(handle, &DataOnly::authorize, this);
}

void DataOnly::tablesAre(QSet<QString> ordinary)
{
    tables = std::move(ordinary);
    tablesKnown = true;
}

void DataOnly::refuseCall(sqlite3_context *call, int, sqlite3_value **)
{
    sqlite3_result_error(call, "the function is not available to a catalogue", -1);
}

int DataOnly::authorize(void *guarding, int action, const char *first, const char *second, const char *,
                        const char *)
{
    auto *self = static_cast<DataOnly *>(guarding);
    const QString name = QString::fromUtf8(action == SQLITE_FUNCTION ? second : first).toLower();
    bool allowed = false;
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_TRANSACTION:
        allowed = true;
        break;
    case SQLITE_READ:
        // While the file is checked at open, only its schema is read.
        allowed = schemaTables.contains(name) || self->tables.contains(name) || !self->tablesKnown;
        break;
    case SQLITE_INSERT:
    case SQLITE_DELETE:
        allowed = self->tables.contains(name) && self->writable.contains(name);
        break;
    case SQLITE_PRAGMA:
        allowed = allowedPragmas.contains(name);
        break;
    case SQLITE_FUNCTION:
        allowed = allowedFunctions.contains(name);
        break;
    default:
        break;
    }
    if (allowed && self->noted && (action == SQLITE_READ || action == SQLITE_INSERT || action == SQLITE_DELETE))
        self->noted->insert(name);
    return allowed ? SQLITE_OK : SQLITE_DENY;
}

} // namespace db

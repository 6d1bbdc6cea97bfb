// The database layer against SQLite's own C API doing the same work on the same files:
// the bundled catalogue and a 20,000-row synthetic one.
#include "catalogue/BoundBoxes.h"
#include "catalogue/Statements.h"
#include "platform/db/Cursor.h"
#include "platform/db/DataControl.h"
#include "platform/db/Database.h"
#include "platform/db/Engine.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <vector>

using namespace db;
using namespace catalogue;

namespace {

struct Catalogue
{
    const char *label;
    QString path;
    QString name; // a creature about halfway down the table
    const Engine *engine = nullptr;
};

QString middleCreature(const Engine &engine, const QString &path)
{
    const Database db = Database::open(engine, path);
    auto cursor = db.openCursor("SELECT fldName FROM tblZentDeck WHERE fldName <> 'z'");
    QStringList names;
    for (; !cursor->eof(); cursor->moveNext())
        names << cursor->value("fldName");
    return names.value(names.size() / 2);
}

// ---- our layer ----

void openDatabase(benchmark::State &state, const Catalogue *c)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Database::open(*c->engine, c->path));
}

void openAndWalk(benchmark::State &state, const Catalogue *c)
{
    for (auto _ : state) {
        const Database db = Database::open(*c->engine, c->path);
        auto cursor = db.openCursor("tblZentDeck");
        const int fldName = cursor->columnIndex("fldName");
        const int fldTrainers = cursor->columnIndex("fldTrainers");
        qsizetype chars = 0;
        for (; !cursor->eof(); cursor->moveNext())
            chars += cursor->value(fldName).size() + cursor->value(fldTrainers).size();
        benchmark::DoNotOptimize(chars);
    }
}

void selectByName(benchmark::State &state, const Catalogue *c)
{
    DataControl datZents(*c->engine);
    catalogue::BoundBoxes boxes(datZents);
    QLineEdit name;
    boxes.bind(&name, "fldName");
    datZents.setDatabaseName(c->path);
    datZents.setReadOnly(true);
    datZents.setRecordSource(statements::showCreature(c->name));
    for (auto _ : state)
        datZents.refresh();
}

void copyCount(benchmark::State &state, const Catalogue *c)
{
    const Database db = Database::open(*c->engine, c->path);
    for (auto _ : state) {
        auto cursor = db.openCursor(statements::countCopies(c->name));
        int copies = 0;
        for (; !cursor->eof(); cursor->moveNext())
            copies += cursor->value("fldNames") == c->name;
        benchmark::DoNotOptimize(copies);
    }
}

void insertDelete(benchmark::State &state, const Catalogue *c)
{
    Database db = Database::open(*c->engine, c->path);
    db.allowWrites("tblNames");
    for (auto _ : state) {
        db.execute(statements::addCopy(c->name, 7));
        db.execute(statements::deleteCopy("7"));
    }
}

// ---- the floor: SQLite's C API ----

sqlite3 *openC(const Catalogue *c)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(c->path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    return db;
}

void cOpenDatabase(benchmark::State &state, const Catalogue *c)
{
    for (auto _ : state)
        sqlite3_close(openC(c));
}

void cOpenAndWalk(benchmark::State &state, const Catalogue *c)
{
    for (auto _ : state) {
        sqlite3 *db = openC(c);
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT fldName, fldTrainers FROM tblZentDeck NOT INDEXED", -1,
                           &stmt, nullptr);
        qsizetype chars = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            chars += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))).size()
                     + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1))).size();
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        benchmark::DoNotOptimize(chars);
    }
}

void cSelectByName(benchmark::State &state, const Catalogue *c)
{
    sqlite3 *db = openC(c);
    const QByteArray sql = statements::showCreature(c->name).toUtf8();
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            for (int i = 0; i < sqlite3_column_count(stmt); ++i)
                benchmark::DoNotOptimize(
                    QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i))));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
}

void cCopyCount(benchmark::State &state, const Catalogue *c)
{
    sqlite3 *db = openC(c);
    const QByteArray sql = statements::countCopies(c->name).toUtf8();
    for (auto _ : state) {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        int copies = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW)
            copies += QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))) == c->name;
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(copies);
    }
    sqlite3_close(db);
}

void cInsertDelete(benchmark::State &state, const Catalogue *c)
{
    sqlite3 *db = openC(c);
    const QByteArray insert = statements::addCopy(c->name, 7).toUtf8();
    for (auto _ : state) {
        sqlite3_exec(db, insert.constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(db, "DELETE FROM tblNames WHERE fldID = 7", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Engine engine;
    static Catalogue catalogues[] = {
        {"bundled", qEnvironmentVariable("ZENT_BENCH_BUNDLED", ZENT_PROGRAM_DIR "/zentdeck.znt"), {}},
        {"synthetic20000",
         qEnvironmentVariable("ZENT_BENCH_SYNTHETIC", ZENT_BENCH_DIR "/synthetic-20000/zentdeck.znt"), {}},
    };
    using Work = void (*)(benchmark::State &, const Catalogue *);
    const std::pair<const char *, Work> work[] = {
        {"open", openDatabase},          {"c_api/open", cOpenDatabase},
        {"open_walk", openAndWalk},      {"c_api/open_walk", cOpenAndWalk},
        {"select_by_name", selectByName}, {"c_api/select_by_name", cSelectByName},
        {"copy_count", copyCount},       {"c_api/copy_count", cCopyCount},
        {"insert_delete", insertDelete}, {"c_api/insert_delete", cInsertDelete},
    };
    for (Catalogue &c : catalogues) {
        if (!QFile::exists(c.path)) {
            std::fprintf(stderr, "skipping %s: %s is missing\n", c.label, qPrintable(c.path));
            continue;
        }
        c.engine = &engine;
        c.name = middleCreature(engine, c.path);
        for (const auto &[name, fn] : work)
            benchmark::RegisterBenchmark((std::string(c.label) + "/" + name).c_str(), fn, &c)
                ->Unit(benchmark::kMicrosecond);
    }
    // Each of ours and its C API twin run interleaved, several times over, so that a busy moment
    // of the machine does not land on one side only. Writes are best read in CPU time: their wall
    // time is mostly the disk's flush.
    std::vector<char *> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char repetitions[] = "--benchmark_repetitions=5";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    args.insert(args.begin() + 1, {interleave, repetitions, aggregates});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

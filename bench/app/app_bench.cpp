// The main window on the bundled catalogue and on synthetic ones of 20,000, 100,000 and
// 1,000,000 cards: from its creation to its first paint on screen (load, show, layout and
// paint), File > Open to the window painted again, choosing a name to its picture painted,
// Find's scan, adding cards, the report, and the memory the program holds. A table of medians
// and maxima follows Google Benchmark's own output. Then File > Open of catalogues used through
// a working copy, each timed in turn with its plain twin: a 20,000-card legacy catalogue (when
// the shared legacy files are beside the project) and the same cards in SQLite; a 20,000-card
// catalogue this user may not write and a private writable copy of it (run as an ordinary user,
// e.g. runuser -u nobody, for that pair).
#include "app/frmZentMain.h"
#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"
#include "platform/system/Files.h"
#include "platform/system/Programs.h"
#include "platform/system/Registry.h"
#include "platform/ui/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <QTimer>
#include <QFile>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

using namespace ui;

namespace {

// Answers the open dialog with one file and the input box with one name.
class OpenAnswer : public Dialogs
{
public:
    QString file;
    QString name;

    // Yes to every offer.
    MessageAnswer messageBox(QWidget *, const MessageBoxRequest &request) override
    {
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    QString inputBox(QWidget *, const QString &, const QString &) override { return name; }
    bool showOpen(QWidget *, CommonDialogSettings &settings) override
    {
        settings.fileName = file;
        return true;
    }
    bool showSave(QWidget *, CommonDialogSettings &settings) override
    {
        settings.fileName = file;
        return true;
    }
    bool showPrinter(QWidget *, CommonDialogSettings &, QPrinter &) override { return false; }
    bool showFont(QWidget *, CommonDialogSettings &) override { return false; }
    bool showColor(QWidget *, CommonDialogSettings &) override { return false; }
};

// Counts the paints of a window.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window) : watched(window) { window->installEventFilter(this); }
    int paints = 0;
    // Runs the event loop until the window has painted once more; a paint that does not come
    // within five seconds ends the run, rather than hang it.
    void waitForPaint()
    {
        const int before = paints;
        QElapsedTimer waited;
        waited.start();
        while (paints == before) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (waited.elapsed() > 5000) {
                std::fprintf(stderr, "no paint of %s within 5 s\n", qPrintable(watched->objectName()));
                std::exit(1);
            }
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

private:
    QWidget *watched;
};

struct Folder
{
    const char *label;
    QString path;
};

// The main window on a catalogue folder, its dialogs answered by the benchmark.
struct MainWindowRun
{
    explicit MainWindowRun(const Folder *folder)
        : inFolder(QDir::setCurrent(folder->path)),
          main(AppContext{dialogs, registry, engine, folder->path, {ZENT_PROGRAM_DIR "/zentcat"}})
    {
    }
    // Shows the window and waits for its first paint, so that what is timed next is the
    // action alone on a settled window.
    void showSettled()
    {
        PaintWatch watch(&main);
        main.show();
        watch.waitForPaint();
        QCoreApplication::processEvents();
    }
    // The program runs in its folder, where the catalogue's picture paths lead.
    bool inFolder;
    OpenAnswer dialogs;
    sys::Registry registry;
    db::Engine engine;
    frmZentMain main;
};

void createToFirstPaint(benchmark::State &state, const Folder *folder)
{
    OpenAnswer dialogs;
    sys::Registry registry;
    const db::Engine engine;
    const AppContext context{dialogs, registry, engine, folder->path};
    QDir::setCurrent(folder->path);
    for (auto _ : state) {
        auto main = std::make_unique<frmZentMain>(context);
        PaintWatch watch(main.get());
        main->show();
        watch.waitForPaint();
        state.PauseTiming(); // closing is not part of it
        main.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void fileOpenToPaint(benchmark::State &state, const Folder *folder)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    run.dialogs.file = folder->path + "/zentdeck.znt";
    run.showSettled();
    PaintWatch watch(&main);
    for (auto _ : state) {
        main.mnuFileOpen_Click();
        main.update();
        watch.waitForPaint();
    }
}

// The creature list's last name: a Find scans the whole catalogue to it.
QString lastCreature(const frmZentMain &main)
{
    const auto *cboName = main.findChild<QComboBox *>("cboName");
    return cboName->itemText(cboName->count() - 1);
}

void chooseName(benchmark::State &state, const Folder *folder)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    run.showSettled();
    auto *cboName = main.findChild<QComboBox *>("cboName");
    PaintWatch picture(main.findChild<QWidget *>("imgZents"));
    int entry = 0;
    for (auto _ : state) {
        // Every other name, so that each choice shows another card and picture.
        entry = (entry + cboName->count() / 2 + 1) % cboName->count();
        cboName->setCurrentIndex(entry);
        main.cboName_Click();
        picture.waitForPaint();
    }
}

void findScan(benchmark::State &state, const Folder *folder)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    run.dialogs.name = lastCreature(main);
    for (auto _ : state)
        main.mnuFindZentari_Click();
}

// The deck's own steps on a deck of 60 cards: one energy up and down, deleting one copy, and
// clearing the deck.
void deckStep(benchmark::State &state, const Folder *folder, int step)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    deck::WorkingDeck &deck = main.workingDeckInUse();
    auto *lstZents = main.findChild<QListWidget *>("lstZents");
    const auto fill = [&] {
        while (lstZents->count() < (step == 0 ? 59 : 60))
            deck.addCopy("Skarnox", deck::InsertForm::Chosen);
    };
    fill();
    for (auto _ : state) {
        if (step == 0) {
            main.cmdEnergyUp_Click(deck::EnergyKind::Fire);
            main.cmdEnergyDn_Click(deck::EnergyKind::Fire);
        } else if (step == 1) {
            lstZents->setCurrentRow(30);
            main.cmdDeleteZent_Click();
        } else {
            main.cmdClear_Click();
        }
        state.PauseTiming();
        fill();
        state.ResumeTiming();
    }
    main.cmdClear_Click();
}

// The middle one of the creatures whose line has that many members.
QString basicOfLine(const QString &folder, int members)
{
    // Read only, as the window timed may have the catalogue open to write it.
    const db::Engine engine;
    auto catalogue = db::Connection::open(engine, folder + "/zentdeck.znt", db::Connection::Mode::ReadOnly);
    // A catalogue may call no counting function: the lines are counted here.
    db::Statement cards(*catalogue, "SELECT fldName, fldZentGroup, fldGroupLev FROM tblZentDeck");
    QList<std::pair<QString, QString>> basics; // name, line
    QHash<QString, int> lineMembers;
    while (cards.step()) {
        if (cards.text(1).isNull())
            continue;
        ++lineMembers[cards.text(1)];
        if (cards.text(2) == "1")
            basics.append({cards.text(0), cards.text(1)});
    }
    QStringList names;
    for (const auto &[name, line] : basics)
        if (lineMembers.value(line) == members)
            names << name;
    return names.value(names.size() / 2);
}

// Add Zentari on the card shown: the first copy of a lone basic (a single add, with the copy
// count and the member count) or of a line of three's basic, its set of six accepted.
void addZentari(benchmark::State &state, const Folder *folder, int members)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    auto *cboName = main.findChild<QComboBox *>("cboName");
    cboName->setCurrentIndex(cboName->findText(basicOfLine(folder->path, members)));
    main.cboName_Click();
    for (auto _ : state) {
        main.cmdAdd2Deck_Click();
        state.PauseTiming();
        main.cmdClear_Click();
        state.ResumeTiming();
    }
}

// File > View / Save / Print on a deck of 60 cards: from the click to the preview painted with
// the report in it.
void reportToPreview(benchmark::State &state, const Folder *folder)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    run.showSettled();
    for (int i = 0; i < 60; ++i)
        main.workingDeckInUse().addCopy("Skarnox", deck::InsertForm::Chosen);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(0, &main, [&] {
            PaintWatch(main.previewShown()).waitForPaint();
            state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
            main.previewShown()->close();
        });
        main.mnuFileOutput_Click();
    }
    main.cmdClear_Click();
}

// The preview's Save As and Open Deck of a 60-card deck list.
void saveAndReopen(benchmark::State &state, const Folder *folder)
{
    OpenAnswer dialogs;
    QTemporaryDir saves;
    dialogs.file = saves.filePath("deck.rtf");
    QString list = "Current Deck:\r\n";
    for (int i = 0; i < 60; ++i)
        list += "\r\nSkarnox";
    frmPreview preview({dialogs, folder->path, list, [](QWidget *) {}}, nullptr);
    preview.show();
    for (auto _ : state) {
        preview.SaveDeckFile();
        preview.OpenDeckFile();
    }
}

// File > Open of each file in turn, to the window painted again, each with its own mean time:
// taken alternately, a busy moment of the machine falls on all of them alike. Every open is of
// another file than the one open, so a working copy is made afresh each time.
using NamedFiles = std::vector<std::pair<std::string, QString>>;
void openInTurnsToPaint(benchmark::State &state, const NamedFiles &files)
{
    const Folder bundled{"bundled", ZENT_PROGRAM_DIR};
    MainWindowRun run(&bundled);
    frmZentMain &main = run.main;
    run.showSettled();
    PaintWatch watch(&main);
    std::vector<double> totalMs(files.size());
    for (auto _ : state) {
        for (size_t i = 0; i < files.size(); ++i) {
            const QString before = main.catalogueInUse().database().path();
            QElapsedTimer clock;
            clock.start();
            run.dialogs.file = files[i].second;
            main.mnuFileOpen_Click();
            main.update();
            watch.waitForPaint();
            totalMs[i] += double(clock.nsecsElapsed()) / 1e6;
            // A failed open keeps the catalogue open before, and would time nothing.
            if (main.catalogueInUse().database().path() == before) {
                state.SkipWithError((files[i].first + " did not open").c_str());
                return;
            }
        }
    }
    for (size_t i = 0; i < files.size(); ++i)
        state.counters[files[i].first + "_ms"] = totalMs[i] / double(state.iterations());
}

// The pairs of files for openInTurnsToPaint, made in the folder.
std::vector<std::pair<std::string, NamedFiles>> workingCopyPairs(const QString &folder)
{
    std::vector<std::pair<std::string, NamedFiles>> pairs;
    const QString packed = ZENT_SHARED_DIR "/legacy-catalogues/large/synthetic-20000-2000.znt.xz";
    const QString legacy = folder + "/legacy-20000.znt", twin = folder + "/legacy-20000-sqlite.znt";
    if (QFile::exists(packed) && sys::runProgram("sh", {"-c", "xz -dc \"$0\" > \"$1\"", packed, legacy}, 60000)
        && sys::runProgram(ZENT_PROGRAM_DIR "/zentcat", {"import", legacy, twin}, 60000))
        pairs.push_back({"legacy20000/file_open_to_paint", {{"legacy", legacy}, {"sqlite", twin}}});
    else
        std::fprintf(stderr, "skipping the legacy catalogue: no %s, or it could not be read\n", qPrintable(packed));

    const QString synthetic = ZENT_BENCH_DIR "/synthetic-20000/zentdeck.znt";
    const QString writable = folder + "/synthetic-20000.znt";
    if (sys::canWriteInPlace(synthetic))
        std::fprintf(stderr, "skipping the read-only catalogue: this user may write %s; run as another user\n",
                     qPrintable(synthetic));
    else if (QFile::copy(synthetic, writable))
        pairs.push_back({"readonly20000/file_open_to_paint", {{"read_only", synthetic}, {"writable", writable}}});
    return pairs;
}

// The resident memory of the process, in megabytes, with the main window open on the catalogue
// after a find and an add: what a player's machine gives the program. The process keeps what
// earlier benchmarks took, so one catalogue's own figure comes from a run of this one alone
// (--benchmark_filter=^synthetic100000/resident).
void residentMemory(benchmark::State &state, const Folder *folder)
{
    MainWindowRun run(folder);
    frmZentMain &main = run.main;
    main.show();
    run.dialogs.name = lastCreature(main);
    main.mnuFindZentari_Click();
    main.cmdAdd2Deck_Click();
    QCoreApplication::processEvents();
    double megabytes = 0;
    for (auto _ : state) {
        QFile status("/proc/self/status");
        status.open(QIODevice::ReadOnly);
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                megabytes = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    state.counters["resident_MB"] = megabytes;
    main.cmdClear_Click();
}

// One row per action, one column per catalogue: the median and the maximum, in ms.
class TableReporter : public benchmark::ConsoleReporter
{
public:
    TableReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string &name = run.run_name.function_name;
            const auto slash = name.find('/');
            Cell &cell = cells[{name.substr(slash + 1), name.substr(0, slash)}];
            const auto memory = run.counters.find("resident_MB");
            const double time = memory != run.counters.end() ? double(memory->second)
                                                             : run.GetAdjustedRealTime();
            if (run.aggregate_name == "median")
                cell.median = time;
            else if (run.aggregate_name == "max")
                cell.max = time;
            else if (run.aggregate_name.empty() && run.repetitions <= 1)
                cell.median = cell.max = time;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const std::pair<const char *, const char *> rows[] = {
            {"create_to_first_paint", "main window, creation to first paint"},
            {"file_open_to_paint", "File > Open to paint"},
            {"choose_name_to_picture", "choose a name to picture shown"},
            {"find_scan", "Find scan"},
            {"add_single", "add a single copy"},
            {"add_set_of_six", "add a set of six"},
            {"report_to_preview_painted", "report to preview painted"},
            {"resident_memory", "resident memory, MB (after a find and an add)"}};
        const char *columns[] = {"bundled", "synthetic20000", "synthetic100000", "synthetic1000000"};
        std::printf("\n| Action (median / max, ms) | 156 cards | 20,000 | 100,000 | 1,000,000 |\n"
                    "|---|---|---|---|---|\n");
        for (const auto &[key, label] : rows) {
            std::printf("| %s |", label);
            for (const char *column : columns) {
                const auto found = cells.find({key, column});
                if (found == cells.end())
                    std::printf(" |");
                else
                    std::printf(" %.1f / %.1f |", found->second.median, found->second.max);
            }
            std::printf("\n");
        }
    }

private:
    struct Cell
    {
        double median = 0;
        double max = 0;
    };
    std::map<std::pair<std::string, std::string>, Cell> cells;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    static Folder folders[] = {
        {"bundled", ZENT_PROGRAM_DIR},
        {"synthetic20000", ZENT_BENCH_DIR "/synthetic-20000"},
        {"synthetic100000", ZENT_BENCH_DIR "/synthetic-100000"},
        {"synthetic1000000", ZENT_BENCH_DIR "/synthetic-1000000"},
    };
    const auto maximum = [](const std::vector<double> &times) {
        return *std::max_element(times.begin(), times.end());
    };
    for (const Folder &folder : folders) {
        if (!QFile::exists(folder.path + "/zentdeck.znt")) {
            std::fprintf(stderr, "skipping %s: no catalogue in %s\n", folder.label,
                         qPrintable(folder.path));
            continue;
        }
        // A million cards shows how the cost grows: start-up, one add, one find, memory, fewer
        // times over.
        const bool million = QByteArray(folder.label) == "synthetic1000000";
        const auto once = [&](const char *name, auto work, int repetitions) {
            return benchmark::RegisterBenchmark((std::string(folder.label) + name).c_str(), work, &folder)
                ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(repetitions)
                ->ReportAggregatesOnly(true)->ComputeStatistics("max", maximum);
        };
        once("/create_to_first_paint", createToFirstPaint, million ? 5 : 50)->UseRealTime();
        once("/resident_memory", residentMemory, 1);
        if (!million) {
            once("/file_open_to_paint", fileOpenToPaint, 50)->UseRealTime();
            once("/report_to_preview_painted", reportToPreview, 50)->UseManualTime();
        }
        // One at a time, 200 times over: the median and the worst case. The deck's own steps
        // refill a deck of 60 cards each time, so they run fewer times.
        using Work = std::function<void(benchmark::State &, const Folder *)>;
        const auto stepOf = [](int step) {
            return [step](benchmark::State &state, const Folder *f) { deckStep(state, f, step); };
        };
        struct Action
        {
            const char *name;
            Work work;
            int repetitions;
            bool atAMillion;
        };
        const Action actions[] = {
            {"/find_scan", findScan, 200, true},
            {"/add_single", [](benchmark::State &st, const Folder *f) { addZentari(st, f, 1); }, 200, true},
            {"/choose_name_to_picture", chooseName, 200, false},
            {"/add_set_of_six", [](benchmark::State &st, const Folder *f) { addZentari(st, f, 3); }, 200, false},
            {"/energy_up_and_down", stepOf(0), 30, false},
            {"/delete_one_copy", stepOf(1), 30, false},
            {"/clear_60_card_deck", stepOf(2), 30, false},
            {"/save_and_reopen_60_card_list", saveAndReopen, 30, false}};
        for (const Action &action : actions) {
            if (!million || action.atAMillion)
                once(action.name, action.work, million ? 20 : action.repetitions)->UseRealTime();
        }
    }
    QTemporaryDir pairFolder;
    for (const auto &[name, files] : workingCopyPairs(pairFolder.path()))
        benchmark::RegisterBenchmark(name.c_str(), openInTurnsToPaint, files)
            ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
    TableReporter table;
    // The repetitions of every action run interleaved, so that a busy moment of the machine
    // does not land on one action only.
    std::vector<char *> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}

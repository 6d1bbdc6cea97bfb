// The catalogue under faults, put in as SQLite tests itself: for each action of the main window,
// the n-th lock, read, write, sync or open fails (once, or from then on), for every n the action
// reaches. Whatever fails, the window stays usable: no transaction is left open and no lock
// held, the file stays whole, its cards unchanged, the lists and the card shown come from the
// catalogue open, the deck table holds no row the deck list does not show; once the fault is
// gone and the file is opened again, it holds exactly the deck shown, and the next card added
// lands in it. Then for each action another program renames a newer catalogue over the file,
// copies one over it or deletes it, right after each call the engine makes, and the program is
// killed after the action: every file is whole, and no row of one is in another.
#include "AppFixture.h"
#include "FaultyFiles.h"

#include <functional>

#include <unistd.h>

using catalogue_writer::CardRow;
using faulty_files::Kind;
using ui::MessageAnswer;

namespace {

CardRow card(const QString &catalogue, const QString &name, const QString &group, const QString &level,
             bool trainer = false)
{
    return {{"fldName", trainer ? "z" : name}, {"fldTrainers", trainer ? name : "z"},
            {"fldZentGroup", group}, {"fldGroupLev", level}, {"fldNotes", catalogue + ": " + name}};
}

// A line of three, a line of two, a lone basic, Quarlith and Skarnox; the notes of each card
// name its catalogue.
const QList<CardRow> catalogueA = {
    card("A", "Ash", "1", "1"),      card("A", "Ashling", "1", "2"), card("A", "Ashlord", "1", "3"),
    card("A", "Aqua", "2", "1"),     card("A", "Aquaris", "2", "2"), card("A", "Amber", "4", "1"),
    card("A", "Quarlith", "", "", true), card("A", "Skarnox", "3", "2")};
const QList<CardRow> catalogueB = {card("B", "Birch", "5", "1"), card("B", "Bloom", "", "", true),
                                   card("B", "Bark", "6", "1")};

struct Campaign : AppFixture
{
    // Locks put in at every step would each keep the test waiting.
    Campaign() : AppFixture(db::Limits{.busyWaitMs = 20}) {}
    const QString fileA = writeCatalogue(catalogueA);
    const QString fileB = writeCatalogue(catalogueB, "other.znt");
    const QStringList cardsA = SqliteConnection(fileA).rows("SELECT * FROM tblZentDeck");
    const QStringList cardsB = SqliteConnection(fileB).rows("SELECT * FROM tblZentDeck");

    frmZentMain &main() { return *window; }
    void add(const char *list, const QString &name)
    {
        choose(list, name);
        QString(list) == "cboName" ? window->cmdAdd2Deck_Click() : window->cmdAddTrainers_Click();
    }
    QString deckShown() const { return deckListed(*control<QListWidget>("lstZents"), *control<QListWidget>("lstId")); }
    QString openFile() const
    {
        return window->catalogueInUse().isOpen() ? window->catalogueInUse().database().path() : QString();
    }
    template <typename Action>
    void setUp(const Action &action)
    {
        if (action.setUp) {
            showMainWindow();
            action.setUp(*this);
        }
    }
};

// What runs under the fault, and what comes before it once the window is shown (start-up has
// no window before it).
struct Action
{
    const char *name;
    std::function<void(Campaign &)> run;
    std::function<void(Campaign &)> setUp = [](Campaign &) {};
};

const Action actions[] = {
    {"start-up load", [](Campaign &app) { app.showMainWindow(); }, nullptr},
    {"File Open", [](Campaign &app) { app.open(app.fileB); }},
    {"choose", [](Campaign &app) { app.choose("cboName", "Aqua"); }},
    {"add", [](Campaign &app) { app.main().cmdAdd2Deck_Click(); }, [](Campaign &app) { app.choose("cboName", "Amber"); }},
    {"set", [](Campaign &app) { app.main().cmdAdd2Deck_Click(); },
     [](Campaign &app) { app.choose("cboName", "Ash"); app.dialogs.answerMessage(MessageAnswer::Yes); }},
    {"Quarlith", [](Campaign &app) { app.main().cmdAddTrainers_Click(); },
     [](Campaign &app) { app.choose("cboTrainers", "Quarlith"); app.dialogs.answerMessage(MessageAnswer::Yes); }},
    {"delete", [](Campaign &app) { app.main().cmdDeleteZent_Click(); },
     [](Campaign &app) {
         app.add("cboName", "Amber");
         app.add("cboName", "Aquaris");
         app.control<QListWidget>("lstZents")->item(0)->setSelected(true);
     }},
    {"clear", [](Campaign &app) { app.main().cmdClear_Click(); }, [](Campaign &app) { app.add("cboName", "Amber"); }},
    {"report",
     [](Campaign &app) {
         QTimer::singleShot(0, &app.main(), [&app] { if (app.main().previewShown()) app.main().previewShown()->close(); });
         app.main().mnuFileOutput_Click();
     },
     [](Campaign &app) { app.add("cboName", "Amber"); }},
    {"exit", [](Campaign &app) { app.main().mnuFileExit_Click(); },
     [](Campaign &app) { app.add("cboName", "Amber"); app.dialogs.answerMessage(MessageAnswer::Yes); }},
};

// The state after the fault, the fault gone; the failures of the checks are the test's.
void check(Campaign &app, const Action &action, const QString &notesBefore)
{
    for (const QString &file : {app.fileA, app.fileB}) {
        // Nothing of the program holds the file: another program may take it whole at once.
        const SqliteConnection reader(file);
        EXPECT_EQ(reader.rows("BEGIN EXCLUSIVE; ROLLBACK"), QStringList()) << file.toStdString();
        EXPECT_EQ(reader.rows("PRAGMA integrity_check"), QStringList{"ok"});
        EXPECT_EQ(reader.rows("SELECT * FROM tblZentDeck"), file == app.fileA ? app.cardsA : app.cardsB);
    }
    if (QString(action.name) == "exit") {
        // The next run starts on the file as the fault left it.
        app.window.reset();
        app.showMainWindow();
    }
    const QString open = app.openFile();
    const QString letter = open == app.fileB ? "B" : "A";
    // One catalogue: the data controls on the file open, the names and the card shown from it.
    EXPECT_EQ(app.main().catalogueInUse().cardControl().databaseName(), open);
    EXPECT_EQ(app.main().catalogueInUse().deckControl().databaseName(), open);
    QStringList names;
    for (const CardRow &row : letter == "B" ? catalogueB : catalogueA)
        names << row.value("fldName") << row.value("fldTrainers");
    for (const QString &name : app.items("cboName") + app.items("cboTrainers"))
        EXPECT_TRUE(names.contains(name)) << name.toStdString();
    // The card shown is one of that catalogue, or the one shown before until the next is chosen.
    const QString notes = app.text("txtNotes");
    EXPECT_TRUE(notes.isEmpty() || notes.startsWith(letter + ":") || notes == notesBefore) << notes.toStdString();
    // Every row of the deck table is a line of the deck list, with its name (a new run's deck
    // list starts empty, whatever the last one left).
    if (!open.isEmpty() && QString(action.name) != "exit") {
        const QStringList lines = app.items("lstZents"), ids = app.items("lstId");
        for (const QString &row : SqliteConnection(open).rows("SELECT fldNames, fldID FROM tblNames")) {
            const qsizetype line = ids.indexOf(row.section('|', 1));
            EXPECT_TRUE(line >= 0 && lines[line] == row.section('|', 0, 0)) << row.toStdString();
        }
    }
    // The fault gone and the catalogue opened again, the rows kept while it lasted are written
    // first: the deck table holds exactly the deck shown, in its order. Then a card added lands.
    app.dialogs.clear();
    app.open(open.isEmpty() ? app.fileA : open);
    if (!open.isEmpty() && QString(action.name) != "exit") {
        EXPECT_EQ(deckRows(open), app.deckShown());
    }
    const QString chosen = letter == "B" ? "Bark" : "Amber";
    const QStringList before = SqliteConnection(app.openFile()).rows("SELECT fldID FROM tblNames");
    app.add("cboName", chosen);
    EXPECT_EQ(app.text("txtNotes"), letter + ": " + chosen);
    const QStringList after = SqliteConnection(app.openFile()).rows("SELECT fldNames, fldID FROM tblNames");
    EXPECT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.value(after.size() - 1), chosen + "|" + app.items("lstId").constLast());
}

class EachAction : public ::testing::TestWithParam<int>
{
protected:
    // The points the action reaches with the counting armed, counted in a run of its own; then a
    // trial at each of them, until one fails.
    void atEveryPoint(const Action &action, const std::function<void()> &armCounting,
                      const std::function<void(int at, int points)> &trial)
    {
        int points = 0;
        {
            Campaign app;
            app.setUp(action);
            armCounting();
            action.run(app);
            points = faulty_files::disarm();
            app.dialogs.clear();
        }
        for (int at = 1; at <= points && !HasFailure(); ++at)
            trial(at, points);
    }
};

TEST_P(EachAction, EveryStepFailsInTurnAndTheWindowStaysWholeAndUsable)
{
    const Action &action = actions[GetParam()];
    int runs = 0;
    for (const Kind kind : faulty_files::kinds) {
        atEveryPoint(action, [&] { faulty_files::count(kind); }, [&](int at, int points) {
            for (const bool persistent : {false, true}) {
                SCOPED_TRACE(QString("%1, %2 fault at point %3 of %4")
                                 .arg(faulty_files::names[int(kind)], persistent ? "lasting" : "one", QString::number(at),
                                      QString::number(points))
                                 .toStdString());
                Campaign app;
                app.setUp(action);
                const QString notesBefore = app.window ? app.text("txtNotes") : QString();
                faulty_files::arm(kind, at, persistent);
                action.run(app);
                faulty_files::disarm();
                ++runs;
                check(app, action, notesBefore);
            }
        });
    }
    std::printf("%s: %d fault points run\n", action.name, runs);
}

// What another program does to the catalogue: puts a newer one in its place by renaming it over
// (as a download or zentcat import does), copies a newer one over it where it lies, or deletes it.
struct Outside
{
    const char *name;
    void (*doing)(const QString &catalogue, const QString &newer);
};
const Outside outsides[] = {
    {"renamed over",
     [](const QString &catalogue, const QString &newer) {
         QFile::copy(newer, catalogue + ".download");
         ::rename(QFile::encodeName(catalogue + ".download").constData(), QFile::encodeName(catalogue).constData());
     }},
    {"copied over", [](const QString &catalogue, const QString &newer) { writeFile(catalogue, readFile(newer)); }},
    {"deleted", [](const QString &catalogue, const QString &) { QFile::remove(catalogue); }},
};

// The newer catalogue: cards of its own, and one deck row another run of the program left in it.
QString writeNewer(AppFixture &app)
{
    const QString newer = app.writeCatalogue({card("N", "Nova", "7", "1"), card("N", "Nimbus", "", "", true)}, "newer.znt");
    sqlite3Tool(newer, "INSERT INTO tblNames VALUES ('Nova', 1)");
    return newer;
}

TEST_P(EachAction, TheFileReplacedAtEveryStepAndTheProgramKilledLeavesEveryFileWholeAndNoRowOfOneInAnother)
{
    const Action &action = actions[GetParam()];
    int runs = 0;
    for (const Outside &outside : outsides) {
        atEveryPoint(action, [] { faulty_files::armOutside(0, {}); }, [&](int at, int points) {
            SCOPED_TRACE(QString("%1 after call %2 of %3").arg(outside.name).arg(at).arg(points).toStdString());
            Campaign app;
            const QString newer = writeNewer(app);
            const QStringList newerCards = SqliteConnection(newer).rows("SELECT * FROM tblZentDeck");
            const QStringList newerDeck = SqliteConnection(newer).rows("SELECT * FROM tblNames");
            app.setUp(action);
            // The catalogue the action works on, and a second name for it, to look at the
            // file the program had once another is at its place.
            const QString catalogue = QString(action.name) == "File Open" ? app.fileB : app.fileA;
            const QString had = app.folder.file("had.znt");
            ASSERT_EQ(::link(QFile::encodeName(catalogue).constData(), QFile::encodeName(had).constData()), 0);
            faulty_files::armOutside(at, [&] { outside.doing(catalogue, newer); });
            action.run(app);
            faulty_files::disarm();
            ++runs;

            // Killed now: the next run finds the files as they are, a journal beside them
            // included, and opens them.
            TempDir killed;
            for (const QString suffix : {"", "-journal", "-wal"})
                QFile::copy(catalogue + suffix, killed.file("found.znt" + suffix));
            QFile::copy(had, killed.file("had.znt"));
            const QString found = killed.file("found.znt");
            const bool deleted = QString(outside.name) == "deleted";
            EXPECT_EQ(QFile::exists(found), !deleted);
            if (!deleted) {
                const SqliteConnection next(found);
                EXPECT_EQ(next.rows("PRAGMA integrity_check"), QStringList{"ok"});
                EXPECT_EQ(next.rows("SELECT * FROM tblZentDeck"), newerCards);
                EXPECT_EQ(next.rows("SELECT * FROM tblNames"), newerDeck);
            }
            // The file the program had, unless the newer one's bytes took its place, is whole
            // with its own cards, and its deck holds only rows of the deck shown.
            if (QString(outside.name) != "copied over") {
                const SqliteConnection kept(killed.file("had.znt"));
                EXPECT_EQ(kept.rows("PRAGMA integrity_check"), QStringList{"ok"});
                EXPECT_EQ(kept.rows("SELECT * FROM tblZentDeck"), catalogue == app.fileA ? app.cardsA : app.cardsB);
                const QString shown = app.deckShown();
                for (const QString &row : kept.rows("SELECT fldNames, fldID FROM tblNames"))
                    EXPECT_TRUE(shown.split(' ').contains(row)) << row.toStdString();
            }
            app.dialogs.clear();
        });
    }
    std::printf("%s: %d calls followed by another program's doing\n", action.name, runs);
}

INSTANTIATE_TEST_SUITE_P(Actions, EachAction, ::testing::Range(0, int(std::size(actions))),
                         [](const ::testing::TestParamInfo<int> &action) {
                             return QString(actions[action.param].name).remove(QRegularExpression("[^A-Za-z]")).toStdString();
                         });

} // namespace

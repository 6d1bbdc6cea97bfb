// The name lists, the search and opening catalogues, on catalogue files of the test's own and the
// controls they fill, without a window. What only the window shows (the keyboard's place, the whole card) is the
// window's tests' to check.
#include "CatalogueFixture.h"
#include "catalogue/CardSearch.h"
#include "catalogue/Statements.h"

using catalogue::CardKind;

namespace {

const QList<catalogue_writer::CardRow> cards = {
    {{"fldName", "First"}, {"fldTrainers", "z"}, {"fldHitPoints", "10"}},
    trainer("Beta"),
    {{"fldName", "Kai'ro"}, {"fldTrainers", "z"}, {"fldHitPoints", "70"}},
    {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "1"}},
    {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "2"}},
    {{"fldName", "Z"}, {"fldTrainers", "z "}},
    {{"fldName", "z"}, {"fldTrainers", "z"}}};

QString legacy(const QString &name)
{
    return ZENT_SOURCE_DIR "/tests/data/legacy/" + name;
}

} // namespace

// The name lists hold every name in stored order but the mark of none, and only the catalogue
// open's; the search finds a card of exactly that name or says it was not found.
TEST(NameLists, ListEveryNameInStoredOrderAndTheSearchFindsACardOfExactlyThatName)
{
    OpenCatalogue open(cards);
    EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList({"First", "Kai'ro", "Twin", "Twin", "Z"}));
    EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), QStringList({"Beta", "z "}));
    catalogue::CardSearch search(open.dialogs, nullptr, open.catalogue, open.display);
    const auto find = [&](CardKind kind, const QString &typed, bool notFound = false) {
        open.dialogs.clear();
        open.statements.clear();
        open.dialogs.answerInput(typed);
        if (notFound)
            open.dialogs.answerMessage(ui::MessageAnswer::Ok);
        search.find(kind);
    };

    // The card is shown once, its name set into the list without a click of its own.
    find(CardKind::Creature, "Kai'ro");
    const ui::ScriptedDialogs::Shown &asked = open.dialogs.shown()[0];
    EXPECT_EQ(asked.text, "Enter the Zentari you want to find.");
    EXPECT_EQ(asked.title, "Search Zentari");
    EXPECT_EQ(open.txtHitPoints.text(), "70");
    EXPECT_EQ(open.cboName.currentText(), "Kai'ro");
    EXPECT_EQ(open.statements.texts().filter("SELECT *").size(), 1);

    // Another case, a trailing blank, a trainer's name: not found, and nothing else changes.
    for (const QString miss : {"kai'ro", "Kai'ro ", "Beta"}) {
        find(CardKind::Creature, miss, true);
        ASSERT_EQ(open.dialogs.shown().size(), 2) << miss.toStdString();
        EXPECT_EQ(open.dialogs.shown()[1].box(), "The Zentari, " + miss + ", was not found.\r\nPlease check spelling "
                                                  "and make sure it is a valid Zentari card.|Search Results|-|OK");
        EXPECT_EQ(open.cboName.currentText(), "Kai'ro");
        EXPECT_EQ(open.txtHitPoints.text(), "70");
    }
    find(CardKind::Creature, ""); // Cancel, or nothing typed
    EXPECT_EQ(open.dialogs.shown().size(), 1);

    // A name two rows share shows the first.
    find(CardKind::Creature, "Twin");
    EXPECT_EQ(open.txtHitPoints.text(), "1");
    find(CardKind::Trainer, "First", true);
    EXPECT_EQ(open.dialogs.shown()[0].text, "Enter the Trainer you want to find.");
    EXPECT_EQ(open.dialogs.shown()[0].title, "Search Trainers");
    EXPECT_EQ(open.dialogs.shown()[1].text, "The Trainer, First, was not found.\r\n"
                                            "Please check spelling and make sure it is a valid Trainer card.");
    find(CardKind::Trainer, "Beta");
    EXPECT_EQ(open.cboTrainers.currentText(), "Beta");
    EXPECT_EQ(open.txtHitPoints.text(), "");

    // Another catalogue's names replace them; the text the user left stays.
    open.cboName.setEditText("typed");
    open.open(open.write({creature("Delta"), trainer("Echo")}, "other.znt"));
    EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList({"Delta"}));
    EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), QStringList({"Echo"}));
    EXPECT_EQ(open.cboName.currentText(), "typed");
}

// Catalogues the program cannot use in place: legacy (Access-format) files, turned by the
// catalogue tool into a private working copy, on which everything works; the legacy file is never
// written, and the copy lives to the end of the run. A file of neither kind is no catalogue.
TEST(CatalogueOpening, LegacyCataloguesOfEachFormatAreUsedAsTheProgramsOwnAndNeverWritten)
{
    OpenCatalogue open({creature("Alpha")});
    open.statements.clear();
    open.open(ZENT_PROGRAM_DIR "/zentdeck.znt");
    const QStringList creatures = OpenCatalogue::names(open.cboName), trainers = OpenCatalogue::names(open.cboTrainers);
    ASSERT_TRUE(creatures.contains("Élanwisp") && trainers.contains("Véra the Scholar"));
    const QStringList sent = open.statements.texts();

    QStringList copies;
    for (const char *name : {"bundled-2000.znt", "bundled-2003.znt", "bundled-2010.znt"}) {
        SCOPED_TRACE(name);
        const QByteArray before = digest(legacy(name));
        open.statements.clear();
        open.open(legacy(name));
        // The same names in the same order, read with the same statements.
        EXPECT_EQ(OpenCatalogue::names(open.cboName), creatures);
        EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), trainers);
        EXPECT_EQ(open.statements.texts(), sent);
        const QString copy = open.catalogue.database().path();
        EXPECT_TRUE(copy.startsWith(open.temporary.path()));
        EXPECT_EQ(open.catalogue.cardControl().databaseName(), copy);
        EXPECT_EQ(digest(legacy(name)), before);
        open.catalogue.execute(catalogue::statements::addCopy(name, 1));
        copies << copy;
    }
    // A file opened again after another is opened from its copy, its deck as it was left.
    open.open(legacy("bundled-2000.znt"));
    EXPECT_EQ(open.catalogue.database().path(), copies.first());
    EXPECT_EQ(deckRows(copies.first()), "bundled-2000.znt|1");

    // An empty file or a device is no catalogue: everything stays on the one open.
    QFile(open.folder.file("empty.znt")).open(QIODevice::WriteOnly);
    QFile::link("/dev/zero", open.folder.file("zero.znt"));
    for (const char *bad : {"empty.znt", "zero.znt"}) {
        open.open(open.folder.file(bad));
        EXPECT_EQ(open.catalogue.database().path(), copies.first()) << bad;
        EXPECT_EQ(open.catalogue.deckControl().databaseName(), copies.first());
        EXPECT_EQ(OpenCatalogue::names(open.cboName), creatures);
    }
    EXPECT_EQ(QFileInfo(open.folder.file("empty.znt")).size(), 0);

    // A card table without row numbers is read in the order it keeps its rows.
    sqlite3Tool(open.folder.file("keyed.znt"),
                "CREATE TABLE tblZentDeck (fldName TEXT, fldTrainers TEXT, PRIMARY KEY (fldName, fldTrainers)) "
                "WITHOUT ROWID; INSERT INTO tblZentDeck VALUES ('z', 'Beta'), ('Gamma', 'z'), ('Alpha', 'z');");
    open.open(open.folder.file("keyed.znt"));
    EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList({"Alpha", "Gamma"}));
    EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), QStringList{"Beta"});
}

TEST(CatalogueOpening, ADamagedFileOrAFailingToolIsAFailedOpenThatLeavesNoCopy)
{
    const QByteArray bytes = readFile(legacy("bundled-2000.znt"));
    struct Case
    {
        const char *what;
        QByteArray file;
        QByteArray tool; // a script standing in for the catalogue tool, or the real one
    };
    const Case cases[] = {
        {"truncated", bytes.left(bytes.size() / 3), {}},
        {"a tool that hangs", bytes, "#!/bin/sh\nexec sleep 60\n"},
        {"a tool that crashes", bytes, "#!/bin/sh\nkill -SEGV $$\n"},
        {"no tool", bytes, "none"},
    };
    for (const Case &bad : cases) {
        SCOPED_TRACE(bad.what);
        TempDir tools;
        catalogue::CatalogueTool tool{ZENT_PROGRAM_DIR "/zentcat"};
        if (!bad.tool.isEmpty()) {
            tool = {tools.file("zentcat"), 500};
            ASSERT_TRUE(bad.tool == "none" || writeProgram(tool.path, bad.tool));
        }
        OpenCatalogue open({creature("Alpha"), trainer("Beta")}, {}, tool);
        const QString damaged = open.folder.file("damaged.znt");
        ASSERT_TRUE(writeFile(damaged, bad.file));
        open.open(damaged);
        EXPECT_EQ(open.catalogue.database().path(), open.file);
        EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList{"Alpha"});
        EXPECT_EQ(filesUnder(open.temporary.path(), QDir::Files), QStringList());
        EXPECT_EQ(readFile(damaged), bad.file);
    }
}

// The program started twice on one catalogue: the second copy works on a copy of the file as it
// was, so the two never share a deck row, and the file holds the first copy's deck alone.
TEST(CatalogueOpening, ASecondRunningCopyKeepsADeckOfItsOwn)
{
    OpenCatalogue first({creature("Alpha")});
    first.catalogue.execute(catalogue::statements::addCopy("Alpha", 1));
    OpenCatalogue second({creature("Other")}); // a second process, with an engine of its own
    second.open(first.file);
    const QString copy = second.catalogue.database().path();
    EXPECT_TRUE(copy.startsWith(second.temporary.path()));
    EXPECT_EQ(second.catalogue.deckControl().databaseName(), copy);
    EXPECT_EQ(deckRows(copy), "Alpha|1");
    second.catalogue.execute(catalogue::statements::addCopy("Gamma", 1));
    second.catalogue.execute(catalogue::statements::deleteCopy("1"));
    EXPECT_EQ(deckRows(first.file), "Alpha|1");
    EXPECT_EQ(deckRows(copy), "");
}

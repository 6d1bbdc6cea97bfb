// Catalogues and pictures as a hostile user might make them: the load always finishes, the
// window always fits, nothing is misread, and loading never writes the catalogue file.
#include "AppFixture.h"
#include "Sqlite3Tool.h"
#include "catalogue/Statements.h"
#include "platform/db/Cursor.h"
#include "platform/ui/PictureBox.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLayout>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace catalogue;

namespace {

QByteArray digest(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
                                          : QByteArray();
}

void makePipe(const QString &path)
{
    ASSERT_EQ(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
}

// Opens the window on the program folder as it is, and checks that it opened as the user
// would see it: shown, silent, counters at 0.
void openSilently(AppFixture &app)
{
    frmZentMain &main = app.showMainWindow();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(app.text("lblFighting"), "0");
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
}

// Whether the display statement for the name finds the name's own row in the file.
bool displayFinds(const QString &file, const QString &name)
{
    const db::Database database = db::Database::open(file);
    auto found = database.openCursor(statements::showCreature(name));
    return !found->eof() && found->value("fldName") == name;
}

} // namespace

TEST(HostileCatalogue, TheLoadFinishesWhateverTheFilesAre)
{
    AppFixture pipeAsCatalogue;
    makePipe(pipeAsCatalogue.folder.file("zentdeck.znt"));
    openSilently(pipeAsCatalogue);
    EXPECT_EQ(pipeAsCatalogue.items("cboName"), QStringList());

    AppFixture pipeAsPicture;
    const QString file = pipeAsPicture.writeCatalogue({{{"fldName", "Alpha"}, {"fldTrainers", "z"},
                                                        {"fldImage", "pictures\\pipe.png"}}});
    QFile::remove(pipeAsPicture.folder.file("pictures/pipe.png"));
    makePipe(pipeAsPicture.folder.file("pictures/pipe.png"));
    const QByteArray before = digest(file);
    openSilently(pipeAsPicture);
    EXPECT_EQ(pipeAsPicture.items("cboName"), QStringList{"Alpha"});
    EXPECT_FALSE(pipeAsPicture.control<ui::PictureBox>("imgZents")->hasPicture());
    EXPECT_EQ(digest(file), before);
}

TEST(HostileCatalogue, AFileThatIsNoCatalogueIsNotOpenedAndOddTablesAreReadInStoredOrder)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    QFile(app.folder.file("empty.znt")).open(QIODevice::WriteOnly);
    QFile::link("/dev/zero", app.folder.file("zero.znt"));
    makePipe(app.folder.file("pipe.znt"));
    sqlite3Tool(app.folder.file("tables.znt"), "CREATE TABLE tblZentDeck (fldName TEXT)");
    for (const char *bad : {"empty.znt", "zero.znt", "pipe.znt", "tables.znt"}) {
        app.dialogs.answerOpen(app.folder.file(bad));
        main.mnuFileOpen_Click();
        EXPECT_EQ(main.catalogueInUse().database().path(), file) << bad;
        EXPECT_EQ(app.items("cboName"), QStringList({"Alpha", "Gamma"})) << bad;
    }
    // Exit empties the deck of the catalogue that is open, and no other file.
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Alpha', 1)");
    main.close();
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(QFileInfo(app.folder.file("empty.znt")).size(), 0);

    // A table without row numbers, and one with a column of its own named rowid.
    const QString names = "CREATE TABLE tblNames (fldNames TEXT, fldID INTEGER);";
    sqlite3Tool(app.folder.file("keyed.znt"),
                names + "CREATE TABLE tblZentDeck (fldName TEXT, fldTrainers TEXT, fldImage TEXT, "
                        "PRIMARY KEY (fldName, fldTrainers)) WITHOUT ROWID;"
                        "INSERT INTO tblZentDeck VALUES ('Alpha', 'z', ''), ('z', 'Beta', '');");
    sqlite3Tool(app.folder.file("rowid.znt"),
                names + "CREATE TABLE tblZentDeck (rowid INTEGER, fldName TEXT, fldTrainers TEXT, "
                        "fldImage TEXT); INSERT INTO tblZentDeck VALUES "
                        "(3, 'Alpha', 'z', ''), (2, 'z', 'Beta', ''), (1, 'Gamma', 'z', '');");
    const QStringList expected[] = {{"Alpha"}, {"Alpha", "Gamma"}};
    int i = 0;
    for (const char *odd : {"keyed.znt", "rowid.znt"}) {
        app.dialogs.answerOpen(app.folder.file(odd));
        main.mnuFileOpen_Click();
        EXPECT_EQ(app.items("cboName"), expected[i++]) << odd;
        EXPECT_EQ(app.items("cboTrainers"), QStringList{"Beta"}) << odd;
    }
}

TEST(HostileCatalogue, ADamagedPageKeepsTheNamesReadBeforeIt)
{
    AppFixture app;
    QList<catalogue_writer::CardRow> rows;
    for (int i = 0; i < 2000; ++i)
        rows.append({{"fldName", QString("Card %1").arg(i)}, {"fldTrainers", "z"}, {"fldNotes", QString(40, 'n')}});
    const QString file = app.writeCatalogue(rows);
    const QStringList pages = sqlite3Tool(file, "SELECT pageno FROM dbstat WHERE name = 'tblZentDeck' "
                                                "AND pagetype = 'leaf' ORDER BY pageno").split('\n');
    ASSERT_GT(pages.size(), 10);
    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.seek((pages[pages.size() / 2].toLongLong() - 1) * 4096);
    damaged.write(QByteArray(4096, '\xee'));
    damaged.close();
    const QByteArray before = digest(file);

    openSilently(app);
    const QStringList listed = app.items("cboName");
    ASSERT_GT(listed.size(), 100);
    EXPECT_LT(listed.size(), 2000);
    EXPECT_EQ(listed.first(), "Card 0");
    EXPECT_EQ(digest(file), before);
}

TEST(HostileCatalogue, NamesAreShownAndFoundExactlyAsStored)
{
    AppFixture app;
    // The program's own folder may hold a "\": only the catalogue's picture path reads it as a
    // folder separator.
    app.context.programFolder = app.folder.file("cards\\2024");
    const QString bom = QString(QChar(0xFEFF)) + "Mark";
    const QString nul = QString("Nu") + QChar(0) + "ll";
    const QString longName = QString(301, 'L');
    const QString file = app.writeCatalogue({{{"fldName", bom}, {"fldTrainers", "z"}, {"fldImage", "pictures\\bom.png"}},
                                             {{"fldName", nul}, {"fldTrainers", "z"}},
                                             {{"fldName", longName}, {"fldTrainers", "z"}},
                                             {{"fldName", "z"}, {"fldTrainers", QString(5'000'000, 'T')}}});
    const QByteArray before = digest(file);
    openSilently(app);
    EXPECT_EQ(app.items("cboName"), QStringList({bom, nul, longName}));
    EXPECT_TRUE(app.control<ui::PictureBox>("imgZents")->hasPicture());
    for (const QString &name : {bom, nul})
        EXPECT_TRUE(displayFinds(file, name));
    EXPECT_EQ(statements::showCreature("Alpha"), " SELECT * FROM tblZentDeck  WHERE fldName =  'Alpha' ");

    // Long names are cut, never widen the window.
    app.window->layout()->activate();
    EXPECT_EQ(app.window->size(), QSize(1000, 700));
    EXPECT_LE(app.window->minimumSizeHint().width(), 1000);
    EXPECT_EQ(digest(file), before);
}

// Catalogues and pictures as a hostile user might make them: the load always finishes, the
// window always fits, nothing is misread, and loading never writes the catalogue file.
#include "AppFixture.h"

namespace {

// Opens the window on the program folder as it is: it must open, silently, and read without
// writing.
void openSilently(AppFixture &app, const QString &catalogue)
{
    const QByteArray before = digest(catalogue);
    EXPECT_TRUE(app.showMainWindow().isVisible());
    EXPECT_EQ(app.text("txtCount"), "0");
    EXPECT_EQ(digest(catalogue), before);
}

// Every question answered Yes, every name asked for is the first card's, every open dialog
// chooses the catalogue; the hostile catalogues decide which boxes come.
struct AnswerYes : ui::Dialogs
{
    QString catalogue;
    ui::MessageAnswer messageBox(QWidget *, const ui::MessageBoxRequest &) override { return ui::MessageAnswer::Yes; }
    QString inputBox(QWidget *, const QString &, const QString &) override { return "Ash"; }
    bool showOpen(QWidget *, ui::CommonDialogSettings &settings) override
    {
        settings.fileName = catalogue;
        return true;
    }
    bool showSave(QWidget *, ui::CommonDialogSettings &) override { return false; }
    bool showPrinter(QWidget *, ui::CommonDialogSettings &, QPrinter &) override { return false; }
    bool showFont(QWidget *, ui::CommonDialogSettings &) override { return false; }
    bool showColor(QWidget *, ui::CommonDialogSettings &) override { return false; }
};

// The kinds of hostile catalogue, each a name and the statements that make it of an ordinary one.
QList<std::pair<QString, QString>> hostileKinds()
{
    const QString text = QString::fromUtf8(readFile(ZENT_SOURCE_DIR "/tests/data/hostile-schemas.sql"));
    static const QRegularExpression kind("^-- kind: (.*)$", QRegularExpression::MultilineOption);
    QList<std::pair<QString, QString>> kinds;
    for (auto found = kind.globalMatch(text); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        const qsizetype end = text.indexOf("\n-- kind: ", match.capturedEnd());
        kinds.append({match.captured(1), text.mid(match.capturedEnd(), end < 0 ? -1 : end - match.capturedEnd())});
    }
    return kinds;
}

} // namespace

TEST(HostileCatalogue, TheLoadFinishesWhateverTheFilesAre)
{
    // Missing, empty or a pipe: the window opens with empty lists. (That opening makes no
    // missing file is the database's tests' to check.)
    for (const char *kind : {"missing", "empty", "pipe"}) {
        AppFixture app;
        const QString file = app.folder.file("zentdeck.znt");
        if (kind == QString("empty"))
            app.writeCatalogue({});
        ASSERT_TRUE(kind != QString("pipe") || makePipe(file));
        if (kind != QString("empty"))
            app.expectPassedOver("the catalogue cursor is not open");
        openSilently(app, file);
        EXPECT_EQ(app.items("cboName"), QStringList()) << kind;
    }
    AppFixture pipeAsPicture;
    const QString file = pipeAsPicture.writeCatalogue(
        {{{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldImage", "pictures\\pipe.png"}}});
    ASSERT_TRUE(makePipe(pipeAsPicture.folder.file("pictures/pipe.png")));
    openSilently(pipeAsPicture, file);
    EXPECT_EQ(pipeAsPicture.items("cboName"), QStringList{"Alpha"});
    EXPECT_FALSE(pipeAsPicture.control<ui::PictureBox>("imgZents")->hasPicture());
    pipeAsPicture.choose("cboName", "Alpha"); // a browsed picture as well
    EXPECT_FALSE(pipeAsPicture.control<ui::PictureBox>("imgZents")->hasPicture());

    // A catalogue without a working deck is opened (at start; File > Open takes the same way), and
    // its deck statements fail silently.
    AppFixture app;
    sqlite3Tool(app.folder.file("zentdeck.znt"),
                "CREATE TABLE tblZentDeck (fldName TEXT, fldTrainers TEXT, fldImage TEXT, fldHitPoints TEXT);"
                "INSERT INTO tblZentDeck VALUES ('Delta', 'z', '', '90'), ('z', 'Echo', '', '');");
    frmZentMain &main = app.showMainWindow();
    EXPECT_EQ(app.items("cboName"), QStringList{"Delta"});
    EXPECT_EQ(app.items("cboTrainers"), QStringList{"Echo"});
    app.choose("cboName", "Delta");
    EXPECT_EQ(app.text("txtHitPoints"), "90");
    // Its copies are counted from nothing; every one is listed, none kept.
    app.expectPassedOver("no such table: tblNames");
    app.expectPassedOver("the working-deck cursor is not open");
    for (int i = 0; i < 5; ++i)
        main.cmdAdd2Deck_Click();
    EXPECT_EQ(app.items("lstZents").count("Delta"), 5);
    EXPECT_EQ(app.dialogs.shownTexts(), QStringList());
}

TEST(HostileCatalogue, NamesAreShownAndFoundExactlyAsStoredAndTheWindowFits)
{
    AppFixture app;
    // The program's own folder may hold a "\": only the catalogue's picture path reads it as a
    // folder separator.
    app.context.programFolder = app.folder.file("cards\\2024");
    const QString bom = QChar(0xFEFF) + QString("Mark"), nul = QString("Nu") + QChar(0) + "ll";
    const QString longName = QString(301, 'L');
    const QString file = app.writeCatalogue({{{"fldName", bom}, {"fldTrainers", "z"}, {"fldImage", "pictures\\bom.png"}},
                                             {{"fldName", nul}, {"fldTrainers", "z"}, {"fldHitPoints", "2"}},
                                             {{"fldName", longName}, {"fldTrainers", "z"}, {"fldHitPoints", "3"}},
                                             {{"fldName", "z"}, {"fldTrainers", QString(5'000'000, 'T')}}});
    openSilently(app, file);
    EXPECT_EQ(app.items("cboName"), QStringList({bom, nul, longName}));
    EXPECT_TRUE(app.control<ui::PictureBox>("imgZents")->hasPicture());
    // Each name finds its own row again.
    for (const auto &[name, hitPoints] : {std::pair{nul, "2"}, std::pair{longName, "3"}, std::pair{bom, ""}}) {
        app.choose("cboName", name);
        EXPECT_EQ(app.text("txtHitPoints"), hitPoints);
    }
    EXPECT_EQ(app.statements.texts().last(), " SELECT * FROM tblZentDeck  WHERE fldName =  '" + bom + "' ");
    // Long names are cut, never widen the window.
    app.window->adjustSize();
    EXPECT_LE(app.window->width(), 1000);
    EXPECT_LE(app.window->minimumSizeHint().width(), 1000);
}

// A catalogue passed between players is data: whatever its schema holds (triggers, views and
// virtual tables in place of tables, never-ending queries, generated and indexed expressions,
// unknown functions and collations, huge and deeply nested values), every action of the window
// finishes, nothing of the file runs, and its card table stays as it was, byte for byte. The
// longest action is printed for each kind.
TEST(HostileCatalogue, NothingInACatalogueActsHangsOrChangesItsCards)
{
    const auto kinds = hostileKinds();
    ASSERT_EQ(kinds.size(), 15);
    for (const auto &[name, statements] : kinds) {
        SCOPED_TRACE(name.toStdString());
        TempDir folder;
        const QString file = folder.file("zentdeck.znt");
        ASSERT_TRUE(catalogue_writer::writeCatalogue(file, {creature("Ash", "1", "1"), creature("Ashling", "1", "2"),
                                                            creature("Ashlord", "1", "3"), trainer("Beta")}));
        sqlite3Tool(file, statements);
        const QString cards = sqlite3Tool(file, ".dump tblZentDeck");
        AnswerYes dialogs;
        dialogs.catalogue = file;
        sys::Registry registry;
        HeardFailures heard;
        const db::Engine engine;
        QElapsedTimer loading;
        loading.start();
        frmZentMain main(AppContext{dialogs, registry, engine, folder.path(), {}, nullptr, &heard});
        main.show();
        qint64 longest = loading.elapsed();
        const std::pair<const char *, std::function<void()>> actions[] = {
            {"choose", [&] { main.findChild<QComboBox *>("cboName")->setCurrentText("Ash"); main.cboName_Click(); }},
            {"add a set", [&] { main.cmdAdd2Deck_Click(); }},
            {"add a trainer", [&] { main.findChild<QComboBox *>("cboTrainers")->setCurrentText("Beta"); main.cmdAddTrainers_Click(); }},
            {"delete", [&] { main.findChild<QListWidget *>("lstZents")->setCurrentRow(0); main.cmdDeleteZent_Click(); }},
            {"find", [&] { main.mnuFindZentari_Click(); }},
            {"report", [&] {
                 QTimer::singleShot(0, &main, [&] { if (main.previewShown()) main.previewShown()->close(); });
                 main.mnuFileOutput_Click();
             }},
            {"clear", [&] { main.cmdClear_Click(); }},
            {"open", [&] { main.mnuFileOpen_Click(); }},
            {"exit", [&] { main.mnuFileExit_Click(); }},
        };
        // Where the deck table takes the program's writes, it holds the deck shown, no row more.
        // It refuses them where it is no table, where its check calls a function no program
        // defines, or where the engine cannot take the file's schema.
        const QStringList refusingWrites = {"the deck table is", "a check on the deck table", "a generated column",
                                            "a check on the card table"};
        const bool deckWritten = std::none_of(refusingWrites.begin(), refusingWrites.end(),
                                              [&](const QString &kind) { return name.startsWith(kind); });
        const auto &lstZents = *main.findChild<QListWidget *>("lstZents"), &lstId = *main.findChild<QListWidget *>("lstId");
        for (const auto &[action, run] : actions) {
            QElapsedTimer timer;
            timer.start();
            run();
            longest = std::max(longest, timer.elapsed());
            EXPECT_EQ(sqlite3Tool(file, ".dump tblZentDeck"), cards) << action;
            if (deckWritten) {
                EXPECT_EQ(deckRows(file), deckListed(lstZents, lstId)) << action;
            }
        }
        std::printf("%s: longest action %lld ms\n", qPrintable(name), longest);
    }
}

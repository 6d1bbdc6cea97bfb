#include "AppFixture.h"

using ui::MessageAnswer;

TEST(MainWindow, LoadListsNamesInStoredOrderAndShowsTheFirstCardAndExitAsksAndEmptiesTheDeckOnYes)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    // Rows left behind by an earlier run stay until this run's window closes.
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Left over', 3)");
    // The first picture comes from the program's folder, whatever the current folder is.
    QDir::setCurrent(QDir::rootPath());
    frmZentMain &main = app.showMainWindow();

    EXPECT_EQ(app.text("cboName"), "Alpha");
    EXPECT_EQ(app.text("cboTrainers"), "");
    EXPECT_TRUE(app.control<ui::PictureBox>("imgZents")->hasPicture());
    EXPECT_EQ(app.text("txtAtck2"), "Blaze");
    EXPECT_EQ(app.text("txtImagePath"), "pictures\\alpha.png");

    // Exit asks; No keeps the window and the deck, Yes empties it.
    app.dialogs.answerMessage(MessageAnswer::No);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(app.dialogs.shown().size(), 1);
    EXPECT_EQ(app.dialogs.shown()[0].box(), "Are you sure you want to exit?|Exit?|-|Yes No");
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(deckRows(file), "Left over|3");
    app.dialogs.answerMessage(MessageAnswer::Yes);
    main.mnuFileExit_Click();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(deckRows(file), "");
    EXPECT_EQ(app.statements.texts().last(), "DELETE * FROM tblNames");
}

TEST(MainWindow, FileOpenReplacesTheCatalogueAndKeepsTheDeck)
{
    AppFixture app;
    const QString first = app.writeCatalogue(alphaBetaGamma());
    const QString second = app.writeCatalogue({creature("Delta"), trainer("Epsilon")}, "other.znt");
    sqlite3Tool(second, "INSERT INTO tblNames VALUES ('Delta', 1)");
    frmZentMain &main = app.showMainWindow();
    main.workingDeckInUse().addCopy("Alpha", deck::InsertForm::Chosen);

    app.dialogs.answerOpen(second);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_O, Qt::ControlModifier);
    const ui::CommonDialogSettings &shown = app.dialogs.shown()[0].settings;
    EXPECT_EQ(shown.dialogTitle, "Please Select Database");
    EXPECT_EQ(shown.filter, "Zentari Database (*.znt)|*.znt");
    EXPECT_EQ(shown.initDir, app.folder.path());
    // The lists hold the new catalogue's names (below); the card shown, the deck and the new
    // file's working deck stay as they were.
    EXPECT_EQ(app.text("cboName"), "Alpha");
    EXPECT_EQ(app.text("txtHitPoints"), "60");
    EXPECT_EQ(app.items("lstZents"), QStringList{"Alpha"});
    EXPECT_EQ(app.text("txtCount"), "1");
    EXPECT_EQ(deckRows(second), "Delta|1");

    // A cancelled dialog changes nothing; the dialog kept the previous choice. (The toolbar's
    // Open is File > Open, and runs it once.)
    app.dialogs.cancel(ui::ScriptedDialogs::Kind::Open);
    QTest::mouseClick(app.control<QToolButton>("Open"), Qt::LeftButton);
    ASSERT_EQ(app.dialogs.shown().size(), 2);
    EXPECT_EQ(app.dialogs.shown()[1].settings.fileName, second);
    EXPECT_EQ(app.items("cboName"), QStringList({"Delta"}));

    main.close();
    EXPECT_EQ(deckRows(second), "");
    EXPECT_EQ(deckRows(first), "Alpha|1");
}

TEST(MainWindow, TheKeyboardReachesItsCommands)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    // Enter presses Add Zentari except in a box that takes it as a new line, on a focused
    // button (which it presses), or with Ctrl; Ctrl+V is the menu's, not the text box's paste
    // (an empty deck shows no report).
    QSignalSpy adds(app.control<QPushButton>("cmdAdd2Deck"), &QPushButton::clicked);
    QSignalSpy clears(app.control<QPushButton>("cmdClear"), &QPushButton::clicked);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_Return);
    QTest::keyClick(app.control<QWidget>("txtNotes"), Qt::Key_Return);
    QTest::keyClick(app.control<QWidget>("txtLevel"), Qt::Key_Return, Qt::ControlModifier);
    app.control<QWidget>("cmdClear")->setFocus();
    QTest::keyClick(app.control<QWidget>("cmdClear"), Qt::Key_Return);
    EXPECT_EQ(adds.count(), 1);
    EXPECT_EQ(clears.count(), 1);
    main.cmdClear_Click();
    QSignalSpy output(app.control<QAction>("mnuFileOutput"), &QAction::triggered);
    QTest::keyClick(app.control<QWidget>("txtType"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(output.count(), 1);
}

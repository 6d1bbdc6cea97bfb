#include "AppFixture.h"
#include "Sqlite3Tool.h"
#include "catalogue/Statements.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ui;
using namespace db;
using namespace sys;
using namespace catalogue;

namespace {

QStringList items(const QComboBox *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->itemText(i);
    return names;
}

QStringList energyTexts(const AppFixture &app)
{
    QStringList texts;
    for (const char *name : {"lblFighting", "lblFire", "lblWater", "lblElectric", "lblGrass",
                             "lblPsychic", "lblColorless"})
        texts << app.control<QLabel>(name)->text();
    texts << app.control<QLineEdit>("txtCount")->text();
    return texts;
}

const QStringList allZero(8, "0");

} // namespace

TEST(MainWindow, LoadListsNamesInStoredOrderAndShowsTheFirstCard)
{
    AppFixture app;
    QList<catalogue_writer::CardRow> rows = alphaBetaGamma();
    rows.append({{"fldName", "Z"}, {"fldTrainers", "z "}});
    rows.append({{"fldName", "Aardvark"}, {"fldTrainers", "z"}});
    const QString file = app.writeCatalogue(rows);
    // Rows left behind by an earlier run stay until this run's window closes.
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Left over', 3)");
    // The first picture comes from the program's folder, whatever the current folder is.
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    frmZentMain &main = app.openMainWindow();
    QDir::setCurrent(before);

    EXPECT_EQ(main.windowTitle(), "Zentari Deck Builder");
    EXPECT_EQ(items(app.control<QComboBox>("cboName")),
              QStringList({"Alpha", "Gamma", "Z", "Aardvark"}));
    EXPECT_EQ(items(app.control<QComboBox>("cboTrainers")), QStringList({"Beta", "z "}));
    EXPECT_EQ(app.control<QComboBox>("cboName")->currentText(), "Alpha");
    EXPECT_EQ(app.control<QComboBox>("cboTrainers")->currentText(), "");
    main.show();
    EXPECT_EQ(app.control<QComboBox>("cboTrainers")->currentText(), "");
    EXPECT_TRUE(app.control<PictureBox>("imgZents")->hasPicture());
    EXPECT_EQ(app.control<QLineEdit>("txtHitPoints")->text(), "60");
    EXPECT_EQ(app.control<QLineEdit>("txtType")->text(), "Fire");
    EXPECT_EQ(app.control<QLineEdit>("txtAtck1")->text(), "Ember");
    EXPECT_EQ(app.control<QLineEdit>("txtAtck2")->text(), "Blaze");
    EXPECT_EQ(app.control<QLineEdit>("txtImagePath")->text(), "pictures\\alpha.png");
    EXPECT_EQ(app.control<QLineEdit>("txtGroupLev")->text(), "1");
    EXPECT_EQ(energyTexts(app), allZero);
    EXPECT_TRUE(app.control<QAction>("mnuFileOutput")->isEnabled());
    EXPECT_TRUE(app.control<KeyedToolBar>("Toolbar1")->button("ViewPrint")->isEnabled());
    EXPECT_EQ(sqlite3Tool(file, "SELECT fldNames FROM tblNames"), "Left over");

    main.close();
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(app.statements.texts().last(), "DELETE * FROM tblNames");
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
}

TEST(MainWindow, OpensSilentlyWithoutAUsableCatalogue)
{
    const auto check = [](AppFixture &app) {
        frmZentMain &main = app.openMainWindow();
        EXPECT_EQ(app.control<QComboBox>("cboName")->count(), 0);
        EXPECT_EQ(app.control<QComboBox>("cboName")->currentText(), "");
        EXPECT_FALSE(app.control<PictureBox>("imgZents")->hasPicture());
        EXPECT_EQ(app.control<QLineEdit>("txtHitPoints")->text(), "");
        EXPECT_EQ(energyTexts(app), allZero);
        EXPECT_TRUE(app.control<QAction>("mnuFileOutput")->isEnabled());
        EXPECT_TRUE(app.control<QAction>("mnuFindZentari")->isEnabled());
        main.close();
        EXPECT_TRUE(app.dialogs.shown().isEmpty());
    };
    AppFixture missing;
    check(missing);
    EXPECT_FALSE(QFile::exists(missing.folder.file("zentdeck.znt")));

    AppFixture empty;
    empty.writeCatalogue({});
    check(empty);

    AppFixture foreign;
    QFile junk(foreign.folder.file("zentdeck.znt"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    check(foreign);

    // A catalogue that starts with a trainer shows it, and no "z" in the creature list's text.
    AppFixture trainerFirst;
    QList<catalogue_writer::CardRow> rows = alphaBetaGamma();
    rows.move(1, 0);
    trainerFirst.writeCatalogue(rows);
    trainerFirst.openMainWindow();
    EXPECT_EQ(trainerFirst.control<QComboBox>("cboName")->currentText(), "");
    EXPECT_EQ(trainerFirst.control<QComboBox>("cboTrainers")->currentText(), "Beta");
    EXPECT_EQ(trainerFirst.control<QTextEdit>("txtNotes")->toPlainText(), "Draw 2 cards.");
}

TEST(MainWindow, ExitAsksAndEmptiesTheDeckOnlyOnYes)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Alpha', 1)");
    frmZentMain &main = app.showMainWindow();

    app.dialogs.answerMessage(MessageAnswer::No);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(app.dialogs.shown().size(), 1);
    const ScriptedDialogs::Shown &box = app.dialogs.shown()[0];
    EXPECT_EQ(box.text, "Are you sure you want to exit?");
    EXPECT_EQ(box.title, "Exit?");
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(sqlite3Tool(file, "SELECT fldNames FROM tblNames"), "Alpha");

    app.dialogs.answerMessage(MessageAnswer::Yes);
    main.mnuFileExit_Click();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblNames"), "0");
    // Sent by the menu and again by the unload.
    EXPECT_EQ(app.statements.texts().filter("DELETE").size(), 2);
}

TEST(MainWindow, FileOpenReplacesTheCatalogueAndKeepsTheDeck)
{
    AppFixture app;
    const QString first = app.writeCatalogue(alphaBetaGamma());
    const QString second = app.writeCatalogue(
        {{{"fldName", "Delta"}, {"fldTrainers", "z"}, {"fldHitPoints", "90"}},
         {{"fldName", "z"}, {"fldTrainers", "Epsilon"}}},
        "other.znt");
    sqlite3Tool(second, "INSERT INTO tblNames VALUES ('Delta', 1)");
    frmZentMain &main = app.showMainWindow();
    auto *lstZents = app.control<QListWidget>("lstZents");
    lstZents->addItem("Alpha");

    app.dialogs.answerOpen(second);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(app.dialogs.shown().size(), 1);
    const CommonDialogSettings &shown = app.dialogs.shown()[0].settings;
    EXPECT_EQ(shown.dialogTitle, "Please Select Database");
    EXPECT_EQ(shown.filter, "Zentari Database (*.znt)|*.znt");
    EXPECT_EQ(shown.initDir, app.folder.path());
    EXPECT_EQ(items(app.control<QComboBox>("cboName")), QStringList({"Delta"}));
    EXPECT_EQ(items(app.control<QComboBox>("cboTrainers")), QStringList({"Epsilon"}));
    // The card shown, the deck and the new file's working deck stay as they were.
    EXPECT_EQ(app.control<QComboBox>("cboName")->currentText(), "Alpha");
    EXPECT_EQ(app.control<QLineEdit>("txtHitPoints")->text(), "60");
    EXPECT_EQ(lstZents->count(), 1);
    EXPECT_EQ(energyTexts(app), allZero);
    EXPECT_EQ(sqlite3Tool(second, "SELECT fldNames FROM tblNames"), "Delta");
    EXPECT_EQ(main.catalogueInUse().database().path(), second);

    // A cancelled dialog changes nothing; the dialog kept the previous choice.
    app.dialogs.cancel(ScriptedDialogs::Kind::Open);
    main.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(app.dialogs.shown()[1].settings.fileName, second);
    EXPECT_EQ(items(app.control<QComboBox>("cboName")), QStringList({"Delta"}));

    // A file that cannot be opened keeps the previous catalogue for the lists; the cards shown
    // next are looked for in the chosen file.
    app.dialogs.answerOpen(app.folder.file("missing.znt"));
    main.mnuFileOpen_Click();
    EXPECT_EQ(main.catalogueInUse().database().path(), second);
    EXPECT_EQ(main.catalogueInUse().datZents().databaseName(), app.folder.file("missing.znt"));
    EXPECT_EQ(main.catalogueInUse().datNames().databaseName(), app.folder.file("missing.znt"));
    EXPECT_EQ(items(app.control<QComboBox>("cboName")), QStringList({"Delta"}));
    EXPECT_FALSE(QFile::exists(app.folder.file("missing.znt")));

    main.close();
    EXPECT_EQ(sqlite3Tool(second, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(sqlite3Tool(first, "SELECT count(*) FROM tblNames"), "0");
}

TEST(MainWindow, ToolbarKeysRunTheirMenuCommandsAndOthersNothing)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();

    app.dialogs.cancel(ScriptedDialogs::Kind::Open);
    main.Toolbar1_ButtonClick("Open");
    EXPECT_EQ(app.dialogs.shown().size(), 1);
    for (const char *key : {"open", "OPEN", "", "Arrow", "Help "})
        main.Toolbar1_ButtonClick(key);
    EXPECT_EQ(app.dialogs.shown().size(), 1);

    // Help opens the about box modally; it is closed again from inside its own event loop.
    QString title;
    QTimer::singleShot(0, [&] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            title = about->windowTitle();
            about->close();
        }
    });
    main.Toolbar1_ButtonClick("Help");
    EXPECT_EQ(title, "About ZentDeckBuilder");
    QCoreApplication::processEvents();
    const QWidget *focus = QApplication::focusWidget();
    auto *cboName = app.control<QComboBox>("cboName");
    EXPECT_TRUE(focus == cboName || (focus && focus->parentWidget() == cboName))
        << (focus ? focus->metaObject()->className() : "no focus");
}

TEST(MainWindow, EnterPressesAddZentariAndTheFramesStartWithAttackOne)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    auto *add = app.control<QPushButton>("cmdAdd2Deck");
    QSignalSpy clicks(add, &QPushButton::clicked);
    QTest::keyClick(app.control<QComboBox>("cboName"), Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(app.control<QLineEdit>("txtLevel"), Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(app.control<QTextEdit>("txtNotes"), Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);

    // The menu's Ctrl+V wins over the text box's paste (an empty deck shows no report).
    main.cmdClear_Click();
    QSignalSpy output(app.control<QAction>("mnuFileOutput"), &QAction::triggered);
    QTest::keyClick(app.control<QLineEdit>("txtType"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(output.count(), 1);

    auto *attack1 = app.control<QGroupBox>("fraAttack1");
    auto *attack2 = app.control<QGroupBox>("fraAttack2");
    EXPECT_TRUE(attack1->isVisible());
    EXPECT_TRUE(attack2->isVisible());
    EXPECT_EQ(attack1->geometry(), attack2->geometry());
    // The frame raised last lies in front.
    const QObjectList stack = attack1->parentWidget()->children();
    EXPECT_GT(stack.indexOf(attack1), stack.indexOf(attack2));

    for (const char *hidden : {"lstId", "txtImagePath", "txtGroup", "txtGroupLev"}) {
        const QWidget *control = main.findChild<QWidget *>(hidden);
        ASSERT_TRUE(control) << hidden;
        EXPECT_FALSE(control->isVisible()) << hidden;
    }
}

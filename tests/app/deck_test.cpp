// The working deck in its three places, delete, clear and the energy counters.
#include "AppFixture.h"
#include "Sqlite3Tool.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QStringList lines(const AppFixture &app, const char *list)
{
    QStringList texts;
    const auto *box = app.control<QListWidget>(list);
    for (int i = 0; i < box->count(); ++i)
        texts << box->item(i)->text();
    return texts;
}

// Both lists have a line for every card copy counted, and line i of both is row i of tblNames.
QString inStep(const AppFixture &app, const QString &file)
{
    QStringList listed;
    const QStringList names = lines(app, "lstZents"), ids = lines(app, "lstId");
    for (int i = 0; i < names.size() && i < ids.size(); ++i)
        listed << ids[i] + "|" + names[i];
    const QString rows = sqlite3Tool(file, "SELECT fldID, fldNames FROM tblNames ORDER BY rowid");
    const int counted = app.window->deckCounters().intCardCount.value();
    if (names.size() != counted || ids.size() != counted || listed.join('\n') != rows)
        return QString("%1 names, %2 ids, %3 counted; lines\n%4\nrows\n%5")
            .arg(names.size()).arg(ids.size()).arg(counted).arg(listed.join('\n'), rows);
    return {};
}

QString total(const AppFixture &app)
{
    return app.control<QLineEdit>("txtCount")->text();
}

const QString deckFull = "You can only have 60 cards in your deck";

} // namespace

TEST(WorkingDeck, DeleteAndClearKeepTheRowsTheListsAndTheCountersInStep)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    // The catalogue refuses to let Beta go.
    sqlite3Tool(file, "CREATE TRIGGER keep BEFORE DELETE ON tblNames WHEN old.fldNames = 'Beta' "
                      "BEGIN SELECT RAISE(ABORT, 'kept'); END");
    frmZentMain &main = app.showMainWindow();
    deck::WorkingDeck &deck = main.workingDeckInUse();
    for (const char *name : {"Alpha", "Alpha", "Alpha", "Alpha", "Beta"})
        deck.addCopy(name, deck::InsertForm::Chosen);
    EXPECT_EQ(inStep(app, file), "");
    EXPECT_EQ(total(app), "5");

    // Of four copies, exactly the selected one goes; identifiers are never reused.
    auto *lstZents = app.control<QListWidget>("lstZents");
    lstZents->setCurrentRow(2);
    main.cmdDeleteZent_Click();
    EXPECT_EQ(app.statements.texts().last(), "DELETE * FROM tblNames WHERE fldID = 3");
    EXPECT_EQ(lines(app, "lstId"), QStringList({"1", "2", "4", "5"}));
    EXPECT_EQ(total(app), "4");
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
    deck.addCopy("Gamma", deck::InsertForm::Chosen);
    EXPECT_EQ(lines(app, "lstId").last(), "6");
    EXPECT_EQ(inStep(app, file), "");

    // No line selected: nothing. A delete the catalogue refuses: the line stays.
    lstZents->setCurrentRow(-1);
    main.cmdDeleteZent_Click();
    lstZents->setCurrentRow(3);
    main.cmdDeleteZent_Click();
    EXPECT_EQ(lines(app, "lstZents")[3], "Beta");
    EXPECT_EQ(inStep(app, file), "");

    // A clear whose statement fails still shows zeros; the lists stay as the table does.
    main.cmdFireUp_Click();
    main.cmdClear_Click();
    for (const char *shown : {"lblFire", "lblColorless"})
        EXPECT_EQ(app.control<QLabel>(shown)->text(), "0");
    EXPECT_EQ(total(app), "0");
    EXPECT_EQ(lstZents->count(), 5);
    EXPECT_TRUE(app.dialogs.shown().isEmpty());
}

TEST(WorkingDeck, EnergiesStayWithinTheSixtyCardsAndTheColorlessLimit)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    for (int i = 0; i < 20; ++i)
        main.workingDeckInUse().addCopy("Alpha", deck::InsertForm::Chosen);
    for (int i = 0; i < 40; ++i)
        main.cmdFireUp_Click();
    EXPECT_EQ(total(app), "60");
    EXPECT_EQ(app.control<QLabel>("lblFire")->text(), "40");
    EXPECT_EQ(app.control<QLabel>("lblFire")->accessibleName(), "Fire energy cards: 40");

    // At 60 the deck is tested before the Colorless limit; nothing is added.
    app.dialogs.answerMessage(ui::MessageAnswer::Ok);
    main.cmdColorlessUp_Click();
    ASSERT_EQ(app.dialogs.shown().size(), 1);
    EXPECT_EQ(app.dialogs.shown()[0].text, deckFull);
    EXPECT_EQ(app.dialogs.shown()[0].title, "Please don't cheat.");
    EXPECT_EQ(app.dialogs.shown()[0].icon, ui::MessageIcon::Exclamation);
    EXPECT_EQ(app.dialogs.shown()[0].buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(total(app), "60");

    // Down works at 60; 59 takes one more.
    main.cmdFireDn_Click();
    EXPECT_EQ(total(app), "59");
    main.cmdGrassUp_Click();
    EXPECT_EQ(total(app), "60");

    // After a clear, the table and lists are empty and identifiers start again at 1.
    main.cmdClear_Click();
    EXPECT_EQ(app.statements.texts().last(), "tblNames"); // datNames refreshed after the DELETE
    main.workingDeckInUse().addCopy("Beta", deck::InsertForm::Chosen);
    EXPECT_EQ(lines(app, "lstId"), QStringList{"1"});
    EXPECT_EQ(sqlite3Tool(file, "SELECT fldID FROM tblNames"), "1");
    main.cmdClear_Click();

    // Four Colorless at most, whatever the total; Down at 0 does nothing.
    app.dialogs.clear();
    for (int i = 0; i < 4; ++i)
        main.cmdColorlessUp_Click();
    app.dialogs.answerMessage(ui::MessageAnswer::Ok);
    main.cmdColorlessUp_Click();
    EXPECT_EQ(app.dialogs.shownTexts(), QStringList{"Only 4 Colorless energy cards are allowed in a deck."});
    EXPECT_EQ(app.dialogs.shown()[0].title, "Please don't Cheat");
    EXPECT_EQ(app.control<QLabel>("lblColorless")->text(), "4");
    main.cmdWaterDn_Click();
    EXPECT_EQ(app.control<QLabel>("lblWater")->text(), "0");
    EXPECT_EQ(total(app), "4");
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblNames"), "0"); // energies are no rows
}

TEST(WorkingDeck, TheDeckListReportsTheRowsOfTheTableAndTheEnergies)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    // Rows an earlier run left behind are part of the deck list.
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Left over', 9)");
    frmZentMain &main = app.showMainWindow();
    main.workingDeckInUse().addCopy("Alpha", deck::InsertForm::Chosen);
    for (int i = 0; i < 3; ++i)
        main.cmdFireUp_Click();

    // The preview is shown modally over the window; closing the window closes it too.
    QString shown;
    QTimer::singleShot(0, [&] {
        const auto *rtfMain = main.previewShown()->findChild<QTextEdit *>("rtfMain");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !rtfMain->toPlainText().isEmpty(); })); // once active
        shown = rtfMain->toPlainText();
        main.close();
    });
    main.Toolbar1_ButtonClick("ViewPrint");
    EXPECT_EQ(main.previewShown(), nullptr);
    const QString expected = "Current Deck:\r\n\r\nLeft over\r\nAlpha\r\n\r\n * * * * * * * * * * * *\r\n"
                             "0  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n"
                             "0  Water Energy\r\n0  Psychic Energy\r\n0  Lightning Energy\r\n0  Grass Energy";
    EXPECT_EQ(main.gstrOutput(), expected);
    EXPECT_EQ(shown, QString(expected).replace("\r\n", "\n"));

    // A deck of energies only has no list: nothing is shown and the last report stays.
    AppFixture energies;
    energies.writeCatalogue(alphaBetaGamma());
    frmZentMain &other = energies.showMainWindow();
    other.cmdFireUp_Click();
    other.mnuFileOutput_Click();
    EXPECT_EQ(other.gstrOutput(), "");
    EXPECT_TRUE(energies.dialogs.shown().isEmpty());
}

// The working deck in its three places, delete, clear, the energy counters and the deck list.
#include "AppFixture.h"

#include <QLabel>
#include <QTimer>

namespace {

// Both lists have a line for every copy counted, and line i of both is row i of tblNames.
void expectInStep(const AppFixture &app, const QString &file)
{
    const QStringList names = app.items("lstZents"), ids = app.items("lstId");
    QStringList listed;
    for (int i = 0; i < names.size() && i < ids.size(); ++i)
        listed << names[i] + "|" + ids[i];
    EXPECT_EQ(names.size(), app.window->deckCounters().intCardCount.value());
    EXPECT_EQ(ids.size(), names.size());
    EXPECT_EQ(listed.join(' '), app.rows(file));
}

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
    expectInStep(app, file);

    // Of four copies, exactly the selected one goes; identifiers are never reused.
    auto *lstZents = app.control<QListWidget>("lstZents");
    lstZents->setCurrentRow(2);
    main.cmdDeleteZent_Click();
    EXPECT_EQ(app.statements.texts().last(), "DELETE * FROM tblNames WHERE fldID = 3");
    EXPECT_EQ(app.items("lstId"), QStringList({"1", "2", "4", "5"}));
    EXPECT_EQ(app.text("txtCount"), "4");
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
    // Nothing is highlighted after a delete, so a second click deletes nothing.
    main.cmdDeleteZent_Click();
    deck.addCopy("Gamma", deck::InsertForm::Chosen);
    EXPECT_EQ(app.items("lstId"), QStringList({"1", "2", "4", "5", "6"}));
    expectInStep(app, file);

    // A current line the user un-highlighted (Ctrl+click) is not deleted. A delete the
    // catalogue refuses: the line stays.
    lstZents->setCurrentRow(1);
    lstZents->item(1)->setSelected(false);
    main.cmdDeleteZent_Click();
    lstZents->setCurrentRow(3);
    main.cmdDeleteZent_Click();
    EXPECT_EQ(app.items("lstZents")[3], "Beta");
    expectInStep(app, file);

    // Past the last 16-bit identifier a copy is added nowhere, so none shares an identifier.
    app.expectPassedOver("counter overflow");
    deck.counters().intNextId = 32767;
    deck.addCopy("Gamma", deck::InsertForm::Chosen);
    EXPECT_EQ(app.items("lstId").last(), "6");
    EXPECT_EQ(app.text("txtCount"), "5");
    expectInStep(app, file);

    // A clear whose statement fails still shows zeros; the lists stay as the table does.
    app.expectPassedOver("kept");
    main.cmdFireUp_Click();
    main.cmdClear_Click();
    for (const char *shown : {"lblFire", "lblColorless", "txtCount"})
        EXPECT_EQ(app.text(shown), "0");
    EXPECT_EQ(lstZents->count(), 5);
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
    EXPECT_EQ(app.text("txtCount"), "60");
    EXPECT_EQ(app.text("lblFire"), "40");

    // At 60 the deck is tested before the Colorless limit; nothing is added.
    app.dialogs.answerMessage(ui::MessageAnswer::Ok);
    main.cmdColorlessUp_Click();
    EXPECT_EQ(app.dialogs.shown().at(0).box(), "You can only have 60 cards in your deck|Please don't cheat.|!|OK");
    // Down works at 60; 59 takes one more.
    main.cmdFireDn_Click();
    main.cmdGrassUp_Click();
    EXPECT_EQ(app.text("txtCount"), "60");
    EXPECT_EQ(app.text("lblGrass"), "1");

    // After a clear, the table and lists are empty and identifiers start again at 1.
    main.cmdClear_Click();
    EXPECT_EQ(app.statements.texts().last(), "tblNames"); // datNames refreshed after the DELETE
    main.workingDeckInUse().addCopy("Beta", deck::InsertForm::Chosen);
    EXPECT_EQ(app.rows(file), "Beta|1");
    main.cmdClear_Click();

    // Four Colorless at most, whatever the total; Down at 0 does nothing.
    for (int i = 0; i < 5; ++i) {
        if (i == 4)
            app.dialogs.answerMessage(ui::MessageAnswer::Ok);
        main.cmdColorlessUp_Click();
    }
    EXPECT_EQ(app.dialogs.shown().at(1).box(), "Only 4 Colorless energy cards are allowed in a deck.|Please don't Cheat|!|OK");
    main.cmdWaterDn_Click();
    EXPECT_EQ(app.text("lblWater"), "0");
    EXPECT_EQ(app.text("txtCount"), "4");
    EXPECT_EQ(app.rows(file), ""); // energies are no rows
}

TEST(WorkingDeck, TheDeckListReportsTheRowsOfTheTableAndTheEnergies)
{
    AppFixture app;
    const QString file = app.writeCatalogue(alphaBetaGamma());
    // A row an earlier run left behind is part of the deck list.
    sqlite3Tool(file, "INSERT INTO tblNames VALUES ('Quarlith', 9)");
    frmZentMain &main = app.showMainWindow();
    for (const char *name : {"Quarlith", "Skarnox"})
        main.workingDeckInUse().addCopy(name, deck::InsertForm::Chosen);
    main.cmdColorlessUp_Click();
    for (int i = 0; i < 3; ++i)
        main.cmdFireUp_Click();
    // The energy lines are what the count labels show.
    app.control<QLabel>("lblGrass")->setText("12");

    // The preview is shown modally over the window; closing the window closes it too. How the
    // preview shows the report is its own tests' to check.
    QTimer::singleShot(0, [&] { main.close(); });
    main.Toolbar1_ButtonClick("ViewPrint");
    EXPECT_EQ(main.previewShown(), nullptr);
    EXPECT_EQ(main.gstrOutput(), "Current Deck:\r\n\r\nQuarlith\r\nQuarlith\r\nSkarnox\r\n\r\n * * * * * * * * * * * *\r\n"
                                 "1  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n"
                                 "0  Water Energy\r\n0  Psychic Energy\r\n0  Lightning Energy\r\n12  Grass Energy");

    // A deck of energies only has no list: nothing is shown and the last report stays.
    AppFixture energies;
    energies.writeCatalogue(alphaBetaGamma());
    frmZentMain &other = energies.showMainWindow();
    other.cmdFireUp_Click();
    energies.expectPassedOver("no current row");
    other.mnuFileOutput_Click();
    EXPECT_EQ(other.gstrOutput(), "");
}

TEST(WorkingDeck, AFaultOfTheProgramIsReportedWhereAMissingFileIsPassedOver)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    app.plantsFaults = true;
    main.workingDeckInUse().addCopy("Alpha", deck::InsertForm::Chosen);
    // The deck's two lists out of step, as only a fault of the program could leave them.
    delete app.control<QListWidget>("lstId")->takeItem(0);
    app.control<QListWidget>("lstZents")->item(0)->setSelected(true);
    main.cmdDeleteZent_Click();
    EXPECT_EQ(app.faults, QStringList{"the deck's lists are out of step"});
    EXPECT_EQ(app.items("lstZents"), QStringList{"Alpha"});
    app.expectPassedOver("missing.znt is not a catalogue");
    app.open(app.folder.file("missing.znt"));
    EXPECT_EQ(app.faults.size(), 1);
}

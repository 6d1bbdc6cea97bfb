// The deck through the main window: what only the window shows. Deleting, clearing and the
// energy strip are the deck's own tests'.
#include "AppFixture.h"

TEST(WorkingDeck, TheDeckListReportsTheRowsOfTheTableAndTheEnergiesAsShown)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    // A deck of energies only has no list: nothing is shown.
    main.cmdColorlessUp_Click();
    app.expectPassedOver("no current row");
    main.mnuFileOutput_Click();
    EXPECT_EQ(main.gstrOutput(), "");

    // A row an earlier run left behind in a catalogue is part of its deck list.
    const QString left = app.writeCatalogue(alphaBetaGamma(), "left.znt");
    sqlite3Tool(left, "INSERT INTO tblNames VALUES ('Quarlith', 9)");
    app.open(left);
    for (const char *name : {"Quarlith", "Skarnox", "Gamma"})
        main.workingDeckInUse().addCopy(name, deck::InsertForm::Chosen);
    // A delete gives the keyboard back to the creature list.
    app.control<QListWidget>("lstZents")->setCurrentRow(2);
    main.cmdDeleteZent_Click();
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
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
}

// The deck list through the main window: built from the window's catalogue and energy strip and
// shown in the preview over it. Deleting, clearing and the energy strip are the deck's own tests',
// the report's text the report's.
#include "AppFixture.h"

TEST(WorkingDeck, TheDeckListIsTheWindowsDeckShownInThePreviewOverIt)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.showMainWindow();
    // A deck of energies only has no list: nothing is shown.
    main.cmdEnergyUp_Click(deck::EnergyKind::Colorless);
    app.expectPassedOver("no current row");
    main.mnuFileOutput_Click();
    EXPECT_EQ(main.gstrOutput(), "");

    for (const char *name : {"Quarlith", "Skarnox", "Gamma"})
        main.workingDeckInUse().addCopy(name, deck::InsertForm::Chosen);
    // A delete gives the keyboard back to the creature list.
    app.control<QListWidget>("lstZents")->setCurrentRow(2);
    main.cmdDeleteZent_Click();
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(app.control<QToolButton>("cmdFireUp"), Qt::LeftButton);

    // The preview is shown modally over the window; closing the window closes it too.
    QTimer::singleShot(0, [&] {
        EXPECT_NE(main.previewShown(), nullptr);
        main.close();
    });
    QTest::mouseClick(app.control<QToolButton>("ViewPrint"), Qt::LeftButton);
    EXPECT_EQ(main.previewShown(), nullptr);
    EXPECT_EQ(main.gstrOutput(), "Current Deck:\r\n\r\nQuarlith\r\nSkarnox\r\n\r\n * * * * * * * * * * * *\r\n"
                                 "1  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n"
                                 "0  Water Energy\r\n0  Psychic Energy\r\n0  Lightning Energy\r\n0  Grass Energy");
}

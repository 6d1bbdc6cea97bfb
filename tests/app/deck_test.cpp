// Adding cards and the deck list through the main window: what only the window shows. The rules
// of adding, their boxes and statements, deleting, clearing and the energy strip are the deck's
// own tests', the report's text the report's.
#include "AppFixture.h"

using ui::MessageAnswer;

TEST(WorkingDeck, CardsAddedThroughTheWindowAndTheDeckListShownInThePreviewOverIt)
{
    AppFixture app;
    const QString file = app.writeCatalogue({creature("A", "10", "1"), creature("B", "10", "2"),
                                             creature("C", "10", "3"), trainer("Potion")});
    frmZentMain &main = app.showMainWindow();
    // A deck of energies only has no list: nothing is shown.
    main.cmdEnergyUp_Click(deck::EnergyKind::Colorless);
    app.expectPassedOver("no current row");
    main.mnuFileOutput_Click();
    EXPECT_EQ(main.gstrOutput(), "");

    // The card chosen from the list brings its line's offer, and the keyboard goes back to the
    // list the card came from.
    app.dialogs.answerMessage(MessageAnswer::Yes);
    app.choose("cboName", "A");
    main.cmdAdd2Deck_Click();
    EXPECT_EQ(deckRows(file), "A|1 A|2 A|3 B|4 B|5 C|6");
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
    app.choose("cboTrainers", "Potion");
    main.cmdAddTrainers_Click();
    EXPECT_TRUE(app.control<QComboBox>("cboTrainers")->hasFocus());
    // The box holds what was typed, never completed to a listed name ("pot" is no "Potion").
    QLineEdit *typing = app.control<QComboBox>("cboTrainers")->lineEdit();
    typing->clear();
    typing->setFocus();
    QTest::keyClicks(typing, "pot");
    main.cmdAddTrainers_Click();
    EXPECT_EQ(app.items("lstZents").constLast(), "pot");

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
    EXPECT_EQ(main.gstrOutput(), "Current Deck:\r\n\r\nA\r\nA\r\nB\r\nB\r\nC\r\nPotion\r\npot\r\n\r\n"
                                 " * * * * * * * * * * * *\r\n1  Colorless Energy\r\n0  Fighting Energy\r\n"
                                 "3  Fire Energy\r\n0  Water Energy\r\n0  Psychic Energy\r\n0  Lightning Energy\r\n"
                                 "0  Grass Energy");
}

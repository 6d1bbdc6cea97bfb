// Adding cards through the main window: what only the window shows. The rules of adding, their
// boxes and statements are the deck's own tests'.
#include "AppFixture.h"

using ui::MessageAnswer;

// The card chosen from the list brings its line's offer, and the keyboard goes back to the list
// the card came from.
TEST(AddCards, TheChosenCardsLineIsOfferedAndTheKeyboardGoesBackToItsList)
{
    AppFixture app;
    const QString file = app.writeCatalogue({creature("A", "10", "1"), creature("B", "10", "2"),
                                             creature("C", "10", "3"), trainer("Potion")});
    frmZentMain &main = app.showMainWindow();
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
}

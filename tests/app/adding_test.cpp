// Adding cards through the main window: what only the window shows. The rules of adding are the
// deck's own tests'.
#include "AppFixture.h"

#include <QLineEdit>

using catalogue_writer::CardRow;
using ui::MessageAnswer;

namespace {

CardRow creature(const QString &name, const QString &group, const QString &level)
{
    return {{"fldName", name}, {"fldTrainers", "z"}, {"fldZentGroup", group}, {"fldGroupLev", level}};
}

} // namespace

// The card chosen from the list brings its line's offer, in the boxes and statements the
// program shows and sends, and the keyboard goes back to the list the card came from.
TEST(AddCards, TheChosenCardsLineIsOfferedAndTheKeyboardGoesBackToItsList)
{
    AppFixture app;
    const QString file = app.writeCatalogue({creature("A", "10", "1"), creature("B", "10", "2"),
                                             creature("C", "10", "3"), {{"fldName", "z"}, {"fldTrainers", "Quarlith"}},
                                             {{"fldName", "z"}, {"fldTrainers", "Potion"}}});
    frmZentMain &main = app.showMainWindow();
    app.dialogs.answerMessage(MessageAnswer::Yes);
    app.choose("cboName", "A");
    main.cmdAdd2Deck_Click();
    EXPECT_EQ(app.dialogs.shown().at(0).box(),
              "Would you like to add the recommended evolution cards?\r\n(3 basics, 2 first stage, and 1 second "
              "stage)|Pro Tip|-|Yes No");
    EXPECT_EQ(deckRows(file), "A|1 A|2 A|3 B|4 B|5 C|6");
    const QStringList sent = app.statements.texts();
    EXPECT_EQ(sent.filter("tblNames WHERE")[0], "SELECT * FROM tblNames WHERE fldNames =  'A' ");
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', '1')"));
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('B','4') "));
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());
    main.cmdAdd2Deck_Click();
    app.dialogs.answerMessage(MessageAnswer::Ok);
    main.cmdAdd2Deck_Click();
    EXPECT_EQ(app.dialogs.shown().at(1).box(), "Only 4 cards of this type are allowed in a deck.|Please don't Cheat|!|OK");
    EXPECT_TRUE(app.control<QComboBox>("cboName")->hasFocus());

    app.dialogs.answerMessage(MessageAnswer::Yes);
    app.choose("cboTrainers", "Quarlith");
    main.cmdAddTrainers_Click();
    EXPECT_TRUE(app.statements.texts().contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('Skarnox','10') "));
    EXPECT_TRUE(app.control<QComboBox>("cboTrainers")->hasFocus());
    // The box holds what was typed, never completed to a listed name ("pot" is no "Potion").
    QLineEdit *typing = app.control<QComboBox>("cboTrainers")->lineEdit();
    typing->clear();
    typing->setFocus();
    QTest::keyClicks(typing, "pot");
    main.cmdAddTrainers_Click();
    EXPECT_EQ(app.items("lstZents").constLast(), "pot");
}

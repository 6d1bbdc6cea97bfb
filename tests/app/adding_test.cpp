// Adding creature and trainer cards: the limits, the recommended evolution sets and the
// Quarlith combination.
#include "AppFixture.h"
#include "Sqlite3Tool.h"

#include <QComboBox>
#include <QListWidget>

#include <gtest/gtest.h>

using catalogue_writer::CardRow;
using ui::MessageAnswer;

namespace {

CardRow creature(const QString &name, const QString &group, const QString &level)
{
    return {{"fldName", name}, {"fldTrainers", "z"}, {"fldZentGroup", group}, {"fldGroupLev", level}};
}

CardRow trainer(const QString &name)
{
    return {{"fldName", "z"}, {"fldTrainers", name}};
}

// A line of three, a line of two, a lone basic, a line of four, and a basic stored last whose
// line has its other stages before it.
QList<CardRow> lines()
{
    return {creature("A", "10", "1"), creature("B", "10", "2"), creature("C", "10", "3"),
            creature("P", "20", "1"), creature("Q", "20", "2"), creature("L", "30", "1"),
            creature("M1", "40", "1"), creature("M2", "40", "2"), creature("M3", "40", "3"),
            creature("M4", "40", "4"), creature("Y", "50", "2"), creature("Z", "50", "3"),
            creature("Skarnox", "60", "1"), trainer("Quarlith"), trainer("Potion"),
            creature("X", "50", "1")};
}

struct Deck : AppFixture
{
    QString file = refusing(writeCatalogue(lines()));
    frmZentMain &main = showMainWindow();

    // The catalogue refuses a row for the name "Refused".
    static QString refusing(const QString &catalogue)
    {
        sqlite3Tool(catalogue, "CREATE TRIGGER refuse BEFORE INSERT ON tblNames WHEN "
                               "new.fldNames = 'Refused' BEGIN SELECT RAISE(ABORT, 'no'); END");
        return catalogue;
    }

    // A deck of that many copies of another card, the identifiers starting again at 1.
    void fill(int cards)
    {
        main.cmdClear_Click();
        for (int i = 0; i < cards; ++i)
            main.workingDeckInUse().addCopy("Filler", deck::InsertForm::Chosen);
        dialogs.clear();
        statements.clear();
    }
    // The user chooses the card from its list and clicks its add button.
    void add(const QString &name, bool trainerCard = false)
    {
        auto *list = control<QComboBox>(trainerCard ? "cboTrainers" : "cboName");
        list->setCurrentIndex(list->findText(name));
        emit list->activated(list->currentIndex());
        trainerCard ? main.cmdAddTrainers_Click() : main.cmdAdd2Deck_Click();
    }
    QString rows(const QString &name = {})
    {
        return sqlite3Tool(file, "SELECT fldNames, fldID FROM tblNames" +
                                     (name.isEmpty() ? QString() : " WHERE fldNames = '" + name + "'") +
                                     " ORDER BY rowid")
            .replace('\n', ' ');
    }
    int cards() const { return main.deckCounters().intCardCount.value(); }
};

const QString offerOfThree = "Would you like to add the recommended evolution cards?\r\n"
                             "(3 basics, 2 first stage, and 1 second stage)";
const QString offerOfTwo = "Would you like to add the recommended evolution cards?\r\n"
                           "(2 basics, and 1 second Stage)";

} // namespace

TEST(AddCards, TheFirstBasicOfALineOffersItsRecommendedSet)
{
    Deck deck;
    // Ten copies given out and taken back: the next identifier is 11.
    deck.fill(10);
    for (int i = 0; i < 10; ++i) {
        deck.control<QListWidget>("lstZents")->setCurrentRow(0);
        deck.main.cmdDeleteZent_Click();
    }
    deck.statements.clear();
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("A");
    ASSERT_EQ(deck.dialogs.shown().size(), 1);
    const ui::ScriptedDialogs::Shown &offer = deck.dialogs.shown()[0];
    EXPECT_EQ(offer.text, offerOfThree);
    EXPECT_EQ(offer.title, "Pro Tip");
    EXPECT_EQ(offer.icon, ui::MessageIcon::None);
    EXPECT_EQ(offer.buttons, ui::MessageButtons::YesNo);
    EXPECT_EQ(deck.rows(), "A|11 A|12 A|13 B|14 B|15 C|16");
    EXPECT_TRUE(deck.statements.texts().contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', '11')"));
    EXPECT_TRUE(deck.statements.texts().contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('B','14') "));
    EXPECT_EQ(deck.statements.texts()[1], "SELECT * FROM tblNames WHERE fldNames =  'A' ");
    // A second copy never offers; a fifth is refused.
    deck.add("A");
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shown()[1].text, "Only 4 cards of this type are allowed in a deck.");
    EXPECT_EQ(deck.dialogs.shown()[1].title, "Please don't Cheat");
    EXPECT_EQ(deck.dialogs.shown()[1].icon, ui::MessageIcon::Exclamation);
    EXPECT_TRUE(deck.control<QComboBox>("cboName")->hasFocus());
    EXPECT_EQ(deck.rows("A"), "A|11 A|12 A|13 A|17");

    // The thresholds count creature and trainer copies: below 55 for three, below 58 for two.
    const struct { const char *basic; int cards; bool offers; MessageAnswer answer; int added; } cases[] = {
        {"A", 54, true, MessageAnswer::Yes, 6}, {"A", 54, true, MessageAnswer::No, 1},
        {"A", 55, false, {}, 1}, {"P", 57, true, MessageAnswer::Yes, 3}, {"P", 58, false, {}, 1},
        {"B", 0, false, {}, 1}, {"M1", 0, false, {}, 1}, {"L", 0, false, {}, 1}};
    for (const auto &c : cases) {
        deck.fill(c.cards);
        if (c.offers)
            deck.dialogs.answerMessage(c.answer);
        deck.add(c.basic);
        EXPECT_EQ(deck.dialogs.shownTexts(), c.offers ? QStringList{c.basic == QString("A") ? offerOfThree : offerOfTwo}
                                                      : QStringList()) << c.basic << " " << c.cards;
        EXPECT_EQ(deck.cards(), c.cards + c.added) << c.basic << " " << c.cards;
        if (c.basic == QString("P") && c.added == 3) {
            EXPECT_EQ(deck.rows("P") + " " + deck.rows("Q"), "P|58 P|59 Q|60");
        }
    }

    // A basic stored last: the set is six copies of it. With energies the total passes 60.
    deck.fill(50);
    for (int i = 0; i < 9; ++i)
        deck.main.cmdFireUp_Click();
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("X");
    EXPECT_EQ(deck.rows("X"), "X|51 X|52 X|53 X|54 X|55 X|56");
    EXPECT_EQ(deck.main.deckCounters().intDeckTotal.value(), 65);
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("L");
    EXPECT_EQ(deck.dialogs.shownTexts().last(), "You can only have 60 cards in your deck");
    EXPECT_EQ(deck.cards(), 56);
}

TEST(AddCards, CopiesAreCountedExactlyAndARefusedRowStillCounts)
{
    Deck deck;
    deck.fill(0);
    // The catalogue finds "a" for "A"; the deck counts only exact names, so A's offer comes.
    deck.main.workingDeckInUse().addCopy("a", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::No);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{offerOfThree});
    EXPECT_EQ(deck.rows(), "a|1 A|2");

    // Typed names are added as typed, the offer judged by the card shown last; a row the
    // catalogue refuses still counts in the lists and counters.
    for (const char *typed : {"Refused", "O'Typed"}) {
        deck.control<QComboBox>("cboName")->setEditText(typed);
        deck.dialogs.answerMessage(MessageAnswer::No);
        deck.main.cmdAdd2Deck_Click();
    }
    EXPECT_EQ(deck.rows(), "a|1 A|2 O'Typed|4");
    EXPECT_EQ(deck.control<QListWidget>("lstZents")->item(2)->text(), "Refused");
    EXPECT_EQ(deck.cards(), 4);
}

TEST(AddCards, TheFirstQuarlithOffersTwoQuarlithAndASkarnox)
{
    Deck deck;
    deck.fill(10);
    for (int i = 0; i < 10; ++i) {
        deck.control<QListWidget>("lstZents")->setCurrentRow(0);
        deck.main.cmdDeleteZent_Click();
    }
    for (int i = 0; i < 4; ++i)
        deck.main.workingDeckInUse().addCopy("Skarnox", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("Quarlith", true);
    EXPECT_EQ(deck.dialogs.shownTexts(),
              QStringList{"Would you like to add 2 Quarlith\r\n cards and 1 Skarnox card?"});
    // Added whole, a fifth Skarnox among them.
    EXPECT_EQ(deck.rows(), "Skarnox|11 Skarnox|12 Skarnox|13 Skarnox|14 Quarlith|15 Quarlith|16 Skarnox|17");
    EXPECT_TRUE(deck.statements.texts().contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('Skarnox','17') "));
    EXPECT_TRUE(deck.control<QComboBox>("cboTrainers")->hasFocus());

    // No answered, one is added; no offer with one already in the deck, at 58 cards, or for
    // another spelling.
    const struct { const char *name; int cards; bool offers; } cases[] = {
        {"Quarlith", 57, true}, {"Quarlith", 58, false}, {"quarlith", 0, false}};
    for (const auto &c : cases) {
        deck.fill(c.cards);
        deck.control<QComboBox>("cboTrainers")->setEditText(c.name);
        if (c.offers)
            deck.dialogs.answerMessage(MessageAnswer::No);
        deck.main.cmdAddTrainers_Click();
        deck.main.cmdAddTrainers_Click();
        EXPECT_EQ(deck.dialogs.shown().size(), c.offers ? 1 : 0) << c.name << c.cards;
        EXPECT_EQ(deck.cards(), c.cards + 2) << c.name << c.cards;
    }
    for (int i = 0; i < 4; ++i)
        deck.add("Potion", true);
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("Potion", true);
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList({"Only 4 cards of this type are allowed in a deck."}));
    EXPECT_EQ(deck.rows("Potion").count("Potion"), 4);
}

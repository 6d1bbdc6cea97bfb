// Adding creature and trainer cards, without a window: the limits, the recommended evolution
// sets and the Quarlith combination, with the deck's controls on their own and a real catalogue.
#include "DeckFixture.h"

using catalogue_writer::CardRow;
using ui::MessageAnswer;

namespace {

// A line of three, a line of two, a lone basic, a line of four, a basic stored last whose line
// has its other stages before it, and two trainers. The catalogue refuses rows for "Refused".
const QList<CardRow> cards = {creature("A", "10", "1"),  creature("B", "10", "2"),  creature("C", "10", "3"),
                              creature("P", "20", "1"),  creature("Q", "20", "2"),  creature("L", "30", "1"),
                              creature("M1", "40", "1"), creature("M2", "40", "2"), creature("M3", "40", "3"),
                              creature("M4", "40", "4"), creature("Y", "50", "2"),  creature("Z", "50", "3"),
                              trainer("Quarlith"),       trainer("Potion"),         creature("X", "50", "1")};

const QString offerOfThree = "Would you like to add the recommended evolution cards?\r\n"
                             "(3 basics, 2 first stage, and 1 second stage)";
const QString offerOfTwo = "Would you like to add the recommended evolution cards?\r\n"
                           "(2 basics, and 1 second Stage)";
const QString fourCopies = "Only 4 cards of this type are allowed in a deck.";

} // namespace

TEST(AddCards, TheFirstBasicOfALineOffersItsRecommendedSet)
{
    Deck deck(cards);
    deck.fill(0);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("A");
    EXPECT_EQ(deckRows(deck.file), "A|1 A|2 A|3 B|4 B|5 C|6");
    // The statements as the program writes them: its copies counted, the chosen card's rows
    // and a later stage's.
    const QStringList sent = deck.statements.texts();
    EXPECT_EQ(sent.filter("tblNames WHERE")[0], "SELECT * FROM tblNames WHERE fldNames =  'A' ");
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', '1')"));
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('B','4') "));
    // A second copy never offers; a fifth is refused.
    deck.add("A");
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shown().at(0).box(), offerOfThree + "|Pro Tip|-|Yes No");
    EXPECT_EQ(deck.dialogs.shown().at(1).box(), fourCopies + "|Please don't Cheat|!|OK");
    EXPECT_EQ(deck.added().count("A"), 4);

    // The thresholds count creature and trainer copies: below 55 for three, below 58 for two.
    const struct { const char *basic; int cards; const QString *offer; MessageAnswer answer; const char *added; } cases[] = {
        {"A", 54, &offerOfThree, MessageAnswer::Yes, "A A A B B C"}, {"A", 54, &offerOfThree, MessageAnswer::No, "A"},
        {"A", 55, nullptr, {}, "A"}, {"P", 57, &offerOfTwo, MessageAnswer::Yes, "P P Q"}, {"P", 58, nullptr, {}, "P"},
        {"B", 0, nullptr, {}, "B"}, {"M1", 0, nullptr, {}, "M1"}, {"L", 0, nullptr, {}, "L"}};
    for (const auto &c : cases) {
        deck.fill(c.cards);
        if (c.offer)
            deck.dialogs.answerMessage(c.answer);
        deck.add(c.basic);
        EXPECT_EQ(deck.dialogs.shownTexts(), c.offer ? QStringList{*c.offer} : QStringList()) << c.basic << c.cards;
        EXPECT_EQ(deck.added(c.cards), c.added) << c.basic << " " << c.cards;
    }

    // A basic stored last: the set is six copies of it. With energies the total passes 60.
    deck.fill(50);
    deck.counters.energyTotal = 9;
    deck.counters.deckTotal = 59;
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("X");
    EXPECT_EQ(deck.added(50), "X X X X X X");
    EXPECT_EQ(deck.counters.deckTotal.value(), 65);
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("L");
    EXPECT_EQ(deck.dialogs.shownTexts().last(), "You can only have 60 cards in your deck");
    EXPECT_EQ(deck.copies(), 56);
}

TEST(AddCards, CopiesAreCountedExactlyAndARefusedRowStillCounts)
{
    Deck deck(cards);
    // The catalogue finds "a" for "A"; the deck counts only exact names, so A's offer comes.
    deck.deck.addCopy("a", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::No);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{offerOfThree});
    // Typed names are added as typed, the offer judged by the card shown last; a row the
    // catalogue refuses still counts in the lists and counters.
    for (const char *typed : {"Refused", "O'Typed"}) {
        deck.cboName.setEditText(typed);
        deck.dialogs.answerMessage(MessageAnswer::No);
        deck.adding.addZentari();
    }
    EXPECT_EQ(deckRows(deck.file), "a|1 A|2 O'Typed|4");
    EXPECT_EQ(deck.added(), "a A Refused O'Typed");
    EXPECT_EQ(deck.txtCount.text(), "4");
}

TEST(AddCards, TheFirstQuarlithOffersTwoQuarlithAndASkarnox)
{
    Deck deck(cards);
    for (int i = 0; i < 4; ++i)
        deck.deck.addCopy("Skarnox", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("Quarlith");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{"Would you like to add 2 Quarlith\r\n cards and 1 Skarnox card?"});
    // Added whole, a fifth Skarnox among them.
    EXPECT_EQ(deckRows(deck.file), "Skarnox|1 Skarnox|2 Skarnox|3 Skarnox|4 Quarlith|5 Quarlith|6 Skarnox|7");
    EXPECT_TRUE(deck.statements.texts().contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('Skarnox','7') "));

    // No answered, one is added; no offer with one already in the deck, at 58 cards, or for
    // another spelling.
    const struct { const char *name; int cards; bool offers; } cases[] = {
        {"Quarlith", 57, true}, {"Quarlith", 58, false}, {"quarlith", 0, false}};
    for (const auto &c : cases) {
        deck.fill(c.cards);
        deck.cboTrainers.setEditText(c.name);
        if (c.offers)
            deck.dialogs.answerMessage(MessageAnswer::No);
        deck.adding.addTrainer();
        deck.adding.addTrainer();
        EXPECT_EQ(deck.dialogs.shown().size(), c.offers ? 1 : 0) << c.name << c.cards;
        EXPECT_EQ(deck.copies(), c.cards + 2) << c.name << c.cards;
    }
    for (int i = 0; i < 4; ++i)
        deck.add("Potion");
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("Potion");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{fourCopies});
    EXPECT_EQ(deck.added().count("Potion"), 4);
}


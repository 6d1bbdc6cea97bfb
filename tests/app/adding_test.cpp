// Adding creature and trainer cards: the limits, the recommended evolution sets and the
// Quarlith combination.
#include "AppFixture.h"

#include <QLineEdit>

using catalogue_writer::CardRow;
using ui::MessageAnswer;

namespace {

CardRow creature(const QString &name, const QString &group, const QString &level)
{
    return {{"fldName", name}, {"fldTrainers", "z"}, {"fldZentGroup", group}, {"fldGroupLev", level}};
}

// A line of three, a line of two, a lone basic, a line of four, a basic stored last whose line
// has its other stages before it, and two trainers. The catalogue refuses rows for "Refused".
struct Deck : AppFixture
{
    QString file = writeCatalogue({creature("A", "10", "1"), creature("B", "10", "2"),
                                   creature("C", "10", "3"), creature("P", "20", "1"),
                                   creature("Q", "20", "2"), creature("L", "30", "1"),
                                   creature("M1", "40", "1"), creature("M2", "40", "2"),
                                   creature("M3", "40", "3"), creature("M4", "40", "4"),
                                   creature("Y", "50", "2"), creature("Z", "50", "3"),
                                   {{"fldName", "z"}, {"fldTrainers", "Quarlith"}},
                                   {{"fldName", "z"}, {"fldTrainers", "Potion"}},
                                   creature("X", "50", "1")});
    const QString refuse = sqlite3Tool(file, "CREATE TRIGGER refuse BEFORE INSERT ON tblNames WHEN "
                                             "new.fldNames = 'Refused' BEGIN SELECT RAISE(ABORT, 'no'); END");
    frmZentMain &main = showMainWindow();

    // A deck of that many copies of another card.
    void fill(int cards)
    {
        main.cmdClear_Click();
        for (int i = 0; i < cards; ++i)
            main.workingDeckInUse().addCopy("Filler", deck::InsertForm::Chosen);
        dialogs.clear();
        statements.clear();
    }
    // The user chooses the card from its list and clicks its add button.
    void add(const QString &name, bool trainer = false)
    {
        choose(trainer ? "cboTrainers" : "cboName", name);
        trainer ? main.cmdAddTrainers_Click() : main.cmdAdd2Deck_Click();
    }
    int cards() const { return main.deckCounters().intCardCount.value(); }
};

const QString offerOfThree = "Would you like to add the recommended evolution cards?\r\n"
                             "(3 basics, 2 first stage, and 1 second stage)";
const QString offerOfTwo = "Would you like to add the recommended evolution cards?\r\n"
                           "(2 basics, and 1 second Stage)";
const QString fourCopies = "Only 4 cards of this type are allowed in a deck.";

} // namespace

TEST(AddCards, TheFirstBasicOfALineOffersItsRecommendedSet)
{
    Deck deck;
    deck.fill(0);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shown().at(0).box(), offerOfThree + "|Pro Tip|-|Yes No");
    EXPECT_EQ(deck.rows(deck.file), "A|1 A|2 A|3 B|4 B|5 C|6");
    const QStringList sent = deck.statements.texts();
    EXPECT_EQ(sent.filter("tblNames WHERE")[0], "SELECT * FROM tblNames WHERE fldNames =  'A' ");
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('A', '1')"));
    EXPECT_TRUE(sent.contains("INSERT INTO tblNames (fldNames,fldID) VALUES ('B','4') "));
    // A second copy never offers; a fifth is refused.
    deck.add("A");
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shown().at(1).box(), fourCopies + "|Please don't Cheat|!|OK");
    EXPECT_TRUE(deck.control<QComboBox>("cboName")->hasFocus());
    EXPECT_EQ(deck.items("lstZents").count("A"), 4);

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
        EXPECT_EQ(deck.items("lstZents").mid(c.cards).join(' '), c.added) << c.basic << " " << c.cards;
    }

    // A basic stored last: the set is six copies of it. With energies the total passes 60.
    deck.fill(50);
    for (int i = 0; i < 9; ++i)
        deck.main.cmdFireUp_Click();
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("X");
    EXPECT_EQ(deck.items("lstZents").mid(50), QStringList(6, "X"));
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
    // Typed names are added as typed, the offer judged by the card shown last; a row the
    // catalogue refuses still counts in the lists and counters.
    for (const char *typed : {"Refused", "O'Typed"}) {
        deck.control<QComboBox>("cboName")->setEditText(typed);
        deck.dialogs.answerMessage(MessageAnswer::No);
        deck.main.cmdAdd2Deck_Click();
    }
    // The box holds what was typed, never completed to a listed name ("pot" is no "Potion").
    QLineEdit *typing = deck.control<QComboBox>("cboTrainers")->lineEdit();
    typing->clear();
    typing->setFocus();
    QTest::keyClicks(typing, "pot");
    deck.main.cmdAddTrainers_Click();
    EXPECT_EQ(deck.rows(deck.file), "a|1 A|2 O'Typed|4 pot|5");
    EXPECT_EQ(deck.items("lstZents"), QStringList({"a", "A", "Refused", "O'Typed", "pot"}));
    EXPECT_EQ(deck.text("txtCount"), "5");
}

TEST(AddCards, TheFirstQuarlithOffersTwoQuarlithAndASkarnox)
{
    Deck deck;
    deck.fill(0);
    for (int i = 0; i < 4; ++i)
        deck.main.workingDeckInUse().addCopy("Skarnox", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("Quarlith", true);
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{"Would you like to add 2 Quarlith\r\n cards and 1 Skarnox card?"});
    // Added whole, a fifth Skarnox among them.
    EXPECT_EQ(deck.rows(deck.file), "Skarnox|1 Skarnox|2 Skarnox|3 Skarnox|4 Quarlith|5 Quarlith|6 Skarnox|7");
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
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{fourCopies});
    EXPECT_EQ(deck.items("lstZents").count("Potion"), 4);
}

TEST(AddCards, ARowWithoutALineIsInNoLine)
{
    // Three rows whose evolution line is NULL: the basic among them is in no line of three.
    AppFixture app;
    const QString null;
    app.writeCatalogue({{{"fldName", "N1"}, {"fldTrainers", "z"}, {"fldZentGroup", null}, {"fldGroupLev", "1"}},
                        {{"fldName", "N2"}, {"fldTrainers", "z"}, {"fldZentGroup", null}, {"fldGroupLev", "2"}},
                        {{"fldName", "z"}, {"fldTrainers", "Potion"}, {"fldZentGroup", null}}});
    frmZentMain &main = app.showMainWindow();
    app.choose("cboName", "N1");
    main.cmdAdd2Deck_Click();
    EXPECT_EQ(app.dialogs.shownTexts(), QStringList());
    EXPECT_EQ(app.items("lstZents"), QStringList{"N1"});
}

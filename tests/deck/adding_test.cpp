// Adding creature and trainer cards, without a window: the limits, the recommended evolution
// sets and the Quarlith combination, with the deck's controls on their own and a real catalogue.
#include "CatalogueWriter.h"
#include "ScriptedDialogs.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"
#include "catalogue/Catalogue.h"
#include "deck/AddCards.h"
#include "deck/WorkingDeck.h"
#include "platform/db/StatementLog.h"
#include "platform/system/FailureSink.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

// A line of three, a line of two, a lone basic, a line of four, a basic stored last whose line
// has its other stages before it, and two trainers. The catalogue refuses rows for "Refused".
const QList<CardRow> cards = {creature("A", "10", "1"),  creature("B", "10", "2"),  creature("C", "10", "3"),
                              creature("P", "20", "1"),  creature("Q", "20", "2"),  creature("L", "30", "1"),
                              creature("M1", "40", "1"), creature("M2", "40", "2"), creature("M3", "40", "3"),
                              creature("M4", "40", "4"), creature("Y", "50", "2"),  creature("Z", "50", "3"),
                              trainer("Quarlith"),       trainer("Potion"),         creature("X", "50", "1")};

// The deck's subsystems on a catalogue file, driving controls of their own.
struct Deck : sys::FailureSink
{
    TempDir folder;
    const QString file = folder.file("cards.znt");
    ui::ScriptedDialogs dialogs;
    db::StatementLog statements;
    catalogue::Catalogue catalogue{&statements, {}, this};
    deck::DeckCounters counters;
    QLineEdit txtCount, txtGroup, txtGroupLev;
    QListWidget lstZents, lstId;
    QComboBox cboName, cboTrainers;
    QLabel labels[deck::energyKindCount];
    deck::DeckControls controls{&txtCount, nullptr, nullptr, &lstZents, &lstId};
    deck::EnergyStrip strip;
    catalogue::CardControls card;
    catalogue::TrainerControls trainers;
    deck::WorkingDeck deck{catalogue, counters, controls, strip, card, dialogs, nullptr};
    deck::AddCards adding{deck, catalogue, card, trainers, dialogs, nullptr};

    explicit Deck(const QList<CardRow> &rows = cards)
    {
        EXPECT_TRUE(catalogue_writer::writeCatalogue(file, rows));
        sqlite3Tool(file, "CREATE TRIGGER refuse BEFORE INSERT ON tblNames WHEN new.fldNames = 'Refused' "
                          "BEGIN SELECT RAISE(ABORT, 'no'); END");
        for (size_t i = 0; i < strip.columns.size(); ++i)
            strip.columns[i].count = &labels[i];
        for (QComboBox *list : {&cboName, &cboTrainers})
            list->setEditable(true);
        card.cboName = &cboName;
        card.txtGroup = &txtGroup;
        card.txtGroupLev = &txtGroupLev;
        trainers.cboTrainers = &cboTrainers;
        catalogue.open(file);
        catalogue.openCatalogueCursor();
        catalogue.pointDataControls();
    }
    void passedOver(const QString &) override {}
    void faulted(const QString &fault) override { ADD_FAILURE() << fault.toStdString(); }

    // A deck of that many copies of another card.
    void fill(int copies)
    {
        deck.clear();
        for (int i = 0; i < copies; ++i)
            deck.addCopy("Filler", deck::InsertForm::Chosen);
        dialogs.clear();
        statements.clear();
    }
    // The card shown, as the card display leaves it, then its add button clicked.
    void add(const QString &name)
    {
        for (const CardRow &row : cards)
            if (row.value("fldName") == name || row.value("fldTrainers") == name) {
                txtGroup.setText(row.value("fldZentGroup"));
                txtGroupLev.setText(row.value("fldGroupLev"));
            }
        const bool isTrainer = name == "Quarlith" || name == "Potion";
        (isTrainer ? cboTrainers : cboName).setEditText(name);
        isTrainer ? adding.addTrainer() : adding.addZentari();
    }
    QString added(int from = 0) const
    {
        QStringList names;
        for (int i = from; i < lstZents.count(); ++i)
            names << lstZents.item(i)->text();
        return names.join(' ');
    }
    int copies() const { return counters.intCardCount.value(); }
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
    EXPECT_EQ(deckRows(deck.file), "A|1 A|2 A|3 B|4 B|5 C|6");
    // A second copy never offers; a fifth is refused.
    deck.add("A");
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("A");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList({offerOfThree, fourCopies}));
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
    deck.counters.intEnergyTotal = 9;
    deck.counters.intDeckTotal = 59;
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("X");
    EXPECT_EQ(deck.added(50), "X X X X X X");
    EXPECT_EQ(deck.counters.intDeckTotal.value(), 65);
    deck.dialogs.answerMessage(MessageAnswer::Ok);
    deck.add("L");
    EXPECT_EQ(deck.dialogs.shownTexts().last(), "You can only have 60 cards in your deck");
    EXPECT_EQ(deck.copies(), 56);
}

TEST(AddCards, CopiesAreCountedExactlyAndARefusedRowStillCounts)
{
    Deck deck;
    deck.fill(0);
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
    Deck deck;
    deck.fill(0);
    for (int i = 0; i < 4; ++i)
        deck.deck.addCopy("Skarnox", deck::InsertForm::Chosen);
    deck.dialogs.answerMessage(MessageAnswer::Yes);
    deck.add("Quarlith");
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList{"Would you like to add 2 Quarlith\r\n cards and 1 Skarnox card?"});
    // Added whole, a fifth Skarnox among them.
    EXPECT_EQ(deckRows(deck.file), "Skarnox|1 Skarnox|2 Skarnox|3 Skarnox|4 Quarlith|5 Quarlith|6 Skarnox|7");

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

TEST(AddCards, ARowWithoutALineIsInNoLine)
{
    // Three rows whose evolution line is NULL: the basic among them is in no line of three.
    const QString null;
    Deck deck({{{"fldName", "N1"}, {"fldTrainers", "z"}, {"fldZentGroup", null}, {"fldGroupLev", "1"}},
               {{"fldName", "N2"}, {"fldTrainers", "z"}, {"fldZentGroup", null}, {"fldGroupLev", "2"}},
               {{"fldName", "z"}, {"fldTrainers", "Potion"}, {"fldZentGroup", null}}});
    deck.cboName.setEditText("N1");
    deck.txtGroupLev.setText("1");
    deck.adding.addZentari();
    EXPECT_EQ(deck.dialogs.shownTexts(), QStringList());
    EXPECT_EQ(deck.added(), "N1");
}

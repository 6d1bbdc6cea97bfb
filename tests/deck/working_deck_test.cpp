// Deleting, clearing and the energy strip, without a window: the deck's rows, both lists and the
// counters stay in step whatever the catalogue refuses.
#include "DeckFixture.h"
#include "FaultyFiles.h"

using deck::EnergyKind;
using deck::InsertForm;
using ui::MessageAnswer;

namespace {

const QList<catalogue_writer::CardRow> cards = {creature("Alpha"), trainer("Beta")};

// Both lists have a line for every copy counted, and line i of both is row i of tblNames.
void expectInStep(const Deck &d)
{
    EXPECT_EQ(d.lstZents.count(), d.copies());
    EXPECT_EQ(d.lstId.count(), d.copies());
    EXPECT_EQ(deckListed(d.lstZents, d.lstId), deckRows(d.file));
}

} // namespace

TEST(WorkingDeck, DeleteTakesTheHighlightedCopyOnlyAndNoIdentifierIsUsedTwice)
{
    Deck d(cards);
    for (const char *name : {"Alpha", "Alpha", "Alpha", "Alpha", "Beta"})
        d.deck.addCopy(name, InsertForm::Chosen);

    // Of four copies, exactly the selected one goes; nothing is highlighted after it, so a
    // second delete deletes nothing; identifiers are never reused.
    d.lstZents.setCurrentRow(2);
    d.deck.deleteSelected();
    EXPECT_EQ(d.statements.texts().filter("DELETE"), QStringList{"DELETE * FROM tblNames WHERE fldID = 3"});
    d.deck.deleteSelected();
    d.deck.addCopy("Alpha", InsertForm::Chosen);
    EXPECT_EQ(deckRows(d.file), "Alpha|1 Alpha|2 Alpha|4 Beta|5 Alpha|6");
    EXPECT_EQ(d.txtCount.text(), "5");
    expectInStep(d);

    // A current line the user un-highlighted (Ctrl+click) is not deleted. (That a delete the
    // catalogue refuses leaves the lists as the table is, the fault campaign checks.)
    d.lstZents.setCurrentRow(1);
    d.lstZents.item(1)->setSelected(false);
    d.deck.deleteSelected();
    EXPECT_EQ(d.added(), "Alpha Alpha Alpha Beta Alpha");
    expectInStep(d);

    // Past the last 16-bit identifier a copy is added nowhere, so none shares an identifier.
    d.counters.lastId = 32767;
    d.deck.addCopy("Alpha", InsertForm::Chosen);
    EXPECT_EQ(d.copies(), 5);
    expectInStep(d);

    // The two lists out of step, as only a fault of the program could leave them: reported as a
    // fault, and nothing is deleted.
    d.plantsFaults = true;
    delete d.lstId.takeItem(0);
    d.lstZents.setCurrentRow(4);
    d.deck.deleteSelected();
    EXPECT_EQ(d.faults, QStringList{"the deck's lists are out of step"});
    EXPECT_EQ(d.lstZents.count(), 5);
}

TEST(WorkingDeck, ClearEmptiesEverythingOrStopsAtTheFirstStepTheCatalogueRefuses)
{
    Deck d(cards);
    d.deck.addCopy("Alpha", InsertForm::Chosen);
    d.energies.up(EnergyKind::Fire);
    d.deck.clear();
    // The table emptied, then datNames refreshed; identifiers start again at 1.
    EXPECT_EQ(d.statements.texts().mid(d.statements.texts().indexOf("DELETE * FROM tblNames")),
              QStringList({"DELETE * FROM tblNames", "tblNames"}));
    EXPECT_EQ(d.lstZents.count() + d.lstId.count(), 0);
    d.deck.addCopy("Beta", InsertForm::Chosen);
    EXPECT_EQ(deckRows(d.file), "Beta|1");

    // A clear whose statement fails (the file turned read-only) still shows zeros; the lists
    // stay as the table does.
    d.energies.up(EnergyKind::Fire);
    faulty_files::arm(faulty_files::Kind::ReadOnly, 1, true);
    d.deck.clear();
    faulty_files::disarm();
    EXPECT_EQ(d.shown(EnergyKind::Fire) + d.txtCount.text(), "00");
    EXPECT_EQ(d.added(), "Beta");
    EXPECT_EQ(deckRows(d.file), "Beta|1");
}

TEST(Energies, StayWithinTheSixtyCardsAndTheColorlessLimit)
{
    Deck d(cards);
    for (int i = 0; i < 20; ++i)
        d.deck.addCopy("Alpha", InsertForm::Chosen);
    for (int i = 0; i < 40; ++i)
        d.energies.up(EnergyKind::Fire);
    EXPECT_EQ(d.txtCount.text(), "60");
    EXPECT_EQ(d.shown(EnergyKind::Fire), "40");

    // At 60 the deck is tested before the Colorless limit; nothing is added. Down works at 60;
    // 59 takes one more.
    d.dialogs.answerMessage(MessageAnswer::Ok);
    d.energies.up(EnergyKind::Colorless);
    EXPECT_EQ(d.dialogs.shown().at(0).box(), "You can only have 60 cards in your deck|Please don't cheat.|!|OK");
    d.energies.down(EnergyKind::Fire);
    d.energies.up(EnergyKind::Grass);
    EXPECT_EQ(d.txtCount.text(), "60");
    EXPECT_EQ(d.shown(EnergyKind::Grass), "1");

    // Four Colorless at most, whatever the total; Down at 0 does nothing; energies are no rows.
    d.fill(0);
    d.deck.showCounters();
    for (int i = 0; i < 5; ++i) {
        if (i == 4)
            d.dialogs.answerMessage(MessageAnswer::Ok);
        d.energies.up(EnergyKind::Colorless);
    }
    EXPECT_EQ(d.dialogs.shown().at(0).box(),
              "Only 4 Colorless energy cards are allowed in a deck.|Please don't Cheat|!|OK");
    d.energies.down(EnergyKind::Water);
    EXPECT_EQ(d.shown(EnergyKind::Water) + "/" + d.txtCount.text(), "0/4");
    EXPECT_EQ(deckRows(d.file), "");
}

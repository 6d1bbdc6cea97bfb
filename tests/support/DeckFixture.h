#pragma once

#include "CatalogueFixture.h"
#include "deck/AddCards.h"
#include "deck/Energies.h"
#include "deck/WorkingDeck.h"

// The deck's subsystems on a catalogue file of the test's own, driving controls of their own:
// no window. The catalogue refuses rows for "Refused". A fault of the program fails the test
// unless the test planted it.
struct Deck : OpenCatalogue
{
    deck::DeckCounters counters;
    QLineEdit txtCount;
    QListWidget lstZents, lstId;
    QLabel labels[deck::energyKindCount];
    deck::DeckControls controls{&txtCount, nullptr, nullptr, &lstZents, &lstId};
    deck::EnergyStrip strip;
    deck::WorkingDeck deck{catalogue, counters, controls, strip, card, dialogs, nullptr};
    deck::AddCards adding{deck, catalogue, card, trainers, dialogs, nullptr};
    deck::Energies energies{deck, dialogs, nullptr};

    explicit Deck(const QList<catalogue_writer::CardRow> &cards)
        : OpenCatalogue(cards, "DROP TABLE tblNames; CREATE TABLE tblNames (fldNames TEXT COLLATE NOCASE "
                               "CHECK (fldNames <> 'Refused'), fldID INTEGER)")
    {
        for (size_t i = 0; i < strip.columns.size(); ++i)
            strip.columns[i].count = &labels[i];
    }

    // A deck of that many copies of another card.
    void fill(int copies)
    {
        deck.clear();
        for (int i = 0; i < copies; ++i)
            deck.addCopy("Filler", deck::InsertForm::Chosen);
        dialogs.clear();
        statements.clear();
    }
    // The card shown, then its add button clicked.
    void add(const QString &name)
    {
        show(name);
        names(cboTrainers).contains(name) ? adding.addTrainer() : adding.addZentari();
    }
    // The deck list's lines from that one on, and the count of one energy kind as shown.
    QString added(int from = 0) const { return entries(lstZents.model()).mid(from).join(' '); }
    QString shown(deck::EnergyKind kind) const { return labels[size_t(kind)].text(); }
    int copies() const { return counters.cardCount.value(); }
};

#pragma once

#include "Testing.h"
#include "CatalogueWriter.h"
#include "ScriptedDialogs.h"
#include "catalogue/Catalogue.h"
#include "deck/AddCards.h"
#include "deck/Energies.h"
#include "deck/WorkingDeck.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"

// The deck's subsystems on a catalogue file of the test's own, driving controls of their own:
// no window. The catalogue refuses rows for "Refused". A fault of the program fails the test
// unless the test planted it.
struct Deck : HeardFailures
{
    const QList<catalogue_writer::CardRow> rows;
    TempDir folder;
    const QString file = folder.file("cards.znt");
    ui::ScriptedDialogs dialogs;
    db::StatementLog statements;
    db::Engine engine;
    catalogue::Catalogue catalogue{engine, &statements, {}, this};
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
    deck::Energies energies{deck, dialogs, nullptr};

    explicit Deck(const QList<catalogue_writer::CardRow> &cards) : rows(cards)
    {
        EXPECT_TRUE(catalogue_writer::writeCatalogue(file, rows));
        sqlite3Tool(file, "DROP TABLE tblNames; CREATE TABLE tblNames (fldNames TEXT COLLATE NOCASE "
                          "CHECK (fldNames <> 'Refused'), fldID INTEGER)");
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
        bool isTrainer = false;
        for (const catalogue_writer::CardRow &row : rows)
            if (row.value("fldName") == name || row.value("fldTrainers") == name) {
                txtGroup.setText(row.value("fldZentGroup"));
                txtGroupLev.setText(row.value("fldGroupLev"));
                isTrainer = row.value("fldTrainers") == name;
            }
        (isTrainer ? cboTrainers : cboName).setEditText(name);
        isTrainer ? adding.addTrainer() : adding.addZentari();
    }
    // The deck list's lines from that one on, and the count of one energy kind as shown.
    QString added(int from = 0) const
    {
        QStringList names;
        for (int i = from; i < lstZents.count(); ++i)
            names << lstZents.item(i)->text();
        return names.join(' ');
    }
    QString shown(deck::EnergyKind kind) const { return labels[size_t(kind)].text(); }
    int copies() const { return counters.intCardCount.value(); }
};

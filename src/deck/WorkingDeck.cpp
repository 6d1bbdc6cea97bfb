#include "deck/WorkingDeck.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Statements.h"
#include "platform/system/Attempt.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace deck {

namespace statements = catalogue::statements;
using sys::attempt;

WorkingDeck::WorkingDeck(catalogue::Catalogue &open, DeckCounters &deckCounters,
                         DeckControls &controls, EnergyStrip &strip,
                         const catalogue::CardControls &cardControls, ui::Dialogs &boxes,
                         QWidget *owner)
    : catalogue(open), count(deckCounters), deck(controls), energies(strip), card(cardControls),
      dialogs(boxes), window(owner)
{
}

void WorkingDeck::addCopy(const QString &name, InsertForm form)
{
    attempt([&] { count.intNextId = count.intNextId + 1; });
    const qint16 id = qint16(count.intNextId.value());
    attempt([&] {
        count.intCardCount = count.intCardCount + 1;
        count.intDeckTotal = count.intEnergyTotal + count.intCardCount;
    });
    showDeckTotal();
    const QString insert = form == InsertForm::Chosen       ? statements::addCopy(name, id)
                           : form == InsertForm::LaterStage ? statements::addLaterStage(name, id)
                                                            : statements::addSkarnox(id);
    attempt([&] { catalogue.execute(insert); });
    attempt([&] { catalogue.datNames().refresh(); });
    deck.lstZents->addItem(name);
    deck.lstId->addItem(QString::number(id));
}

void WorkingDeck::deleteSelected()
{
    const int line = deck.lstZents->currentRow();
    // With no line selected there is nothing to delete. A row the table keeps keeps its lines.
    if (line >= 0 && line < deck.lstId->count()
        && attempt([&] { catalogue.execute(statements::deleteCopy(deck.lstId->item(line)->text())); })) {
        delete deck.lstZents->takeItem(line);
        delete deck.lstId->takeItem(line);
        count.intCardCount = count.intCardCount - 1;
        count.intDeckTotal = count.intEnergyTotal + count.intCardCount;
        showDeckTotal();
    }
    card.cboName->setFocus();
}

void WorkingDeck::clear()
{
    count = DeckCounters{};
    card.cboName->setFocus();
    showCounters();
    if (!attempt([&] { catalogue.execute(statements::clearDeck()); })
        || !attempt([&] { catalogue.datNames().refresh(); }))
        return;
    deck.lstZents->clear();
    deck.lstId->clear();
    card.cboName->setFocus();
}

void WorkingDeck::UpdateCounts()
{
    Counter total;
    for (const EnergyKind &kind : energyKinds())
        total = total + count.*kind.count;
    count.intEnergyTotal = total;
    count.intDeckTotal = count.intCardCount + count.intEnergyTotal;
    showCounters();
}

void WorkingDeck::WarnDeckFull()
{
    ui::messageBox(dialogs, window, "You can only have 60 cards in your deck", ui::MessageButtons::Ok,
                   ui::MessageIcon::Exclamation, "Please don't cheat.");
}

void WorkingDeck::showCounters()
{
    for (int i = 0; i < energyKindCount; ++i) {
        const EnergyKind &kind = energyKinds()[i];
        const QString text = (count.*kind.count).text();
        energies[i].count->setText(text);
        // A screen reader hears the kind with the count.
        energies[i].count->setAccessibleName(QString(kind.caption) + " energy cards: " + text);
    }
    showDeckTotal();
}

void WorkingDeck::showDeckTotal()
{
    deck.txtCount->setText(count.intDeckTotal.text());
}

} // namespace deck

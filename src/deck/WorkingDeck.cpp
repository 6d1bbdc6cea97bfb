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

WorkingDeck::WorkingDeck(catalogue::Catalogue &open, DeckCounters &deckCounters,
                         DeckControls &controls, EnergyStrip &strip,
                         const catalogue::CardControls &cardControls, ui::Dialogs &boxes,
                         QWidget *owner)
    : catalogue(open), attempt(open.attempts()), count(deckCounters), deck(controls), energies(strip), card(cardControls),
      dialogs(boxes), window(owner)
{
}

void WorkingDeck::addCopy(const QString &name, InsertForm form)
{
    // Past the last identifier a 16-bit counter holds, a copy would share its identifier with
    // another, and one delete would take both: such a copy is not added anywhere.
    Counter next;
    if (!attempt([&] { next = count.lastId + 1; }))
        return;
    count.lastId = next;
    const qint16 id = qint16(next.value());
    attempt([&] {
        count.cardCount = count.cardCount + 1;
        count.deckTotal = count.energyTotal + count.cardCount;
    });
    showDeckTotal();
    const QString insert = form == InsertForm::Chosen       ? statements::addCopy(name, id)
                           : form == InsertForm::LaterStage ? statements::addLaterStage(name, id)
                                                            : statements::addSkarnox(id);
    // The copy is listed whether or not its row is written now: a row refused only for a
    // passing reason is kept and written once the file takes writes again.
    attempt([&] { catalogue.execute(insert, db::Database::OnPassingFailure::Keep); });
    attempt([&] { catalogue.deckControl().refresh(); });
    deck.lstZents->addItem(name);
    deck.lstId->addItem(next.text());
}

void WorkingDeck::deleteSelected()
{
    // Only a line the user highlighted goes, never Qt's current line alone.
    const QList<QListWidgetItem *> selected = deck.lstZents->selectedItems();
    const int line = selected.isEmpty() ? -1 : deck.lstZents->row(selected.constFirst());
    // With no line selected there is nothing to delete. A row the table keeps keeps its lines.
    if (line >= 0 && attempt([&] {
            // The two lists go in step; a line of one without its line in the other is the
            // program's own fault.
            if (line >= deck.lstId->count())
                throw sys::Fault("the deck's lists are out of step");
            catalogue.execute(statements::deleteCopy(deck.lstId->item(line)->text()));
        })) {
        delete deck.lstZents->takeItem(line);
        delete deck.lstId->takeItem(line);
        count.cardCount = count.cardCount - 1;
        count.deckTotal = count.energyTotal + count.cardCount;
        showDeckTotal();
        // Qt would highlight the next line by itself, and a second click delete a card the
        // user never chose.
        deck.lstZents->clearSelection();
    }
    card.cboName->setFocus();
}

void WorkingDeck::clear()
{
    count = DeckCounters{};
    card.cboName->setFocus();
    showCounters();
    if (!attempt([&] { catalogue.execute(statements::clearDeck()); })
        || !attempt([&] { catalogue.deckControl().refresh(); }))
        return;
    deck.lstZents->clear();
    deck.lstId->clear();
    card.cboName->setFocus();
}

void WorkingDeck::updateCounts()
{
    Counter total;
    for (const EnergyKind kind : countOrder)
        total = total + count[kind];
    count.energyTotal = total;
    count.deckTotal = count.cardCount + count.energyTotal;
    showCounters();
}

void WorkingDeck::warnDeckFull()
{
    ui::messageBox(dialogs, window, "You can only have 60 cards in your deck", ui::MessageButtons::Ok,
                   ui::MessageIcon::Exclamation, "Please don't cheat.");
}

void WorkingDeck::showCounters()
{
    for (const EnergyKind kind : countOrder) {
        const EnergyType &type = energyType(kind);
        const QString text = count[kind].text();
        energies[kind].count->setText(text);
        // A screen reader hears the kind with the count.
        energies[kind].count->setAccessibleName(QString(type.caption) + " energy cards: " + text);
    }
    showDeckTotal();
}

void WorkingDeck::showDeckTotal()
{
    deck.txtCount->setText(count.deckTotal.text());
}

} // namespace deck

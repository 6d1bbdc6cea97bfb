#pragma once

#include "catalogue/CardControls.h"
#include "catalogue/Rules.h"
#include "deck/DeckControls.h"
#include "deck/DeckCounters.h"

class QWidget;

namespace catalogue {
class Catalogue;
}
namespace ui {
class Dialogs;
}

namespace sys {
class Attempts;
}

namespace deck {

// How a copy's row is written: a copy of the chosen card, a later stage of a recommended set,
// or the Skarnox card of the Quarlith combination.
enum class InsertForm { Chosen, LaterStage, Skarnox };

// The deck the user is building, held in three places kept in step: the rows of tblNames in
// the open catalogue, the lines of lstZents with the identifiers on the same lines of the
// hidden lstId, and the deck counters.
class WorkingDeck
{
public:
    WorkingDeck(catalogue::Catalogue &catalogue, DeckCounters &counters, DeckControls &controls,
                EnergyStrip &energies, const catalogue::CardControls &card, ui::Dialogs &dialogs,
                QWidget *window);

    const DeckCounters &counters() const { return count; }
    DeckCounters &counters() { return count; }
    bool isFull() const { return catalogue::isDeckFull(count.deckTotal.value()); }

    // One copy: the next identifier, the counters and txtCount, the row, datNames refreshed and
    // a line in both lists. A step that fails is passed over: the lists and counters change even
    // when the row could not be written. With no identifier left, nothing is added anywhere.
    void addCopy(const QString &name, InsertForm form);
    // cmdDeleteZent_Click: the highlighted copy goes from the table, both lists and the
    // counters, and no line is highlighted after it.
    void deleteSelected();
    // cmdClear_Click: counters to 0 and shown; then the table, datNames and both lists emptied,
    // stopping silently at the first step that fails.
    void clear();

    // The energy total and deck total recomputed from the counters, all of them shown.
    void updateCounts();
    // The 60-card message; it tests nothing itself.
    void warnDeckFull();
    // Every counter shown as it stands: the seven energy counts and the deck total.
    void showCounters();

private:
    void showDeckTotal();

    catalogue::Catalogue &catalogue;
    const sys::Attempts &attempt; // the catalogue's
    DeckCounters &count;
    DeckControls &deck;
    EnergyStrip &energies;
    const catalogue::CardControls &card; // its cboName takes the keyboard after a change
    ui::Dialogs &dialogs;
    QWidget *window;
};

} // namespace deck

#include "deck/Energies.h"

#include "deck/WorkingDeck.h"
#include "platform/ui/Dialogs.h"

namespace deck {

Energies::Energies(WorkingDeck &workingDeck, ui::Dialogs &boxes, QWidget *owner)
    : deck(workingDeck), dialogs(boxes), window(owner)
{
}

void Energies::up(EnergyKind kind)
{
    const EnergyType &energy = energyType(kind);
    Counter &counter = deck.counters()[kind];
    // The whole deck is tested before the kind's own limit.
    if (deck.isFull()) {
        deck.warnDeckFull();
        return;
    }
    if (energy.limit > 0 && counter >= energy.limit) {
        ui::messageBox(dialogs, window, energy.limitMessage, ui::MessageButtons::Ok,
                       ui::MessageIcon::Exclamation, "Please don't Cheat");
        return;
    }
    counter = counter + 1;
    deck.updateCounts();
}

void Energies::down(EnergyKind kind)
{
    Counter &counter = deck.counters()[kind];
    if (counter < 1)
        return;
    counter = counter - 1;
    deck.updateCounts();
}

} // namespace deck

#include "deck/Energies.h"

#include "deck/WorkingDeck.h"
#include "platform/ui/Dialogs.h"

namespace deck {

const std::array<EnergyKind, energyKindCount> &energyKinds()
{
    static const std::array<EnergyKind, energyKindCount> kinds = {{
        {"Fighting", "Fighting", &DeckCounters::intFighting, "Add 1 fighting energy.",
         "Delete 1 fighting energy.", 0, nullptr},
        {"Fire", "Fire", &DeckCounters::intFire, "Add 1 fire energy.", "Delete 1 fire energy.", 0, nullptr},
        {"Water", "Water", &DeckCounters::intWater, "Add 1 water energy.",
         "Delete 1 water energy.", 0, nullptr},
        {"Grass", "Grass", &DeckCounters::intGrass, "Add 1 grass energy.",
         "Delete 1 grass energy.", 0, nullptr},
        {"Lightning", "Electric", &DeckCounters::intElectric, "Add 1 lighting energy.",
         "Delete 1 lightning energy.", 0, nullptr},
        {"Psychic", "Psychic", &DeckCounters::intPsychic, "Add 1 psychic energy.",
         "Delete 1 psychic energy.", 0, nullptr},
        {"Colorless", "Colorless", &DeckCounters::intColorless, "Add 1 colorless energy.",
         "Delete 1 colorless energy.", 4, "Only 4 Colorless energy cards are allowed in a deck."},
    }};
    return kinds;
}

Energies::Energies(WorkingDeck &workingDeck, ui::Dialogs &boxes, QWidget *owner)
    : deck(workingDeck), dialogs(boxes), window(owner)
{
}

void Energies::up(int kind)
{
    const EnergyKind &energy = energyKinds()[kind];
    Counter &counter = deck.counters().*energy.count;
    // The whole deck is tested before the kind's own limit.
    if (deck.isFull()) {
        deck.WarnDeckFull();
        return;
    }
    if (energy.limit > 0 && counter >= energy.limit) {
        ui::messageBox(dialogs, window, energy.limitMessage, ui::MessageButtons::Ok,
                       ui::MessageIcon::Exclamation, "Please don't Cheat");
        return;
    }
    counter = counter + 1;
    deck.UpdateCounts();
}

void Energies::down(int kind)
{
    Counter &counter = deck.counters().*energyKinds()[kind].count;
    if (counter < 1)
        return;
    counter = counter - 1;
    deck.UpdateCounts();
}

} // namespace deck

#include "deck/Energies.h"

#include "deck/WorkingDeck.h"
#include "platform/ui/Dialogs.h"

namespace deck {

const EnergyType &energyType(EnergyKind kind)
{
    // One row for each kind, in the order EnergyKind names them.
    static const EnergyType types[energyKindCount] = {
        {"Fighting", "Fighting", &DeckCounters::intFighting, "Add 1 fighting energy.",
         "Delete 1 fighting energy.", "  Fighting Energy", 0, nullptr},
        {"Fire", "Fire", &DeckCounters::intFire, "Add 1 fire energy.", "Delete 1 fire energy.",
         "  Fire Energy", 0, nullptr},
        {"Water", "Water", &DeckCounters::intWater, "Add 1 water energy.",
         "Delete 1 water energy.", "  Water Energy", 0, nullptr},
        {"Grass", "Grass", &DeckCounters::intGrass, "Add 1 grass energy.",
         "Delete 1 grass energy.", "  Grass Energy", 0, nullptr},
        {"Lightning", "Electric", &DeckCounters::intElectric, "Add 1 lighting energy.",
         "Delete 1 lightning energy.", "  Lightning Energy", 0, nullptr},
        {"Psychic", "Psychic", &DeckCounters::intPsychic, "Add 1 psychic energy.",
         "Delete 1 psychic energy.", "  Psychic Energy", 0, nullptr},
        {"Colorless", "Colorless", &DeckCounters::intColorless, "Add 1 colorless energy.",
         "Delete 1 colorless energy.", "  Colorless Energy", 4,
         "Only 4 Colorless energy cards are allowed in a deck."},
    };
    return types[int(kind)];
}

Energies::Energies(WorkingDeck &workingDeck, ui::Dialogs &boxes, QWidget *owner)
    : deck(workingDeck), dialogs(boxes), window(owner)
{
}

void Energies::up(EnergyKind kind)
{
    const EnergyType &energy = energyType(kind);
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

void Energies::down(EnergyKind kind)
{
    Counter &counter = deck.counters().*energyType(kind).count;
    if (counter < 1)
        return;
    counter = counter - 1;
    deck.UpdateCounts();
}

} // namespace deck

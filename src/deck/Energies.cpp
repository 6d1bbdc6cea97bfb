#include "deck/Energies.h"

namespace deck {

const std::array<EnergyKind, energyKindCount> &energyKinds()
{
    static const std::array<EnergyKind, energyKindCount> kinds = {{
        {"Fighting", "Fighting", &DeckCounters::intFighting, "Add 1 fighting energy.",
         "Delete 1 fighting energy.", 0},
        {"Fire", "Fire", &DeckCounters::intFire, "Add 1 fire energy.", "Delete 1 fire energy.", 0},
        {"Water", "Water", &DeckCounters::intWater, "Add 1 water energy.",
         "Delete 1 water energy.", 0},
        {"Grass", "Grass", &DeckCounters::intGrass, "Add 1 grass energy.",
         "Delete 1 grass energy.", 0},
        {"Lightning", "Electric", &DeckCounters::intElectric, "Add 1 lighting energy.",
         "Delete 1 lightning energy.", 0},
        {"Psychic", "Psychic", &DeckCounters::intPsychic, "Add 1 psychic energy.",
         "Delete 1 psychic energy.", 0},
        {"Colorless", "Colorless", &DeckCounters::intColorless, "Add 1 colorless energy.",
         "Delete 1 colorless energy.", 4},
    }};
    return kinds;
}

} // namespace deck

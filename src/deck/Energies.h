#pragma once

#include "deck/DeckCounters.h"

#include <array>

namespace deck {

inline constexpr int energyKindCount = 7;

// One kind of basic energy card. Lightning is "Electric" in its control and counter names.
struct EnergyKind
{
    const char *caption;          // "Fighting", ..., "Lightning", ...
    const char *name;             // "Fighting", ..., "Electric", ...: lblElectric, cmdElectricUp
    Counter DeckCounters::*count; // intFighting, ...
    const char *upTip;
    const char *downTip;
    int limit;                    // copies allowed in a deck; 0: none but the deck's own
};

// The seven kinds in the order of the energy strip, left to right.
const std::array<EnergyKind, energyKindCount> &energyKinds();

} // namespace deck

#pragma once

#include "deck/DeckCounters.h"

#include <array>

namespace deck {

// The seven kinds of basic energy card, in the order of the energy strip, left to right.
// Lightning is "Electric" in its control and counter names.
enum class EnergyKind { Fighting, Fire, Water, Grass, Electric, Psychic, Colorless };

inline constexpr int energyKindCount = 7;

// Everything the program says and keeps about one kind.
struct EnergyType
{
    const char *caption;          // "Fighting", ..., "Lightning", ...: the strip's heading
    const char *name;             // "Fighting", ..., "Electric", ...: lblElectric, cmdElectricUp
    Counter DeckCounters::*count; // intFighting, ...
    const char *upTip;
    const char *downTip;
    const char *reportSuffix;     // follows the count on the deck list's line of the kind
    int limit;                    // copies allowed in a deck; 0: none but the deck's own
    const char *limitMessage;     // said when the limit is reached
};

const EnergyType &energyType(EnergyKind kind);

// The strip's order; the order in which the counts are added and shown; the deck list's order.
inline constexpr std::array<EnergyKind, energyKindCount> stripOrder = {
    EnergyKind::Fighting, EnergyKind::Fire,     EnergyKind::Water,    EnergyKind::Grass,
    EnergyKind::Electric, EnergyKind::Psychic, EnergyKind::Colorless};
inline constexpr std::array<EnergyKind, energyKindCount> countOrder = {
    EnergyKind::Fighting, EnergyKind::Fire,  EnergyKind::Water,    EnergyKind::Electric,
    EnergyKind::Grass,    EnergyKind::Psychic, EnergyKind::Colorless};
inline constexpr std::array<EnergyKind, energyKindCount> reportOrder = {
    EnergyKind::Colorless, EnergyKind::Fighting, EnergyKind::Fire, EnergyKind::Water,
    EnergyKind::Psychic,   EnergyKind::Electric, EnergyKind::Grass};

} // namespace deck

#pragma once

#include <array>
#include <cstddef>
#include <iterator>

// The kinds of basic energy card. A kind is a value of EnergyKind and a row of energyTypes, with
// its places in countOrder and reportOrder: its counter, its column of the energy strip with the
// label, the buttons and their handlers, and its line of the deck list all come from these.
namespace deck {

// The seven kinds, in the order of the energy strip, left to right.
// Lightning is "Electric" in its control and counter names.
enum class EnergyKind { Fighting, Fire, Water, Grass, Electric, Psychic, Colorless };

// Everything the program says about one kind.
struct EnergyType
{
    EnergyKind kind;
    const char *caption;          // "Fighting", ..., "Lightning", ...: the strip's heading
    const char *name;             // "Fighting", ..., "Electric", ...: lblElectric, cmdElectricUp
    const char *upTip;
    const char *downTip;
    const char *reportSuffix;     // follows the count on the deck list's line of the kind
    int limit;                    // copies allowed in a deck; 0: none but the deck's own
    const char *limitMessage;     // said when the limit is reached
};

// One row for each kind, in the order EnergyKind names them, which is the strip's order.
inline constexpr EnergyType energyTypes[] = {
    {EnergyKind::Fighting, "Fighting", "Fighting", "Add 1 fighting energy.",
     "Delete 1 fighting energy.", "  Fighting Energy", 0, nullptr},
    {EnergyKind::Fire, "Fire", "Fire", "Add 1 fire energy.", "Delete 1 fire energy.",
     "  Fire Energy", 0, nullptr},
    {EnergyKind::Water, "Water", "Water", "Add 1 water energy.", "Delete 1 water energy.",
     "  Water Energy", 0, nullptr},
    {EnergyKind::Grass, "Grass", "Grass", "Add 1 grass energy.", "Delete 1 grass energy.",
     "  Grass Energy", 0, nullptr},
    {EnergyKind::Electric, "Lightning", "Electric", "Add 1 lighting energy.",
     "Delete 1 lightning energy.", "  Lightning Energy", 0, nullptr},
    {EnergyKind::Psychic, "Psychic", "Psychic", "Add 1 psychic energy.",
     "Delete 1 psychic energy.", "  Psychic Energy", 0, nullptr},
    {EnergyKind::Colorless, "Colorless", "Colorless", "Add 1 colorless energy.",
     "Delete 1 colorless energy.", "  Colorless Energy", 4,
     "Only 4 Colorless energy cards are allowed in a deck."},
};

inline constexpr std::size_t energyKindCount = std::size(energyTypes);

constexpr const EnergyType &energyType(EnergyKind kind)
{
    return energyTypes[std::size_t(kind)];
}

// The order in which the counts are added and shown; the deck list's order.
inline constexpr std::array<EnergyKind, energyKindCount> countOrder = {
    EnergyKind::Fighting, EnergyKind::Fire,  EnergyKind::Water,    EnergyKind::Electric,
    EnergyKind::Grass,    EnergyKind::Psychic, EnergyKind::Colorless};
inline constexpr std::array<EnergyKind, energyKindCount> reportOrder = {
    EnergyKind::Colorless, EnergyKind::Fighting, EnergyKind::Fire, EnergyKind::Water,
    EnergyKind::Psychic,   EnergyKind::Electric, EnergyKind::Grass};

namespace checks {

constexpr bool rowsFollowTheKinds()
{
    for (std::size_t row = 0; row < energyKindCount; ++row) {
        if (energyTypes[row].kind != EnergyKind(row))
            return false;
    }
    return true;
}

constexpr bool namesEveryKindOnce(const std::array<EnergyKind, energyKindCount> &order)
{
    std::array<bool, energyKindCount> named{};
    for (const EnergyKind kind : order) {
        if (std::size_t(kind) >= energyKindCount || named[std::size_t(kind)])
            return false;
        named[std::size_t(kind)] = true;
    }
    return true;
}

} // namespace checks

static_assert(checks::rowsFollowTheKinds(), "energyTypes lists the kinds in EnergyKind's order");
static_assert(checks::namesEveryKindOnce(countOrder), "countOrder names every kind once");
static_assert(checks::namesEveryKindOnce(reportOrder), "reportOrder names every kind once");

} // namespace deck

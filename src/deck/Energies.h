#pragma once

#include "deck/DeckCounters.h"

#include <array>

class QWidget;

namespace ui {
class Dialogs;
}

namespace deck {

class WorkingDeck;

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
    const char *limitMessage;     // said when the limit is reached
};

// The seven kinds in the order of the energy strip, left to right.
const std::array<EnergyKind, energyKindCount> &energyKinds();

// The energy strip's up and down buttons: one more or one fewer energy card of a kind, within
// the deck's 60 cards and the kind's own limit.
class Energies
{
public:
    Energies(WorkingDeck &deck, ui::Dialogs &dialogs, QWidget *window);

    // The kind by its place in energyKinds().
    void up(int kind);
    void down(int kind);

private:
    WorkingDeck &deck;
    ui::Dialogs &dialogs;
    QWidget *window;
};

} // namespace deck

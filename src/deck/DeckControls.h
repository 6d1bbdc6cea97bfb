#pragma once

#include "deck/Energies.h"

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace deck {

// The deck region of the main window: the deck total, the list of copies with its hidden twin
// of row identifiers, and the delete and clear buttons.
struct DeckControls
{
    QLineEdit *txtCount = nullptr;
    QPushButton *cmdDeleteZent = nullptr;
    QPushButton *cmdClear = nullptr;
    QListWidget *lstZents = nullptr;
    QListWidget *lstId = nullptr;
};

// One column of the energy strip: its count label and the up and down buttons.
struct Energy
{
    QLabel *count = nullptr; // lblFighting, lblFire, ...
    QToolButton *up = nullptr;   // cmdFightingUp, ...
    QToolButton *down = nullptr; // cmdFightingDn, ...
};

// The seven columns, in the order of energyKinds().
using EnergyStrip = std::array<Energy, energyKindCount>;

} // namespace deck

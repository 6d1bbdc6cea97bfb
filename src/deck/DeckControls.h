#pragma once

#include "deck/EnergyKinds.h"

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

// The seven columns, one for each kind.
struct EnergyStrip
{
    std::array<Energy, energyKindCount> columns;
    Energy &operator[](EnergyKind kind) { return columns[size_t(kind)]; }
    const Energy &operator[](EnergyKind kind) const { return columns[size_t(kind)]; }
};

} // namespace deck

#pragma once

#include "deck/EnergyKinds.h"

class QWidget;

namespace ui {
class Dialogs;
}

namespace deck {

class WorkingDeck;

// The energy strip's up and down buttons: one more or one fewer energy card of a kind, within
// the deck's 60 cards and the kind's own limit.
class Energies
{
public:
    Energies(WorkingDeck &deck, ui::Dialogs &dialogs, QWidget *window);

    void up(EnergyKind kind);
    void down(EnergyKind kind);

private:
    WorkingDeck &deck;
    ui::Dialogs &dialogs;
    QWidget *window;
};

} // namespace deck

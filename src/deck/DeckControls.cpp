#include "deck/DeckControls.h"

#include <QLabel>
#include <QLineEdit>

namespace deck {

void showCounters(const DeckCounters &counters, const DeckControls &deck,
                  const EnergyStrip &energies)
{
    for (int i = 0; i < energyKindCount; ++i)
        energies[i].count->setText((counters.*energyKinds()[i].count).text());
    deck.txtCount->setText(counters.intDeckTotal.text());
}

} // namespace deck

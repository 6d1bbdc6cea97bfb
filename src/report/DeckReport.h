#pragma once

#include <QString>
#include <QStringList>

namespace catalogue {
class Catalogue;
}
namespace deck {
struct EnergyStrip;
}

namespace report {

// The deck list: "Current Deck:", an empty line, the deck's card names, an empty line, a row of
// asterisks and the seven energy counts as the strip's count labels show them, lines joined by
// CR LF with none after the last.
QString DeckReport(const QStringList &names, const deck::EnergyStrip &energies);

// The deck's card names as tblNames returns them; throws DbError for an empty deck, which has
// no report.
QStringList deckNames(catalogue::Catalogue &catalogue);

} // namespace report

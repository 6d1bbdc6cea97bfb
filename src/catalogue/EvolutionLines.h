#pragma once

#include "catalogue/Rules.h"

#include <QString>

#include <optional>

namespace catalogue {

class Catalogue;

// The evolution lines of the open catalogue as adding a creature card meets them: a line's
// members counted and its stages walked over the cards, in stored order, by the catalogue's
// rules. A walk that fails is passed over silently: a count cut short counts nothing, and a
// stage walk cut short leaves the name as it was.
class EvolutionLines
{
public:
    explicit EvolutionLines(Catalogue &catalogue);

    // The rows of the line, the card's own among them.
    int membersOf(const QString &line) const;
    // The set the first copy of a card offers, given its line and level as its boxes show them.
    std::optional<RecommendedSet> setOffered(const QString &line, const QString &level) const;
    // The card the set takes as the stage after the name.
    QString stageAfter(const QString &name) const;

private:
    // The walk of one column of the cards.
    ColumnWalk cards(const char *column) const;

    Catalogue &catalogue;
};

} // namespace catalogue

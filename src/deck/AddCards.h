#pragma once

#include "catalogue/CardControls.h"

#include <QString>

#include <optional>

class QWidget;

namespace catalogue {
class Catalogue;
struct RecommendedSet;
}
namespace ui {
class Dialogs;
}

namespace sys {
class Attempts;
}

namespace deck {

class WorkingDeck;

// "Add Zentari" and "Add Trainers": a copy of the card named in the creature or trainer list,
// under the deck's 60 cards and 4 copies of a card; the first copy of an evolution line's basic
// offers the line's recommended set, and the first Quarlith two Quarlith and a Skarnox. Once the
// name is read, a step that fails is passed over silently.
class AddCards
{
public:
    AddCards(WorkingDeck &deck, catalogue::Catalogue &catalogue, const catalogue::CardControls &card,
             const catalogue::TrainerControls &trainers, ui::Dialogs &dialogs, QWidget *window);

    void addZentari();
    void addTrainer();

private:
    // Both commands' start, once the name is read: a full deck gets the 60-card message and
    // nothing (nullopt); otherwise the deck's copies of the name.
    std::optional<int> start(const QString &name);
    // The deck's copies of the name: rows of the copy-count query, which replaces rsNames, whose
    // fldNames is the name exactly (the catalogue itself compares without regard to case).
    int copiesOf(const QString &name);
    // The catalogue rows of that evolution line.
    int membersOf(const QString &group);
    // The stage a recommended set takes after the name, in one pass over the catalogue.
    QString nextInLine(const QString &name);
    bool offered(const QString &text);
    void warnFourCopies();
    void addSet(const QString &basic, const catalogue::RecommendedSet &set);

    WorkingDeck &deck;
    catalogue::Catalogue &catalogue;
    const sys::Attempts &attempt; // the catalogue's
    const catalogue::CardControls &card;
    const catalogue::TrainerControls &trainers;
    ui::Dialogs &dialogs;
    QWidget *window;
};

} // namespace deck

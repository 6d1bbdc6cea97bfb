#pragma once

#include "catalogue/CardControls.h"
#include "catalogue/EvolutionLines.h"

#include <QString>

#include <optional>

class QComboBox;
class QWidget;

namespace catalogue {
class Catalogue;
}
namespace ui {
class Dialogs;
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
    // Both commands' start, once the name is read from the list: a full deck gets the 60-card
    // message, a deck holding all the copies of the card the four-copy message and the keyboard
    // goes back to the list; both add nothing (nullopt). Otherwise the deck's copies of the name.
    std::optional<int> start(const QString &name, QComboBox *list);
    // The deck's copies of the name: rows of the copy-count query, which replaces the working
    // deck's cursor, whose fldNames is the name exactly (the catalogue itself compares without
    // regard to case).
    int copiesOf(const QString &name);
    bool offered(const QString &text);
    void addSet(const QString &basic, const catalogue::RecommendedSet &set);

    WorkingDeck &deck;
    catalogue::Catalogue &catalogue;
    catalogue::EvolutionLines lines;
    const catalogue::CardControls &card;
    const catalogue::TrainerControls &trainers;
    ui::Dialogs &dialogs;
    QWidget *window;
};

} // namespace deck

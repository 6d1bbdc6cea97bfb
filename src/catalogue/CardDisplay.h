#pragma once

#include "catalogue/CardControls.h"

#include <QString>

namespace sys {
class Attempts;
}

namespace catalogue {

class Catalogue;

// The two kinds of named card, each with its own column of the catalogue and name list.
enum class CardKind { Creature, Trainer };

// Shows one card of the open catalogue in the main window: its row in the text boxes bound to
// datZents, and its picture. Every step that fails is passed over silently; the display then
// keeps what it showed.
class CardDisplay
{
public:
    CardDisplay(Catalogue &catalogue, CardControls &card, AttackFrames &attacks,
                TrainerControls &trainers);

    // The card of that kind and name; nothing for an empty name. A trainer hands the keyboard
    // to the trainer list after it.
    void showChosen(CardKind kind, const QString &name);
    // The display of a card found by name: its row and picture, no focus moved.
    void showCard(CardKind kind, const QString &name);
    // Attack 1 or Attack 2, whichever is not seen now; then the keyboard goes to cboName.
    void toggleAttack();
    // The load's first card: the catalogue cursor's first row and its picture, found in the
    // program's folder; its name goes into cboName's text.
    void showFirstCard(const QString &programFolder);

    // The name list a card of that kind is chosen from.
    QComboBox *nameList(CardKind kind) const;

private:
    // The picture at the path, heard as the picture of the card with these names.
    void showPicture(const QString &path, const QString &creature, const QString &trainer);

    Catalogue &catalogue;
    const sys::Attempts &attempt;
    CardControls &card;
    AttackFrames &attacks;
    TrainerControls &trainers;
};

} // namespace catalogue

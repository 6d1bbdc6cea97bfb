#include "catalogue/CardDisplay.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "catalogue/Statements.h"
#include "platform/system/Attempt.h"
#include "platform/system/Files.h"
#include "platform/ui/PictureBox.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

namespace catalogue {

CardDisplay::CardDisplay(Catalogue &shown, CardControls &cardControls, AttackFrames &frames,
                         TrainerControls &trainerControls)
    : catalogue(shown), attempt(shown.attempts()), card(cardControls), attacks(frames), trainers(trainerControls)
{
}

QComboBox *CardDisplay::nameList(CardKind kind) const
{
    return kind == CardKind::Creature ? card.cboName : trainers.cboTrainers;
}

void CardDisplay::showChosen(CardKind kind, const QString &name)
{
    if (name.isEmpty())
        return;
    showCard(kind, name);
    if (kind == CardKind::Trainer)
        trainers.cboTrainers->setFocus();
}

void CardDisplay::showCard(CardKind kind, const QString &name)
{
    db::DataControl &cardControl = catalogue.cardControl();
    cardControl.setRecordSource(kind == CardKind::Creature ? statements::showCreature(name)
                                                        : statements::showTrainer(name));
    attempt([&] { cardControl.refresh(); });
    // The picture of the row now shown; after a failed refresh, still the previous card's.
    showPicture(sys::localPath(card.txtImagePath->text()), cardControl.value(column::name),
                cardControl.value(column::trainers));
}

void CardDisplay::showPicture(const QString &path, const QString &creature, const QString &trainer)
{
    // A screen reader says whose picture it is.
    if (card.imgZents->loadPicture(path))
        card.imgZents->setAccessibleDescription(path.isEmpty() ? QString()
                                                : isNoName(creature) ? trainer
                                                                     : creature);
}

void CardDisplay::toggleAttack()
{
    // Visible as the window sets it, whether or not the window is on screen yet.
    const bool showFirst = attacks.fraAttack1.frame->isHidden();
    attacks.fraAttack1.frame->setVisible(showFirst);
    attacks.fraAttack2.frame->setVisible(!showFirst);
    card.cboName->setFocus();
}

void CardDisplay::showFirstCard(const QString &programFolder)
{
    attempt([&] {
        db::Cursor &first = catalogue.catalogueCursor();
        first.moveFirst();
        const QString name = first.value(column::name);
        const QString trainer = first.value(column::trainers);
        attempt([&] {
            showPicture(sys::localPathIn(programFolder, first.value(column::image)), name, trainer);
        });
        // A catalogue that starts with a trainer shows it in the trainer list rather than
        // putting the "no creature" mark into the creature list's text.
        if (isNoName(name))
            trainers.cboTrainers->setEditText(trainer);
        else
            card.cboName->setEditText(name);
    });
}

} // namespace catalogue

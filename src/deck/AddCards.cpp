#include "deck/AddCards.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "catalogue/Rules.h"
#include "catalogue/Statements.h"
#include "deck/WorkingDeck.h"
#include "platform/system/Attempt.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>

namespace column = catalogue::column;

namespace deck {

namespace {

const QString recommended = "Would you like to add the recommended evolution cards?\r\n";

} // namespace

AddCards::AddCards(WorkingDeck &workingDeck, catalogue::Catalogue &open,
                   const catalogue::CardControls &cardControls,
                   const catalogue::TrainerControls &trainerControls, ui::Dialogs &boxes,
                   QWidget *owner)
    : deck(workingDeck), catalogue(open), lines(open), card(cardControls),
      trainers(trainerControls), dialogs(boxes), window(owner)
{
}

std::optional<int> AddCards::start(const QString &name, QComboBox *list)
{
    if (deck.isFull()) {
        deck.warnDeckFull();
        return std::nullopt;
    }
    const int copies = copiesOf(name);
    if (catalogue::hasAllCopies(copies)) {
        ui::messageBox(dialogs, window, "Only 4 cards of this type are allowed in a deck.",
                       ui::MessageButtons::Ok, ui::MessageIcon::Exclamation, "Please don't Cheat");
        list->setFocus();
        return std::nullopt;
    }
    return copies;
}

void AddCards::addZentari()
{
    const QString name = card.cboName->currentText();
    const std::optional<int> copies = start(name, card.cboName);
    if (!copies)
        return;
    if (*copies == 0) {
        // The evolution line of the card shown last, whatever name was typed.
        const std::optional<catalogue::RecommendedSet> set =
            lines.setOffered(card.txtGroup->text(), card.txtGroupLev->text());
        if (set && catalogue::fitsDeck(set->cards(), deck.counters().cardCount.value())
            && offered(recommended + (set->secondStage > 0 ? "(3 basics, 2 first stage, and 1 second stage)"
                                                           : "(2 basics, and 1 second Stage)"))) {
            addSet(name, *set);
            return;
        }
    }
    deck.addCopy(name, InsertForm::Chosen);
    card.cboName->setFocus();
}

void AddCards::addSet(const QString &basic, const catalogue::RecommendedSet &set)
{
    for (int i = 0; i < set.basics; ++i)
        deck.addCopy(basic, InsertForm::Chosen);
    QString stage = lines.stageAfter(basic);
    for (int i = 0; i < set.firstStage; ++i)
        deck.addCopy(stage, InsertForm::LaterStage);
    if (set.secondStage > 0) {
        stage = lines.stageAfter(stage);
        for (int i = 0; i < set.secondStage; ++i)
            deck.addCopy(stage, InsertForm::LaterStage);
    }
    card.cboName->setFocus();
}

void AddCards::addTrainer()
{
    const QString name = trainers.cboTrainers->currentText();
    const std::optional<int> copies = start(name, trainers.cboTrainers);
    if (!copies)
        return;
    if (*copies == 0 && name == QLatin1String(catalogue::combinationCard)
        && catalogue::fitsDeck(catalogue::combinationCards, deck.counters().cardCount.value())
        && offered("Would you like to add 2 Quarlith\r\n cards and 1 Skarnox card?")) {
        // The combination is added whole: no limit is tested between its cards.
        deck.addCopy(name, InsertForm::Chosen);
        deck.addCopy(name, InsertForm::Chosen);
        deck.addCopy(catalogue::combinationPartner, InsertForm::Skarnox);
    } else {
        deck.addCopy(name, InsertForm::Chosen);
    }
    trainers.cboTrainers->setFocus();
}

int AddCards::copiesOf(const QString &name)
{
    const sys::Attempts &attempt = catalogue.attempts();
    // When the query cannot run, the previous one's rows are counted.
    attempt([&] { catalogue.queryNames(catalogue::statements::countCopies(name)); });
    // A cursor that cannot be read is walked no further.
    int copies = 0;
    attempt([&] {
        catalogue.namesCursor().forEachValue(column::deckName, [&](QStringView row) { copies += row == name; });
    });
    return copies;
}

bool AddCards::offered(const QString &text)
{
    return ui::messageBox(dialogs, window, text, ui::MessageButtons::YesNo, ui::MessageIcon::None,
                          "Pro Tip")
           == ui::MessageAnswer::Yes;
}

} // namespace deck

#include "catalogue/CardSearch.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "platform/system/Attempt.h"
#include "platform/ui/Dialogs.h"

#include <QComboBox>

namespace catalogue {

namespace {

// What differs between looking for a creature and for a trainer.
struct Search
{
    const char *prompt;
    const char *title;
    const char *column;
    const char *messageStart;
    const char *messageEnd;
};

const Search &searchFor(CardKind kind)
{
    static const Search creature{"Enter the Zentari you want to find.", "Search Zentari",
                                 column::name, "The Zentari, ", "it is a valid Zentari card."};
    static const Search trainer{"Enter the Trainer you want to find.", "Search Trainers",
                                column::trainers, "The Trainer, ", "it is a valid Trainer card."};
    return kind == CardKind::Creature ? creature : trainer;
}

} // namespace

CardSearch::CardSearch(ui::Dialogs &boxes, QWidget *owner, Catalogue &searched,
                       CardDisplay &cardDisplay)
    : dialogs(boxes), window(owner), catalogue(searched), display(cardDisplay)
{
}

void CardSearch::find(CardKind kind)
{
    const Search &search = searchFor(kind);
    const QString name = dialogs.inputBox(window, search.prompt, search.title);
    if (name.isEmpty())
        return;
    QComboBox *list = display.nameList(kind);
    if (holds(kind, name)) {
        display.showCard(kind, name);
        // Code setting the text runs no click: the card is shown once, above.
        list->setEditText(name);
    } else {
        ui::messageBox(dialogs, window,
                       search.messageStart + name + ", was not found.\r\n"
                           + "Please check spelling and make sure " + search.messageEnd,
                       ui::MessageButtons::Ok, ui::MessageIcon::None, "Search Results");
    }
    list->setFocus();
}

bool CardSearch::holds(CardKind kind, const QString &name)
{
    // The catalogue compares without regard to case; the search wants the name exactly. A
    // catalogue that cannot be read holds no such name.
    bool found = false;
    // The walk ends past the last row, with or without a match.
    catalogue.attempts()([&] {
        catalogue.catalogueCursor().forEachValue(searchFor(kind).column,
                                                 [&](QStringView row) { found = found || row == name; });
    });
    return found;
}

} // namespace catalogue

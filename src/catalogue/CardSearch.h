#pragma once

#include "catalogue/CardDisplay.h"

class QWidget;

namespace ui {
class Dialogs;
}

namespace catalogue {

class Catalogue;

// Find > Find Zentari and Find > Find Trainer: asks for a name, looks for a card of exactly
// that name in the catalogue and shows it, or says it was not found.
class CardSearch
{
public:
    CardSearch(ui::Dialogs &dialogs, QWidget *window, Catalogue &catalogue, CardDisplay &display);

    void find(CardKind kind);

private:
    bool holds(CardKind kind, const QString &name);

    ui::Dialogs &dialogs;
    QWidget *window;
    Catalogue &catalogue;
    CardDisplay &display;
};

} // namespace catalogue

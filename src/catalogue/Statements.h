#pragma once

#include <QString>

// Every statement the program sends to its catalogue, each built in exactly one place.
// Names are joined in as they stand, except that a single quote inside a name is doubled, so
// no name can end the quoted text early and break or change the statement, and a NUL
// character is joined in as char(0).
namespace catalogue::statements {

// Empties the working deck when the main window closes or the user confirms the exit.
QString emptyDeck();
// Shows the creature card with this name in the card display.
QString showCreature(const QString &name);
// Shows the trainer card with this name in the card display.
QString showTrainer(const QString &name);
// Deletes the one deck copy with this row identifier (its decimal text).
QString deleteCopy(const QString &id);
// Empties the working deck when the user clears it.
QString clearDeck();
// Selects the deck's copies of this card, to count them.
QString countCopies(const QString &name);
// Adds one copy of a card chosen by the user (and the basics of a recommended set).
QString addCopy(const QString &name, qint16 id);
// Adds a first- or second-stage card of a recommended evolution set.
QString addLaterStage(const QString &name, qint16 id);
// Adds the Skarnox card of the Quarlith combination.
QString addSkarnox(qint16 id);
// Reads the deck's card names for the deck list.
QString readDeckNames();

// The name as it stands inside single quotes in a statement.
QString quoted(const QString &name);

} // namespace catalogue::statements

#pragma once

#include <QString>

class QComboBox;

namespace db {
class Cursor;
}

namespace catalogue {

// Fills a name list from the catalogue cursor, from its current row on, in the order the table
// is stored: every value of the column except the exact one-letter text "z", which marks a
// row holding no name of this kind. The cursor is then moved back to its first row.
// The list's text is left as it was.
void fillNameList(db::Cursor &cards, const QString &column, QComboBox &list);

// Removes every name from the list, leaving its text as it was.
void emptyNameList(QComboBox &list);

class Catalogue;

// The list steps of the load and of File > Open, each skipped silently when it fails: open the
// cursor over all cards, fill the creature list from fldName and the trainer list from
// fldTrainers, open the cursor over the working deck.
void fillNameLists(Catalogue &catalogue, QComboBox &cboName, QComboBox &cboTrainers);

} // namespace catalogue

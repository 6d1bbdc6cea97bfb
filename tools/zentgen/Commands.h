#pragma once

#include <QString>

// The generator's two jobs. Each returns false with a reason in *error when it cannot finish.
namespace zentgen {

// Writes folder/zentdeck.znt from a card source file and draws every card's picture into
// folder, where the catalogue's relative picture paths point.
bool buildCatalogue(const QString &source, const QString &folder, QString *error);

// Writes a synthetic catalogue of the given number of rows to file and draws the pictures it
// names into a "pictures" folder beside it.
bool buildSynthetic(int rows, const QString &file, QString *error);

} // namespace zentgen

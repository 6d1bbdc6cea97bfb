#pragma once

#include "CatalogueWriter.h"


#include <functional>

// A made-up catalogue of any size for tests and benchmarks, shaped like the bundled one:
// evolution lines of three and of two stored as consecutive rows sharing a group, lone
// basics each in a group of their own, trainers, the "z" placeholder in the name column a
// row does not use, a creature first, and the trainer Quarlith and the creature Skarnox.
// The same size always gives the same rows.
namespace zentgen {

// The fewest rows that hold the fixed opening: a line of three, Quarlith and Skarnox.
inline constexpr int syntheticMinimumRows = 5;

using TakeRow = std::function<void(const catalogue_writer::CardRow &)>;

// Hands the rows of a synthetic catalogue of size cards (at least syntheticMinimumRows) to
// take, one by one, so that none of them need be held. Their pictures are a handful shared by
// type, under "pictures/".
void makeSyntheticRows(int size, const TakeRow &take);

} // namespace zentgen

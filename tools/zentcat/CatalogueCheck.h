#pragma once

#include "CatalogueSource.h"

namespace zentcat {

// Reads the catalogue and lists, in a player's words, what will surprise its users: a missing
// table, rows in neither name list, missing pictures (relative to folder), evolution lines that
// get no recommended set, names listed twice. False when the catalogue cannot be read.
bool findSurprises(CatalogueSource &source, const QString &folder, QStringList *findings);

} // namespace zentcat

#pragma once

#include <QString>

// Runs the sqlite3 command-line tool on a file: an independent reader of what the program wrote.
// Returns its standard output with the trailing line break removed.
QString sqlite3Tool(const QString &file, const QString &sql);
// The rows of the file's working deck as "name|id", one after the other, in stored order.
QString deckRows(const QString &file);

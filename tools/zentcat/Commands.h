#pragma once

#include <QString>
#include <QStringList>

// The tool's commands. Each returns the exit code; on an error it also gives a one-line reason.
namespace zentcat {

enum ExitCode {
    Success = 0,
    ProblemsFound = 1, // check found something that will surprise the catalogue's users
    UsageError = 2,
    BadInput = 3,      // missing or unreadable file, not a catalogue, missing table or column
    CannotWrite = 4,
};

// Writes a catalogue in the program's SQLite format from any catalogue or card table text.
ExitCode importCatalogue(const QString &in, const QString &out, QString *error);
// Writes the card table of a catalogue as card table text.
ExitCode exportCards(const QString &in, const QString &out, QString *error);
// Lists what will surprise the users of a catalogue, one finding a line, in *findings.
ExitCode checkCatalogue(const QString &in, QStringList *findings, QString *error);

} // namespace zentcat

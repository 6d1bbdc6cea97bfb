#pragma once

#include "catalogue/BoundBoxes.h"
#include "catalogue/Rules.h"
#include "platform/db/Cursor.h"
#include "platform/db/DataControl.h"
#include "platform/db/Database.h"
#include "platform/system/Attempt.h"
#include "platform/system/WorkingFolder.h"

#include <QHash>

#include <memory>
#include <optional>

namespace db {
class Engine;
class StatementLog;
}

namespace catalogue {

// The users' catalogue tool, which turns a legacy (Access-format) catalogue into one of the
// program's own. The program runs it as a separate process with a time limit, so a damaged
// file can neither crash nor hang the program.
struct CatalogueTool
{
    QString path;
    int timeLimitMs = 10000;
    qint64 memoryLimitBytes = qint64(1) << 30; // far above what a catalogue takes to read
};

// The main window's handles on the open catalogue file (the window knows them as gdbZents,
// rsCatalogue, rsNames, datZents and datNames): the database, the cursors over all cards and
// over the working deck, and the two data controls, one for the card display (read-only) and one
// for the working deck. Every operation throws DbError when it fails and then leaves the
// handles as they were.
//
// A catalogue the user may write is used in place. One that cannot be used in place, a legacy
// file or a file the user may not write, is used through a private working copy: every
// statement, cursor and data control works on the copy and the chosen file is never written.
class Catalogue
{
public:
    // A log, when given, receives every statement text sent to the file; a sink, when given,
    // hears of the failures the handlers working on the catalogue pass over.
    explicit Catalogue(const db::Engine &engine, db::StatementLog *log = nullptr, CatalogueTool tool = {},
                       sys::FailureSink *failures = nullptr);

    // How the handlers working on the catalogue run a step whose failure they pass over.
    const sys::Attempts &attempts() const { return attempt; }

    // Opens the file as the catalogue in use: any file the engine opens, even one missing a table (the
    // statements on that table then fail). A file that is neither the program's own kind nor a
    // legacy catalogue is refused. On failure the previously open file stays in use. A file
    // used through a working copy earlier in the run is opened again through the same copy,
    // as a file used in place is, so its deck is still there.
    void open(const QString &path);
    bool isOpen() const { return current.has_value(); }
    const db::Database &database() const; // throws DbError when no file is open

    void openCatalogueCursor(); // the cursor over all cards, on "tblZentDeck"
    void openNamesCursor();     // the cursor over the working deck, on "tblNames"
    // Replaces the working deck's cursor by the result of a SELECT on the working deck.
    void queryNames(const QString &statement);
    db::Cursor &catalogueCursor(); // throws DbError when it is not open
    db::Cursor &namesCursor();

    // A statement refused for a passing reason fails, or with OnPassingFailure::Keep is kept
    // and written once the file takes writes again, before the deck is next read.
    void execute(const QString &statement,
                 db::Database::OnPassingFailure onFailure = db::Database::OnPassingFailure::Fail) const
    {
        database().execute(statement, onFailure);
    }

    // Points both data controls at the catalogue open (at its working copy when it has one),
    // or at no file while none is: the card control at the cards, the deck control at the
    // working deck. So the card shown always comes from the catalogue the lists come from.
    // Nothing is read until each is refreshed.
    void pointDataControls();
    db::DataControl &cardControl() { return zents; }
    // The card boxes the card control fills.
    BoundBoxes &cardBoxes() { return zentsBoxes; }
    db::DataControl &deckControl() { return names; }
    const db::DataControl &cardControl() const { return zents; }
    const db::DataControl &deckControl() const { return names; }

private:
    // Why a chosen file is used through a working copy of it.
    enum class WorkingCopy {
        Legacy,   // a catalogue in the older Access format, turned into one of the program's own
        ReadOnly, // a file the user may not change where it lies
        InUse,    // a file another running copy of the program writes its deck into
    };
    // The copy a file needs before anything else is known of it; none for a file used in place.
    // Throws DbError for a file of neither kind.
    std::optional<WorkingCopy> copyNeeded(const QString &path) const;
    QString makeWorkingCopy(const QString &path, WorkingCopy kind);

    const db::Engine &engine;
    // Declared first of what it holds, so the folder goes after everything that may hold its
    // files open.
    std::optional<sys::WorkingFolder> folder;
    CatalogueTool tool;
    QString openFile; // the file the catalogue open reads: the chosen file or its working copy
    QHash<QString, QString> workingCopies; // by the chosen file's canonical path; they live
                                           // as long as the folder, to the end of the run
    db::StatementLog *log;
    sys::Attempts attempt;
    std::optional<db::Database> current;
    std::unique_ptr<db::Cursor> cards;
    std::unique_ptr<db::Cursor> deck;
    db::DataControl zents;
    db::DataControl names;
    BoundBoxes zentsBoxes{zents};
};

} // namespace catalogue

#pragma once

// What every test has at hand: Qt's widgets and test tools, GoogleTest, a folder of its own, the
// file helpers, and the sqlite3 tool as an independent reader of what the program wrote.
#include "platform/system/FailureSink.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

#include <ostream>

// A fresh folder for one test; removed with everything in it when the test ends.
struct TempDir : QTemporaryDir
{
    TempDir() : QTemporaryDir(QDir::tempPath() + "/zentdeck-test-XXXXXX") {}
    QString file(const QString &name) const { return filePath(name); }
};

// The file's content, or empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the file anew with the content; true when all of it was written.
bool writeFile(const QString &path, const QByteArray &content);
// A script the owner may run.
bool writeProgram(const QString &path, const QByteArray &script = "#!/bin/sh\nexit 0\n");
// A named pipe in place of whatever was there: a reader of it waits for a writer.
bool makePipe(const QString &path);
// The file's SHA-256, or empty when there is no ordinary file.
QByteArray digest(const QString &path);
// Every entry under the folder (of the kinds the filter names), as paths relative to it, sorted.
QStringList filesUnder(const QString &folder, QDir::Filters filter = QDir::AllEntries);

// A program run to its end, or killed at the time limit: its exit code (-1 when it crashed or did
// not finish) and what it wrote on its two streams.
struct ToolRun
{
    int code;
    QString out;
    QString err;
};
ToolRun runTool(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                int limitMs = 10000);
// Runs the sqlite3 command-line tool on a file and returns its output without the last line break.
QString sqlite3Tool(const QString &file, const QString &sql);
// The catalogue tool zentcat run as the program runs it, a process of its own.
ToolRun runZentcat(const QStringList &arguments);
// The rows of the file's working deck as "name|id", one after the other, in stored order.
QString deckRows(const QString &file);
// The texts of a list's entries, in order: a name list's names or a list box's lines.
QStringList entries(const QAbstractItemModel *list);
// The deck list as the working deck's rows would read, from its two list boxes.
QString deckListed(const QListWidget &names, const QListWidget &ids);

// How sizes compare: exactly, or as other word processors keep them, to the half-point.
enum class SizeRule { Exact, HalfPoints };
// The look of each character, every paragraph led by a mark that carries its alignment,
// indents and spacing (in twips).
QStringList looks(const QTextDocument &document, SizeRule sizes = SizeRule::Exact);
// What a reader sees of the first character of the first occurrence of a piece of text: its
// formatting, with what the character leaves open taken from the document's default font, and
// its paragraph's alignment, as "Arial 15pt bold italic underline #0000ff align 4" ("auto" for
// the automatic colour).
QString lookOf(const QTextDocument &document, const QString &text);

struct sqlite3;

// A connection of the test's own to a file, through SQLite's C API on the engine's own files
// (never a fault put in under the program), which waits for nothing: an independent reader of
// what the program wrote, or another program holding the file.
class SqliteConnection
{
public:
    explicit SqliteConnection(const QString &file);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection &) = delete;
    SqliteConnection &operator=(const SqliteConnection &) = delete;
    // The rows of the statements, each as its values joined by "|"; "<error: ...>" last when
    // one fails.
    QStringList rows(const char *sql) const;

private:
    sqlite3 *db = nullptr;
};

// Catalogue rows: a creature, in an evolution line at a stage when one is given, and a trainer.
inline QHash<QString, QString> creature(const QString &name, const QString &line = {}, const QString &stage = {})
{
    QHash<QString, QString> row{{"fldName", name}, {"fldTrainers", "z"}};
    if (!line.isNull())
        row.insert({{"fldZentGroup", line}, {"fldGroupLev", stage}});
    return row;
}
inline QHash<QString, QString> trainer(const QString &name)
{
    return {{"fldName", "z"}, {"fldTrainers", name}};
}

// Hears what a subsystem passes over and the faults of the program; a fault fails the test at
// once, whatever the subsystem does with it, unless the test planted it.
struct HeardFailures : sys::FailureSink
{
    void passedOver(const QString &failure) override { failures << failure; }
    void faulted(const QString &fault) override
    {
        if (!plantsFaults)
            ADD_FAILURE() << "a fault of the program: " << fault.toStdString();
        faults << fault;
    }
    bool plantsFaults = false;
    QStringList failures, faults;
};

// Readable Qt values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

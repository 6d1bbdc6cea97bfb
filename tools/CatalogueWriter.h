#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace db {
class Connection;
class Statement;
}

// Writes catalogue files (*.znt): an SQLite database with the card table tblZentDeck and
// the working-deck table tblNames. Used by the catalogue tools and by tests that need
// a catalogue made for the case.
namespace catalogue_writer {

// One card: column name -> text. Columns left out are stored as empty text.
using CardRow = QHash<QString, QString>;

// Writes a catalogue one row at a time, so a catalogue of any size takes little memory.
// The rows go to a new file beside the target, which takes the target's name only when
// finish() succeeds: the target never holds a partly written catalogue.
class Writer
{
public:
    explicit Writer(const QString &path);
    ~Writer();


    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    bool add(const CardRow &row);
    // A row given as its values in column order, as UTF-8 text (a null QByteArray is stored
    // as NULL), for tblZentDeck and for tblNames.
    bool addCard(const QByteArrayList &values);
    bool addName(const QByteArrayList &values);
    bool finish();
    // Why the last step failed; empty while all went well.
    const QString &error() const { return reason; }

private:
    // Runs a step of the database layer; false, with the reason kept, when it fails.
    bool attempt(const std::function<void()> &step);
    bool insert(db::Statement *statement, const QByteArrayList &values);
    bool fail(const QString &why);

    QString target;
    QString partial; // the file being written, renamed to target at the end
    std::shared_ptr<db::Connection> connection;
    std::unique_ptr<db::Statement> insertCard;
    std::unique_ptr<db::Statement> insertName;
    QString reason;
};

// Writes the file with the given rows, in order. Returns false, with a reason in *error when
// given, if the file cannot be written.
bool writeCatalogue(const QString &path, const QList<CardRow> &rows, QString *error = nullptr);

} // namespace catalogue_writer

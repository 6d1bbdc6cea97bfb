#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// The tables of a catalogue whatever its file format, read row by row in stored order.
namespace zentcat {

// Receives one row's values in the order asked for, as UTF-8 text (a null QByteArray is a
// NULL); returns false to stop the reading.
using TakeRow = std::function<bool(const QByteArrayList &values)>;

class CatalogueSource
{
public:
    virtual ~CatalogueSource() = default;

    // A database holds both tables; card table text holds tblZentDeck alone.
    virtual bool isDatabase() const = 0;
    virtual bool hasTable(const QString &table) const = 0;
    // Hands every row of the table to take, in stored order. Fails when the table or one of
    // the columns is missing, or the file cannot be read.
    virtual bool readTable(const QString &table, const QStringList &columns, const TakeRow &take) = 0;
    // What of the file the program never runs or reads, and why, one sentence each.
    virtual QStringList refusedParts() const { return {}; }
    // Why the last step failed.
    const QString &error() const { return reason; }

protected:
    bool fail(const QString &why)
    {
        reason = why;
        return false;
    }

private:
    QString reason;
};

// Opens the file as what its content says it is: an Access-format catalogue, an SQLite
// catalogue or card table text. Null, with a reason in *error, when it is none of them.
std::unique_ptr<CatalogueSource> openCatalogue(const QString &path, QString *error);

} // namespace zentcat

#pragma once

#include "CatalogueSource.h"

#include <QList>

// Card table text: tblZentDeck as tab-separated UTF-8 text that a spreadsheet opens and saves.
// The first line holds the column names, each further line one card in stored order. Inside
// a value a tab is written \t, a line feed \n, a carriage return \r and a backslash \\, so each
// card stays on one line; a NULL is written \N. A value holding a double quote is put between
// double quotes with the quote doubled, as spreadsheets write it; when reading, a quoted value
// may also hold raw tabs and line breaks.
namespace zentcat {

// The text of the first line, and of one card's line, each ending in a line feed.
QByteArray tsvHeader();
QByteArray tsvLine(const QByteArrayList &values);

// Whether the text starts with the header line (a byte order mark before it is allowed).
bool isCardTableText(const QByteArray &start);

// Reads card table text; the whole file is read and checked when opened.
class TsvReader : public CatalogueSource
{
public:
    explicit TsvReader(const QString &path);

    bool isOpen() const { return opened; }
    bool isDatabase() const override { return false; }
    bool hasTable(const QString &table) const override;
    bool readTable(const QString &table, const QStringList &columns, const TakeRow &take) override;

private:
    bool opened = false;
    QList<QByteArrayList> rows;
};

} // namespace zentcat

#include "report/DeckReport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "catalogue/Statements.h"
#include "deck/DeckControls.h"

#include <QLabel>

namespace column = catalogue::column;

namespace report {

QString DeckReport(const QStringList &names, const deck::EnergyStrip &energies)
{
    QString text = "Current Deck:\r\n";
    for (const QString &name : names)
        text += "\r\n" + name;
    text += "\r\n\r\n * * * * * * * * * * * *\r\n";
    QStringList lines;
    for (const deck::EnergyKind kind : deck::reportOrder)
        lines << energies[kind].count->text() + deck::energyType(kind).reportSuffix;
    return text + lines.join("\r\n");
}

QStringList deckNames(catalogue::Catalogue &catalogue)
{
    const std::unique_ptr<db::Cursor> rows =
        catalogue.database().openCursor(catalogue::statements::readDeckNames());
    QStringList names;
    rows->forEachValue(column::deckName, [&](const QString &name) { names << name; });
    return names;
}

} // namespace report

#include "report/DeckReport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Statements.h"
#include "deck/DeckCounters.h"

namespace report {

QString DeckReport(const QStringList &names, const deck::DeckCounters &counters)
{
    const std::pair<deck::Counter, const char *> energies[] = {
        {counters.intColorless, "  Colorless Energy"}, {counters.intFighting, "  Fighting Energy"},
        {counters.intFire, "  Fire Energy"},           {counters.intWater, "  Water Energy"},
        {counters.intPsychic, "  Psychic Energy"},     {counters.intElectric, "  Lightning Energy"},
        {counters.intGrass, "  Grass Energy"},
    };
    QString text = "Current Deck:\r\n";
    for (const QString &name : names)
        text += "\r\n" + name;
    text += "\r\n\r\n * * * * * * * * * * * *\r\n";
    QStringList lines;
    for (const auto &[count, suffix] : energies)
        lines << count.text() + suffix;
    return text + lines.join("\r\n");
}

QStringList deckNames(catalogue::Catalogue &catalogue)
{
    const std::unique_ptr<db::Cursor> rows =
        catalogue.database().openCursor(catalogue::statements::readDeckNames());
    QStringList names;
    rows->forEachValue("fldNames", [&](const QString &name) { names << name; });
    return names;
}

} // namespace report

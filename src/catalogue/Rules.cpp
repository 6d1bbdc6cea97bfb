#include "catalogue/Rules.h"

#include <cmath>

namespace catalogue {

namespace {

constexpr int deckCards = 60;
constexpr int copiesOfACard = 4;

} // namespace

int stageOf(const QString &level)
{
    // As the catalogue engine read a number: blanks around it, "1.0" and "01" are 1. No line
    // has more than a few stages; a larger number is no stage either.
    bool number = false;
    const double stage = level.toDouble(&number);
    return number && stage >= 1 && stage < 100 && stage == std::floor(stage) ? int(stage) : 0;
}

QHash<QString, int> lineMembers(const QStringList &lines, const ColumnWalk &rowLines)
{
    QHash<QString, int> members;
    for (const QString &line : lines)
        members.insert(line, 0);
    rowLines([&](QStringView rowLine) {
        const auto line = members.find(rowLine.toString());
        if (line != members.end() && inLine(rowLine, line.key()))
            ++*line;
    });
    return members;
}

QString stageAfter(const QString &name, const ColumnWalk &names)
{
    QString stage = name;
    bool takeThisRow = false; // the row before held the name
    names([&](QStringView rowName) {
        if (!takeThisRow) {
            takeThisRow = rowName == stage;
            return;
        }
        takeThisRow = false;
        if (!rowName.isEmpty())
            stage = rowName.toString();
    });
    return stage;
}

std::optional<RecommendedSet> setOffered(const QString &level, int members)
{
    if (!isBasic(level))
        return std::nullopt;
    if (members == 3)
        return RecommendedSet{3, 2, 1};
    if (members == 2)
        return RecommendedSet{2, 1, 0};
    return std::nullopt;
}

bool isDeckFull(int deckTotal)
{
    return deckTotal >= deckCards;
}

bool fitsDeck(int setCards, int cards)
{
    return cards + setCards <= deckCards;
}

bool hasAllCopies(int copies)
{
    return copies >= copiesOfACard;
}

FileKind fileKind(const QByteArray &start)
{
    if (start.startsWith(QByteArray("SQLite format 3\0", 16)))
        return FileKind::Sqlite;
    const QByteArray engine = start.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return FileKind::Legacy;
    return FileKind::Other;
}

} // namespace catalogue

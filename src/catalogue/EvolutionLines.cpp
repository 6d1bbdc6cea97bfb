#include "catalogue/EvolutionLines.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Columns.h"
#include "platform/system/Attempt.h"

namespace catalogue {

EvolutionLines::EvolutionLines(Catalogue &open) : catalogue(open)
{
}

ColumnWalk EvolutionLines::cards(const char *column) const
{
    return [this, column](const std::function<void(QStringView)> &visit) {
        catalogue.catalogueCursor().forEachValue(column, visit);
    };
}

int EvolutionLines::membersOf(const QString &line) const
{
    int members = 0;
    catalogue.attempts()([&] { members = lineMembers({line}, cards(column::group)).value(line); });
    return members;
}

std::optional<RecommendedSet> EvolutionLines::setOffered(const QString &line, const QString &level) const
{
    // Only a basic's line is counted: no other card offers a set.
    return catalogue::setOffered(level, isBasic(level) ? membersOf(line) : 0);
}

QString EvolutionLines::stageAfter(const QString &name) const
{
    QString stage = name;
    catalogue.attempts()([&] { stage = catalogue::stageAfter(name, cards(column::name)); });
    return stage;
}

} // namespace catalogue

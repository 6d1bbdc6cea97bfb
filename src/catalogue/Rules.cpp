#include "catalogue/Rules.h"

namespace catalogue {

bool isBasic(const QString &level)
{
    bool number = false;
    return level.toDouble(&number) == 1 && number;
}

std::optional<RecommendedSet> recommendedSet(int members)
{
    if (members == 3)
        return RecommendedSet{3, 2, 1};
    if (members == 2)
        return RecommendedSet{2, 1, 0};
    return std::nullopt;
}

bool fitsDeck(int setCards, int cards)
{
    return cards + setCards <= 60;
}

void StageAfter::operator()(QStringView rowName)
{
    if (!takeThisRow) {
        takeThisRow = rowName == stage;
        return;
    }
    takeThisRow = false;
    if (!rowName.isEmpty())
        stage = rowName.toString();
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

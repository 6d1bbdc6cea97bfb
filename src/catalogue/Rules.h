#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

// The rules of a catalogue's content and of a deck, each in this one place: the program, the
// catalogue tool's check and the generator ask the same code. Nothing here reads a file.
namespace catalogue {

// ---- the cards ----

// The mark in fldName or fldTrainers of a row that has no name of that kind.
inline constexpr char noNameMark[] = "z";
// Exact: "Z" or "z " are names.
inline bool isNoName(QStringView name)
{
    return name == QLatin1StringView(noNameMark);
}

// A row is one card, a creature or a trainer, when exactly one of its name columns holds the
// mark; the other is the name it is listed by.
inline bool isOneCard(QStringView name, QStringView trainer)
{
    return isNoName(name) != isNoName(trainer);
}

// The stage a card's fldGroupLev gives it in its line, read as a number: 1 for the basic, 2 and
// 3 for the later stages; 0 for a level that is no whole number from 1 up.
int stageOf(const QString &level);
inline bool isBasic(const QString &level)
{
    return stageOf(level) == 1;
}

// Whether a row of the catalogue belongs to the evolution line: its fldZentGroup is the line's.
// A row without a line (NULL) is in none, not even in one whose name is empty; an empty name is a
// name like any other. The line of a card being added is read from its text box, where a NULL
// shows as empty: a basic without a line counts the rows of the empty line name.
inline bool inLine(QStringView rowLine, QStringView line)
{
    return !rowLine.isNull() && rowLine == line;
}

// One column of the catalogue's rows walked in stored order: the function given is called with
// each row's value, a NULL as a null string.
using ColumnWalk = std::function<void(const std::function<void(QStringView)> &visit)>;

// The rows of each line asked about, given the walk of fldZentGroup: the rows in that line, the
// card's own row among them. One walk counts them all.
QHash<QString, int> lineMembers(const QStringList &lines, const ColumnWalk &rowLines);

// The card a recommended set takes as the stage after a name, given the walk of fldName: the
// name of the row after the first row holding the name; the walk goes on past that row,
// comparing with the name it took. A match on the last row, or a following row without a name,
// changes nothing.
QString stageAfter(const QString &name, const ColumnWalk &names);

// The recommended set of a line, offered with the first copy of its basic.
struct RecommendedSet
{
    int basics;
    int firstStage;
    int secondStage;
    int cards() const { return basics + firstStage + secondStage; }
};
// The set the first copy of a card at that level offers, its line holding that many rows: only
// a basic's; a line of three makes a set of six, two a set of three, any other line none.
std::optional<RecommendedSet> setOffered(const QString &level, int members);

// ---- the deck ----

// The combination the first copy of one trainer card offers: two of it and one partner card,
// added whole, without a limit tested between them.
inline constexpr char combinationCard[] = "Quarlith";
inline constexpr char combinationPartner[] = "Skarnox";
inline constexpr int combinationCards = 3;

// Whether a deck of that many cards, energies included, takes no more.
bool isDeckFull(int deckTotal);
// Whether a set of that many cards is offered to a deck of that many creature and trainer
// cards: only when all of it fits within the deck's cards (energies are not counted).
bool fitsDeck(int setCards, int cards);
// Whether a deck holding that many copies of a creature or trainer card takes no more of it.
bool hasAllCopies(int copies);

// ---- the file ----

// What a file is, known by its first bytes whatever its name.
enum class FileKind { Sqlite, Legacy, Other };
inline constexpr int fileKindBytes = 19; // the bytes fileKind() reads
FileKind fileKind(const QByteArray &start);

} // namespace catalogue

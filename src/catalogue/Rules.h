#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The rules a catalogue's content follows, in one place: the program's offers and the
// catalogue tool's check ask the same code. Nothing here reads a file.
namespace catalogue {

// The "z" in fldName or fldTrainers: the row has no name of that kind. Exact: "Z" or "z " are
// names.
inline bool isNoName(QStringView name)
{
    return name == u"z";
}

// Whether a card's stage (fldGroupLev) makes it the basic card of its line: a number equal to 1.
bool isBasic(const QString &level);

// Whether a row of the catalogue belongs to the evolution line: its fldZentGroup is the line's.
// A row without a line (NULL) is in none, not even in one whose name is empty.
inline bool inLine(QStringView rowLine, QStringView line)
{
    return !rowLine.isNull() && rowLine == line;
}

// The recommended set of a line, offered with the first copy of its basic.
struct RecommendedSet
{
    int basics;
    int firstStage;
    int secondStage;
    int cards() const { return basics + firstStage + secondStage; }
};
// The set of a line of that many cards: three cards make a set of six, two a set of three; any
// other line has none.
std::optional<RecommendedSet> recommendedSet(int members);
// Whether a set of that many cards is offered to a deck of that many creature and trainer
// cards: only when all of it fits within the deck's 60 (energies are not counted).
bool fitsDeck(int setCards, int cards);

// The card a recommended set takes as the stage after a name: given the names of the catalogue
// in stored order, one after the other, it is the name of the row after the first row holding
// the name; the walk goes on past that row, comparing with the name it took. A match on the
// last row, or a following row without a name, changes nothing.
class StageAfter
{
public:
    explicit StageAfter(QString name) : stage(std::move(name)) {}
    void operator()(QStringView rowName);
    const QString &name() const { return stage; }

private:
    QString stage;
    bool takeThisRow = false; // the row before held the name
};

// What a file is, known by its first bytes whatever its name.
enum class FileKind { Sqlite, Legacy, Other };
inline constexpr int fileKindBytes = 19; // the bytes fileKind() reads
FileKind fileKind(const QByteArray &start);

} // namespace catalogue

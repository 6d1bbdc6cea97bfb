#include "CatalogueCheck.h"

#include "catalogue/Columns.h"
#include "catalogue/Rules.h"

#include <QFileInfo>
#include <QHash>
#include <QList>

namespace column = catalogue::column;
using catalogue::isNoName;

namespace zentcat {

namespace {

// What the check reads of a card.
struct Card
{
    int row; // counted from 1 in stored order
    QString name;
    QString trainer;
    QString picture;
    QString line;
    QString stage;
};

const QStringList &checkedColumns()
{
    static const QStringList columns = {column::name, column::trainers, column::image, column::group, column::groupLevel};
    return columns;
}

bool isCreature(const Card &card)
{
    return !isNoName(card.name);
}

QString quoted(const QString &text)
{
    return '"' + text + '"';
}

// How the player knows the card: its creature name, or its trainer name.
QString cardLabel(const Card &card)
{
    return QString("Row %1 (%2)").arg(card.row).arg(quoted(isCreature(card) ? card.name : card.trainer));
}

// "3", "3 and 17", "3, 17 and 20".
QString rowList(const QList<int> &rows)
{
    QStringList numbers;
    for (const int row : rows)
        numbers << QString::number(row);
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? last : numbers.join(", ") + " and " + last;
}

// The card column lookups compare names without regard to the case of A to Z.
QString foldedCase(const QString &name)
{
    QString folded = name;
    for (QChar &c : folded)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    return folded;
}

void checkNames(const Card &card, QStringList *findings)
{
    const QString label = QString("Row %1").arg(card.row);
    if (isNoName(card.name) && isNoName(card.trainer))
        *findings << label + " is in neither name list: both fldName and fldTrainers are \"z\".";
    else if (!isNoName(card.name) && !isNoName(card.trainer))
        *findings << label + " is in both name lists: neither fldName nor fldTrainers is \"z\".";
    if (card.name.isEmpty() || card.trainer.isEmpty())
        *findings << label + " shows as an empty line in the " + (card.name.isEmpty() ? "creature" : "trainer")
                         + " list: its name is empty.";
}

// A picture is looked for beside the catalogue; catalogues made on Windows separate folders
// with "\".
bool pictureIsThere(const Card &card, const QString &folder)
{
    const QString path = QString(card.picture).replace(u'\\', u'/');
    return QFileInfo(QFileInfo(path).isAbsolute() ? path : folder + "/" + path).isFile();
}

void checkPictures(const QList<Card> &cards, const QString &folder, QStringList *findings)
{
    QList<bool> missing;
    qsizetype named = 0;
    for (const Card &card : cards) {
        named += !card.picture.isEmpty();
        missing << (!card.picture.isEmpty() && !pictureIsThere(card, folder));
    }
    // A catalogue copied without its pictures gets one line, not one a card.
    const bool noneThere = named > 1 && missing.count(true) == named;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (cards[i].picture.isEmpty())
            *findings << cardLabel(cards[i]) + " has no picture.";
        else if (missing[i] && !noneThere)
            *findings << cardLabel(cards[i]) + ": its picture " + quoted(cards[i].picture) + " is missing.";
    }
    if (noneThere)
        *findings << QString("None of the %1 card pictures is there: they are looked for beside the "
                             "catalogue, in %2.").arg(named).arg(folder);
}

// The card that the recommended set takes as the next stage after name, walked as the
// program walks it when it adds the set.
QString nextStage(const QList<Card> &cards, const QString &name)
{
    catalogue::StageAfter walk(name);
    for (const Card &card : cards)
        walk(card.name);
    return walk.name();
}

bool isBasic(const Card &card)
{
    return catalogue::isBasic(card.stage);
}

// A line gets its recommended set when its basic is added: it needs two or three cards,
// one at level 1, and the others on the rows after it, stage by stage.
void checkLine(const QString &line, const QList<int> &members, const QList<Card> &cards, QStringList *findings)
{
    const QString named = "The evolution line " + quoted(line);
    if (members.size() == 1) {
        // A lone basic is a card that does not evolve; a lone later stage lacks its line.
        const Card &card = cards[members.first()];
        if (!isBasic(card))
            *findings << named + " holds only " + quoted(card.name) + ", at level " + card.stage
                             + ": its other stages are missing.";
        return;
    }
    if (!catalogue::recommendedSet(int(members.size()))) {
        *findings << named + QString(" has %1 cards: a recommended set is offered only for lines of "
                                     "2 or 3 cards.").arg(members.size());
        return;
    }
    bool basicFound = false;
    for (const int index : members) {
        if (!isBasic(cards[index]))
            continue;
        basicFound = true;
        QStringList expected, added;
        QString stage = cards[index].name;
        for (qsizetype k = 1; k < members.size(); ++k) {
            const Card *next = index + k < cards.size() ? &cards[index + k] : nullptr;
            expected << (next && next->line == line && next->stage.toDouble() == k + 1 ? next->name : QString());
            stage = nextStage(cards, stage);
            added << stage;
        }
        if (expected != added)
            *findings << named + " is not stored stage by stage on the rows after its basic "
                             + quoted(cards[index].name) + ": its recommended set adds "
                             + (added.size() == 1 ? quoted(added[0]) + " once."
                                                  : quoted(added[0]) + " twice and " + quoted(added[1]) + " once.");
    }
    if (!basicFound)
        *findings << named + " has no card at level 1: no recommended set is offered for it.";
}

void checkLines(const QList<Card> &cards, QStringList *findings)
{
    QStringList order;
    QHash<QString, QList<int>> lines;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (cards[i].line.isEmpty())
            continue;
        if (!lines.contains(cards[i].line))
            order << cards[i].line;
        lines[cards[i].line] << int(i);
    }
    for (const QString &line : order)
        checkLine(line, lines.value(line), cards, findings);
}

void checkDuplicates(const QList<Card> &cards, bool creatures, QStringList *findings)
{
    QStringList order;
    QHash<QString, QList<int>> rows;
    for (const Card &card : cards) {
        const QString &name = creatures ? card.name : card.trainer;
        if (isNoName(name) || name.isEmpty())
            continue;
        const QString key = foldedCase(name);
        if (!rows.contains(key))
            order << name;
        rows[key] << card.row;
    }
    for (const QString &name : order) {
        const QList<int> &where = rows[foldedCase(name)];
        if (where.size() > 1)
            *findings << QString("The %1 name %2 is on rows %3: it is listed %4 times and always shows the "
                                 "same card.")
                             .arg(creatures ? "creature" : "trainer", quoted(name), rowList(where))
                             .arg(where.size());
    }
}

} // namespace

bool findSurprises(CatalogueSource &source, const QString &folder, QStringList *findings)
{
    *findings << source.refusedParts();
    const bool cardsThere = source.hasTable(catalogue::cardTable);
    if (!cardsThere)
        *findings << "The catalogue has no card table (tblZentDeck): the program lists no card from it.";
    if (source.isDatabase() && !source.hasTable(catalogue::namesTable))
        *findings << "The catalogue has no deck table (tblNames): the program lists its cards but cannot keep a deck in it.";
    if (!cardsThere)
        return true;

    QList<Card> cards;
    const bool read = source.readTable(catalogue::cardTable, checkedColumns(), [&](const QByteArrayList &values) {
        const auto text = [&](int column) { return QString::fromUtf8(values[column]); };
        cards.append({int(cards.size()) + 1, text(0), text(1), text(2), text(3), text(4)});
        return true;
    });
    if (!read)
        return false;
    for (const Card &card : cards)
        checkNames(card, findings);
    checkPictures(cards, folder, findings);
    checkLines(cards, findings);
    checkDuplicates(cards, true, findings);
    checkDuplicates(cards, false, findings);
    return true;
}

} // namespace zentcat

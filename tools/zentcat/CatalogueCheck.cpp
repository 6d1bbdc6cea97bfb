#include "CatalogueCheck.h"

#include "catalogue/Columns.h"
#include "catalogue/Rules.h"
#include "platform/system/Files.h"

#include <QFileInfo>
#include <QHash>
#include <QList>

#include <algorithm>

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
    if (!catalogue::isOneCard(card.name, card.trainer))
        *findings << label + (isNoName(card.name) ? " is in neither name list: both fldName and fldTrainers are "
                                                  : " is in both name lists: neither fldName nor fldTrainers is ")
                         + quoted(catalogue::noNameMark) + ".";
    if (card.name.isEmpty() || card.trainer.isEmpty())
        *findings << label + " shows as an empty line in the " + (card.name.isEmpty() ? "creature" : "trainer")
                         + " list: its name is empty.";
}

// A picture is looked for beside the catalogue, as the program looks for its first card's in the
// program's folder, where its catalogue lies.
bool pictureIsThere(const Card &card, const QString &folder)
{
    return QFileInfo(sys::localPathIn(folder, card.picture)).isFile();
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

// One column of the cards, walked as the program walks the catalogue.
catalogue::ColumnWalk walkOf(const QList<Card> &cards, QString Card::*column)
{
    return [&cards, column](const std::function<void(QStringView)> &visit) {
        for (const Card &card : cards)
            visit(card.*column);
    };
}

QString times(int count)
{
    return count == 1 ? "once" : "twice";
}

// The set the first copy of a basic adds, walked as the program walks it, is what the catalogue
// means when each stage it takes is the card on the next row of the line, at the next stage.
void checkStages(const QList<Card> &cards, qsizetype basic, const QString &line,
                 const catalogue::RecommendedSet &set, QStringList *findings)
{
    QStringList expected, added;
    QString stage = cards[basic].name;
    for (int k = 1; k <= (set.secondStage > 0 ? 2 : 1); ++k) {
        const Card *next = basic + k < cards.size() ? &cards[basic + k] : nullptr;
        expected << (next && catalogue::inLine(next->line, line) && catalogue::stageOf(next->stage) == k + 1
                         ? next->name : QString());
        stage = catalogue::stageAfter(stage, walkOf(cards, &Card::name));
        added << stage;
    }
    if (expected != added)
        *findings << "The evolution line " + quoted(line) + " is not stored stage by stage on the rows after its basic "
                         + quoted(cards[basic].name) + ": its recommended set adds " + quoted(added[0]) + " "
                         + times(set.firstStage)
                         + (added.size() > 1 ? " and " + quoted(added[1]) + " " + times(set.secondStage) : "") + ".";
}

// The creatures' lines, each in the order its first creature is stored, as the program's offers
// meet them: a basic counts the rows of the line its box shows (a NULL as empty) and offers the
// set that many cards make; a line of later stages without a basic is never offered. A basic
// alone in its line is a card that does not evolve, and cards without a stage mean no line.
void checkLines(const QList<Card> &cards, QStringList *findings)
{
    QStringList order;
    QHash<QString, QList<qsizetype>> basics, later;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const Card &card = cards[i];
        const bool basic = catalogue::isBasic(card.stage);
        if (!isCreature(card) || (!basic && card.line.isNull()))
            continue;
        const QString line = card.line.isNull() ? QString("") : card.line;
        if (!basics.contains(line) && !later.contains(line))
            order << line;
        (basic ? basics : later)[line] << i;
    }
    const QHash<QString, int> lineMembers = catalogue::lineMembers(order, walkOf(cards, &Card::line));
    for (const QString &line : order) {
        const QString named = "The evolution line " + quoted(line);
        const int members = lineMembers.value(line);
        const QList<qsizetype> lineBasics = basics.value(line);
        if (!lineBasics.isEmpty()) {
            const std::optional<catalogue::RecommendedSet> set =
                catalogue::setOffered(cards[lineBasics[0]].stage, members);
            if (!set && members > 1)
                *findings << named + QString(" has %1 cards: a recommended set is offered only for lines of 2 or 3 "
                                             "cards.").arg(members);
            for (const qsizetype basic : lineBasics)
                if (set)
                    checkStages(cards, basic, line, *set, findings);
            continue;
        }
        const QList<qsizetype> stages = later.value(line);
        const auto laterStage = [&](qsizetype i) { return catalogue::stageOf(cards[i].stage) > 1; };
        if (std::none_of(stages.begin(), stages.end(), laterStage))
            continue;
        if (members == 1)
            *findings << named + " holds only " + quoted(cards[stages[0]].name) + ", at level " + cards[stages[0]].stage
                             + ": its other stages are missing.";
        else
            *findings << named + " has no card at level 1: no recommended set is offered for it.";
    }
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

#include "SyntheticCatalogue.h"

#include "catalogue/Columns.h"
#include "catalogue/Rules.h"
#include "Emblems.h"

#include <QStringList>

#include <iterator>

namespace column = catalogue::column;

using catalogue_writer::CardRow;

namespace zentgen {

namespace {

const QStringList types = energyTypeNames();
// What each type, by its place in types, is weak to and resists (for a type added later, no
// type is named: its weakness reads " x2").
const QStringList weakTo = {"Psychic", "Water", "Lightning", "Fire", "Fighting", "Psychic", "Fighting"};
const QStringList resists = {"Lightning", "Grass", "Fire", "Water", "Colorless", "Fighting", "Psychic"};

const QStringList heads = {"Vor", "Kel", "Ash", "Mir", "Tal", "Zen", "Oru", "Bri", QString::fromUtf8("\u00c9l")};
const QStringList tails = {"let", "dra", "mon", "wisp", "gar", "fin", "rok", "ith"};
const QStringList stageWords = {"", " Ascended", " Paragon"};
const QStringList trainerWords = {"Field Tonic", "Lantern", "Sea Chart", "Charm", "Satchel", "Bell"};

QString picture(const QString &kind) { return "pictures/synthetic-" + kind.toLower() + ".png"; }

// A unique name for every serial; now and then one carries an apostrophe, as real names do.
QString creatureName(int serial)
{
    const QString head = serial % 50 == 7 ? "Ka'" : heads[serial % heads.size()];
    return head + tails[serial / heads.size() % tails.size()] + " " + QString::number(serial);
}

class Builder
{
public:
    Builder(int rows, const TakeRow &taker) : size(rows), take(taker) {}

    int left() const { return size - made; }

    // A line of the given number of stages, or lone basics where the line would not fit.
    void addLine(int stages)
    {
        if (stages > left()) {
            while (left() > 0)
                addLine(1);
            return;
        }
        const QString basic = creatureName(++serial);
        const QString group = QString::number(++groups);
        QString previous;
        for (int stage = 1; stage <= stages; ++stage) {
            const QString name = basic + stageWords[stage - 1];
            addCreature(name, group, stage, previous);
            previous = name;
        }
    }

    void addNamedLone(const QString &name, const QString &type)
    {
        addCreature(name, QString::number(++groups), 1, {}, type);
    }

    void addTrainer(const QString &name = {})
    {
        ++serial;
        const QString title = name.isEmpty()
            ? trainerWords[serial % trainerWords.size()] + " " + QString::number(serial) : name;
        add({{column::name, catalogue::noNameMark},
             {column::trainers, title},
             {column::image, picture("trainer")},
             {column::category, "Trainer"},
             {column::notes, "Draw 2 cards. You may play only one " + title + " each turn."}});
    }

private:
    void add(const CardRow &row)
    {
        take(row);
        ++made;
    }

    void addCreature(const QString &name, const QString &group, int stage, const QString &previous,
                     QString type = {})
    {
        const int kind = type.isEmpty() ? serial % int(types.size()) : int(types.indexOf(type));
        type = types[kind];
        const QString cost = QString::number(stage) + " " + type;
        add({{column::name, name},
             {column::trainers, catalogue::noNameMark},
             {column::image, picture(type)},
             {column::category, type},
             {column::hitPoints, QString::number(30 + 10 * (serial % 5) + 30 * stage)},
             {column::weakness, weakTo.value(kind) + " x2"},
             {column::resistance, resists.value(kind) + " -30"},
             {column::retreatCost, QString::number(stage)},
             {column::level, QString::number(8 + serial % 9 + 15 * (stage - 1))},
             {column::evolution, previous.isEmpty() ? "Basic" : "Evolves from " + previous},
             {column::power, stage == 3 ? "Power: Steady Heart. This card cannot be confused." : ""},
             {column::notes, "Seen near the shore at dusk."},
             {column::attack1, "Tackle"},
             {column::attack1Cost, "1 Colorless"},
             {column::attack1Damage, QString::number(10 * stage)},
             {column::attack1Effects, "Flip a coin. If heads, this attack does 10 more damage."},
             {column::attack2, type + " Surge"},
             {column::attack2Cost, cost + ", 1 Colorless"},
             {column::attack2Damage, QString::number(20 + 20 * stage)},
             {column::attack2Effects, "Discard 1 " + type + " energy attached to this card."},
             {column::group, group},
             {column::groupLevel, QString::number(stage)}});
    }

    const int size;
    const TakeRow &take;
    int made = 0;
    int serial = 0;
    int groups = 0;
};

} // namespace

void makeSyntheticRows(int size, const TakeRow &take)
{
    Builder builder(qMax(size, syntheticMinimumRows), take);
    // The opening: a line of three first (the first row is a creature), then the pair
    // that one trainer offers together.
    builder.addLine(3);
    builder.addTrainer(catalogue::combinationCard);
    builder.addNamedLone(catalogue::combinationPartner, "Fighting");

    // Then a repeating mix in roughly the bundled catalogue's proportions; 0 is a trainer.
    const int pattern[] = {3, 0, 2, 1, 0, 2, 1, 0};
    for (int i = 0; builder.left() > 0; ++i) {
        const int kind = pattern[i % std::size(pattern)];
        if (kind == 0)
            builder.addTrainer();
        else
            builder.addLine(kind);
    }
}

} // namespace zentgen

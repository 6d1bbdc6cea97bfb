#include "CatalogueShape.h"
#include "Sqlite3Tool.h"

#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using catalogue_writer::CardRow;

namespace {

const QString bundledFile = ZENT_PROGRAM_DIR "/zentdeck.znt";

int countWhere(const QList<CardRow> &rows, const QString &column, const QString &value)
{
    return int(std::count_if(rows.begin(), rows.end(), [&](const CardRow &row) { return row.value(column) == value; }));
}

bool anyName(const QList<CardRow> &rows, const std::function<bool(const QString &)> &test)
{
    return std::any_of(rows.begin(), rows.end(), [&](const CardRow &row) {
        return test(row.value("fldName")) || test(row.value("fldTrainers"));
    });
}

} // namespace

TEST(BundledCatalogue, HoldsEnoughCardsOfEveryKindInTheCatalogueConventions)
{
    const QList<CardRow> rows = readCards(bundledFile);
    ASSERT_GE(rows.size(), 150);
    // An independent reader sees the same file.
    EXPECT_EQ(sqlite3Tool(bundledFile, "select count(*) from tblZentDeck"), QString::number(rows.size()));
    EXPECT_EQ(sqlite3Tool(bundledFile, "select count(*) from tblNames"), "0");

    const CatalogueShape shape = shapeOf(rows);
    EXPECT_EQ(shape.faults.join("\n").toStdString(), "");
    EXPECT_GE(shape.linesOfThree, 10);
    EXPECT_GE(shape.linesOfTwo, 10);
    EXPECT_GE(shape.loneBasics, 20);
    EXPECT_GE(shape.trainers, 25);

    EXPECT_EQ(countWhere(rows, "fldTrainers", "Quarlith"), 1);
    EXPECT_EQ(countWhere(rows, "fldName", "Skarnox"), 1);

    QSet<QString> types;
    for (const CardRow &row : rows)
        if (row.value("fldName") != "z")
            types.insert(row.value("fldCatagory"));
    for (const char *type : {"Fighting", "Fire", "Water", "Grass", "Lightning", "Psychic", "Colorless"})
        EXPECT_TRUE(types.contains(type)) << type;

    EXPECT_TRUE(anyName(rows, [](const QString &name) { return name.contains('\''); }));
    EXPECT_TRUE(anyName(rows, [](const QString &name) { return name.contains('-'); }));
    EXPECT_TRUE(anyName(rows, [](const QString &name) {
        return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter() && c.unicode() > 0x7f; });
    }));
}

TEST(BundledCatalogue, CardsAreFullyDescribedEachWithADrawnPictureInTheProgramFolder)
{
    const QStringList creatureColumns = {
        "fldCatagory", "fldHitPoints", "fldWeakness", "fldResistance", "fldRetreatCost", "fldLevel",
        "fldEvolution", "fldNotes", "fldAttack1", "fldAtck1Cost", "fldAtck1Damage", "fldAtck1Effects",
        "fldAttack2", "fldAtck2Cost", "fldAtck2Damage", "fldAtck2Effects"};
    const QList<CardRow> rows = readCards(bundledFile);
    int powers = 0;
    for (const CardRow &row : rows) {
        const bool trainer = row.value("fldName") == "z";
        for (const QString &column : trainer ? QStringList{"fldNotes"} : creatureColumns)
            EXPECT_FALSE(row.value(column).isEmpty()) << column.toStdString();
        powers += !row.value("fldZentPower").isEmpty();
    }
    EXPECT_GT(powers, 0);

    const QStringList paths = picturePaths(rows);
    EXPECT_EQ(paths.size(), rows.size()); // one picture per card
    for (const QString &path : paths) {
        EXPECT_TRUE(QRegularExpression("^[A-Za-z0-9_/.-]+$").match(path).hasMatch()) << path.toStdString();
        QImageReader reader(ZENT_PROGRAM_DIR "/" + path);
        EXPECT_EQ(reader.format(), "png") << path.toStdString();
        EXPECT_EQ(reader.size(), QSize(240, 330)) << path.toStdString();
    }
}

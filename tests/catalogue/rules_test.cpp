// The rules of a catalogue's content, which the program's offers and zentcat check share. Which
// sets are offered and the deck sizes they must fit are the deck's adding tests' to check; how a
// file is known by its first bytes, zentcat's import tests'.
#include "Testing.h"
#include "catalogue/Rules.h"

using namespace catalogue;

TEST(Rules, BasicsNamesAndLinesAreAsTheCatalogueEngineComparedThem)
{
    for (const char *basic : {"1", "1.0", "01", " 1"})
        EXPECT_TRUE(isBasic(basic)) << basic;
    for (const char *other : {"2", "", "one", "1st", "z"})
        EXPECT_FALSE(isBasic(other)) << other;
    // Only the exact "z" is no name: the name lists show every other.
    EXPECT_TRUE(isNoName(u"z"));
    for (const char16_t *name : {u"Z", u"z ", u""})
        EXPECT_FALSE(isNoName(name));

    // A row without a line is in none; an empty line name is a name like any other.
    EXPECT_FALSE(inLine(QStringView(), u""));
    EXPECT_TRUE(inLine(u"", u""));
    EXPECT_FALSE(inLine(u"10", u"1"));
}

TEST(Rules, TheStageAfterANameIsTheRowAfterItsFirstRowWalkedOnce)
{
    const auto stageAfter = [](const QString &name, const QStringList &rows) {
        StageAfter walk(name);
        for (const QString &row : rows)
            walk(row);
        return walk.name();
    };
    EXPECT_EQ(stageAfter("A", {"A", "B", "C"}), "B");
    // The walk goes on with the name it took: B's row is taken, so C follows only later.
    EXPECT_EQ(stageAfter("A", {"A", "B", "B", "C"}), "C");
    // Stored last, or followed by a row without a name: the name itself.
    EXPECT_EQ(stageAfter("C", {"A", "B", "C"}), "C");
    EXPECT_EQ(stageAfter("A", {"A", "", "B"}), "A");
    EXPECT_EQ(stageAfter("a", {"A", "B"}), "a");
}

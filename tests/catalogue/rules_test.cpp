// The rules of a catalogue's content, which the program's offers and zentcat check share.
#include "catalogue/Rules.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace catalogue;

TEST(Rules, BasicsLinesAndSetsAreAsTheCatalogueEngineComparedThem)
{
    for (const char *basic : {"1", "1.0", "01", " 1"})
        EXPECT_TRUE(isBasic(basic)) << basic;
    for (const char *other : {"2", "", "one", "1st", "z"})
        EXPECT_FALSE(isBasic(other)) << other;
    EXPECT_TRUE(isNoName(u"z"));
    for (const char16_t *name : {u"Z", u"z ", u""})
        EXPECT_FALSE(isNoName(name));

    // A row without a line is in none; an empty line name is a name like any other.
    EXPECT_FALSE(inLine(QStringView(), u""));
    EXPECT_TRUE(inLine(u"", u""));
    EXPECT_FALSE(inLine(u"10", u"1"));

    // Sets for lines of three and two, offered only when the whole set fits in 60 cards.
    ASSERT_TRUE(recommendedSet(3) && recommendedSet(2));
    EXPECT_EQ(recommendedSet(3)->cards(), 6);
    EXPECT_EQ(recommendedSet(2)->secondStage, 0);
    for (const int members : {0, 1, 4})
        EXPECT_FALSE(recommendedSet(members)) << members;
    EXPECT_TRUE(fitsDeck(6, 54));
    EXPECT_FALSE(fitsDeck(6, 55));
    EXPECT_TRUE(fitsDeck(3, 57));
    EXPECT_FALSE(fitsDeck(3, 58));
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

TEST(Rules, AFileIsKnownByItsFirstBytes)
{
    EXPECT_EQ(fileKind(QByteArray("SQLite format 3\0\x10\0", 19)), FileKind::Sqlite);
    EXPECT_EQ(fileKind(QByteArray("\0\1\0\0Standard Jet DB", 19)), FileKind::Legacy);
    EXPECT_EQ(fileKind(QByteArray("\0\1\0\0Standard ACE DB", 19)), FileKind::Legacy);
    for (const QByteArray &other : {QByteArray(), QByteArray("SQLite format 2"), QByteArray("fldName\tfldTrainers")})
        EXPECT_EQ(fileKind(other), FileKind::Other);
}

// The bundled catalogue and the generator that makes it and synthetic ones. What would surprise
// players (a row in both name lists or neither, names twice, lines not stored stage by stage,
// missing pictures) is zentcat check's to find, and its tests run it on the bundled catalogue;
// here, with the sqlite3 tool as an independent reader, what it does not look at.
#include "catalogue/Columns.h"
#include "QtPrinters.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <QImageReader>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString count(const QString &file, const QString &where)
{
    return sqlite3Tool(file, "SELECT count(*) FROM tblZentDeck WHERE " + where);
}

int linesOf(const QString &file, int members)
{
    return sqlite3Tool(file, QString("SELECT count(*) FROM (SELECT 1 FROM tblZentDeck WHERE fldName <> 'z' "
                                     "GROUP BY fldZentGroup HAVING count(*) = %1)").arg(members)).toInt();
}

// Every column in its place; what a card leaves out stored as empty text, not NULL; every
// picture a drawn card.
void expectCardsInPlace(const QString &file)
{
    EXPECT_EQ(sqlite3Tool(file, "SELECT group_concat(name, ',') FROM pragma_table_info('tblZentDeck')"),
              catalogue::cardColumns().join(','));
    EXPECT_EQ(count(file, "fldHitPoints IS NULL OR fldEvolution IS NULL"), "0");
    const QString folder = QFileInfo(file).path();
    for (const QString &picture : sqlite3Tool(file, "SELECT DISTINCT fldImage FROM tblZentDeck").split('\n'))
        EXPECT_EQ(QImageReader(folder + "/" + picture).size(), QSize(240, 330)) << picture.toStdString();
}

// Runs a tool of the build; its exit code.
int run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    process.waitForFinished(120000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

TEST(CatalogueData, TheBundledCatalogueHoldsEveryKindOfCardFullyDescribed)
{
    const QString bundled = ZENT_PROGRAM_DIR "/zentdeck.znt";
    expectCardsInPlace(bundled);
    for (const int members : {1, 2, 3})
        EXPECT_GE(linesOf(bundled, members), 10);
    EXPECT_EQ(count(bundled, "fldName <> 'z' AND (fldHitPoints = '' OR fldWeakness = '' OR fldAttack1 = '' "
                             "OR fldAtck2Effects = '' OR fldRetreatCost = '' OR fldLevel = '')"), "0");
    EXPECT_EQ(count(bundled, "fldNotes = ''"), "0");
    // Names with the characters real names have: an apostrophe and a hyphen (the app's tests
    // choose one with an accent).
    EXPECT_NE(count(bundled, "fldName LIKE '%''%' OR fldTrainers LIKE '%''%'"), "0");
    EXPECT_NE(count(bundled, "fldName LIKE '%-%'"), "0");
}

TEST(CatalogueData, TheGeneratorBuildsSyntheticCataloguesOfAnySize)
{
    TempDir dir;
    for (const int size : {5, 12, 3000}) {
        const QString file = dir.file(QString("%1/zentdeck.znt").arg(size));
        ASSERT_EQ(run(ZENTGEN_PATH, {"synthetic", QString::number(size), file}), 0);
        expectCardsInPlace(file);
        EXPECT_EQ(run(ZENTCAT_PATH, {"check", file}), 0) << "nothing in it surprises players";
        EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblZentDeck"), QString::number(size));
        EXPECT_EQ(sqlite3Tool(file, "SELECT fldTrainers || fldName FROM tblZentDeck WHERE rowid IN (4, 5)"),
                  "Quarlithz\nzSkarnox");
    }
    // A large one in the proportions of the bundled one.
    for (const int members : {1, 2, 3})
        EXPECT_GT(linesOf(dir.file("3000/zentdeck.znt"), members), 150);
}

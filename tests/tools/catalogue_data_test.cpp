// The bundled catalogue and the generator that makes it and synthetic ones, checked with the
// sqlite3 tool as an independent reader.
#include "CatalogueWriter.h"
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

// The catalogue's conventions, as the list filling and the evolution sets rely on them: a
// creature first; each row a creature or a trainer, by the "z" in the other name column; names
// unique; a line's stages stored one after the other from its basic, each evolving from the
// row before; every picture a drawn card beside the catalogue.
void expectConventions(const QString &file)
{
    EXPECT_EQ(sqlite3Tool(file, "SELECT fldName <> 'z' FROM tblZentDeck ORDER BY rowid LIMIT 1"), "1");
    EXPECT_EQ(count(file, "(fldName = 'z') = (fldTrainers = 'z') OR fldName = '' OR fldTrainers = ''"), "0");
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) - count(DISTINCT fldName || '|' || fldTrainers) FROM tblZentDeck"), "0");
    EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblZentDeck a JOIN tblZentDeck b ON b.rowid = a.rowid - 1 "
                                "WHERE a.fldGroupLev > '1' AND (b.fldZentGroup <> a.fldZentGroup OR "
                                "b.fldGroupLev + 1 <> a.fldGroupLev + 0 OR a.fldEvolution <> 'Evolves from ' || b.fldName)"),
              "0");
    EXPECT_EQ(linesOf(file, 4), 0);
    // Every column in its place; what a card leaves out stored as empty text, not NULL.
    EXPECT_EQ(sqlite3Tool(file, "SELECT group_concat(name, ',') FROM pragma_table_info('tblZentDeck')"),
              catalogue::cardColumns().join(','));
    EXPECT_EQ(count(file, "fldHitPoints IS NULL OR fldEvolution IS NULL"), "0");
    const QString folder = QFileInfo(file).path();
    for (const QString &picture : sqlite3Tool(file, "SELECT DISTINCT fldImage FROM tblZentDeck").split('\n'))
        EXPECT_EQ(QImageReader(folder + "/" + picture).size(), QSize(240, 330)) << picture.toStdString();
}

// Runs the generator; its exit code.
int zentgen(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(ZENTGEN_PATH, arguments);
    process.waitForFinished(120000);
    return process.exitCode();
}

} // namespace

TEST(CatalogueData, TheBundledCatalogueHoldsEveryKindOfCardFullyDescribed)
{
    const QString bundled = ZENT_PROGRAM_DIR "/zentdeck.znt";
    expectConventions(bundled);
    for (const int members : {1, 2, 3})
        EXPECT_GE(linesOf(bundled, members), 10);
    EXPECT_EQ(count(bundled, "fldTrainers = 'Quarlith' OR fldName = 'Skarnox'"), "2");
    EXPECT_EQ(count(bundled, "fldName <> 'z' AND (fldHitPoints = '' OR fldWeakness = '' OR fldAttack1 = '' "
                             "OR fldAtck2Effects = '' OR fldRetreatCost = '' OR fldLevel = '')"), "0");
    EXPECT_EQ(count(bundled, "fldNotes = ''"), "0");
    // Names with the characters real names have: an apostrophe, a hyphen, an accent.
    EXPECT_NE(count(bundled, "fldName LIKE '%''%' OR fldTrainers LIKE '%''%'"), "0");
    EXPECT_NE(count(bundled, "fldName LIKE '%-%'"), "0");
    EXPECT_NE(count(bundled, "fldName GLOB '*[^ -~]*' OR fldTrainers GLOB '*[^ -~]*'"), "0");
    EXPECT_EQ(sqlite3Tool(bundled, "SELECT count(*) FROM tblNames"), "0");
}

TEST(CatalogueData, TheGeneratorBuildsSyntheticCataloguesOfAnySize)
{
    TempDir dir;
    for (const int size : {5, 12, 3000}) {
        const QString file = dir.file(QString("%1/zentdeck.znt").arg(size));
        ASSERT_EQ(zentgen({"synthetic", QString::number(size), file}), 0);
        expectConventions(file);
        EXPECT_EQ(sqlite3Tool(file, "SELECT count(*) FROM tblZentDeck"), QString::number(size));
        EXPECT_EQ(sqlite3Tool(file, "SELECT fldTrainers || fldName FROM tblZentDeck WHERE rowid IN (4, 5)"),
                  "Quarlithz\nzSkarnox");
    }
    // A large one in the proportions of the bundled one.
    for (const int members : {1, 2, 3})
        EXPECT_GT(linesOf(dir.file("3000/zentdeck.znt"), members), 150);
}

#include "CatalogueShape.h"
#include "TempDir.h"

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <gtest/gtest.h>

using catalogue_writer::CardRow;

namespace {

struct Outcome
{
    int exitCode = -1;
    QString errors;
};

Outcome runZentgen(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(ZENTGEN_PATH, args);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray sourceHeader()
{
    return catalogue_writer::cardColumns().join('\t').toUtf8() + "\n";
}

// A source line with the given columns filled and the rest empty.
QByteArray sourceLine(const CardRow &values)
{
    QStringList fields;
    for (const QString &column : catalogue_writer::cardColumns())
        fields << values.value(column);
    return fields.join('\t').toUtf8();
}

} // namespace

TEST(Generator, SyntheticCataloguesAreTheSameForTheSameSizeAndShapedLikeTheBundledOne)
{
    TempDir dir;
    for (const int size : {5, 6, 12, 3000}) {
        const QString file = dir.file(QString("s%1.znt").arg(size));
        ASSERT_EQ(runZentgen({"synthetic", QString::number(size), file}).exitCode, 0);
        const QList<CardRow> rows = readCards(file);
        ASSERT_EQ(rows.size(), size);
        EXPECT_EQ(shapeOf(rows).faults.join("\n").toStdString(), "") << size;
        EXPECT_EQ(rows[3].value("fldTrainers"), "Quarlith");
        EXPECT_EQ(rows[4].value("fldName"), "Skarnox");
    }
    ASSERT_EQ(runZentgen({"synthetic", "3000", dir.file("again.znt")}).exitCode, 0);
    EXPECT_EQ(contents(dir.file("s3000.znt")), contents(dir.file("again.znt")));

    const QList<CardRow> rows = readCards(dir.file("s3000.znt"));
    const CatalogueShape shape = shapeOf(rows);
    EXPECT_GT(shape.linesOfThree, 150);
    EXPECT_GT(shape.linesOfTwo, 150);
    EXPECT_GT(shape.loneBasics, 150);
    EXPECT_GT(shape.trainers, 150);
    const QStringList pictures = picturePaths(rows);
    EXPECT_LE(pictures.size(), 10);
    for (const QString &picture : pictures)
        EXPECT_EQ(QImageReader(dir.file(picture)).size(), QSize(240, 330)) << picture.toStdString();
}

TEST(Generator, BuildKeepsFieldsAsWrittenAndDrawsEachPicture)
{
    TempDir dir;
    const QByteArray source = "# a comment line\r\n" + sourceHeader()
        + sourceLine({{"fldName", "Mor'gath "}, {"fldTrainers", "z"}, {"fldImage", "pictures/a.png"},
                      {"fldCatagory", "Psychic"}, {"fldZentGroup", "7"}, {"fldGroupLev", "1"}})
        + "\r\n\n"
        + sourceLine({{"fldName", "z"}, {"fldTrainers", QString::fromUtf8("V\u00e9ra")},
                      {"fldImage", "pictures/b.png"}, {"fldNotes", "Draw 3 cards."}})
        + "\n";
    writeText(dir.file("cards.tsv"), source);
    const Outcome outcome = runZentgen({"build", dir.file("cards.tsv"), dir.file("out")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.errors.toStdString();

    const QList<CardRow> rows = readCards(dir.file("out/zentdeck.znt"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].value("fldName"), "Mor'gath ");
    EXPECT_EQ(rows[0].value("fldGroupLev"), "1");
    EXPECT_EQ(rows[1].value("fldTrainers"), QString::fromUtf8("V\u00e9ra"));
    EXPECT_EQ(rows[1].value("fldNotes"), "Draw 3 cards.");
    EXPECT_EQ(QImageReader(dir.file("out/pictures/a.png")).size(), QSize(240, 330));
    EXPECT_EQ(QImageReader(dir.file("out/pictures/b.png")).size(), QSize(240, 330));
}

TEST(Generator, RefusesBadInputWithAReasonInsteadOfWritingACatalogue)
{
    TempDir dir;
    const QByteArray creature = sourceLine({{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldImage", "p/a.png"}});
    const struct
    {
        QByteArray source;
        QString reason;
    } cases[] = {
        {sourceHeader() + "Alpha\tz\n", "line 2: expected 22 fields, found 2"},
        {sourceHeader().replace("\tfldGroupLev", ""), "line 1: column \"fldGroupLev\" missing"},
        {sourceHeader().replace("fldNotes", "fldNote"), "line 1: unknown column \"fldNote\""},
        {sourceHeader() + creature + "\n" + QByteArray(creature).replace("Alpha", "z") + "\n",
         "line 3: exactly one of fldName and fldTrainers must be \"z\""},
        {sourceHeader() + QByteArray(creature).replace("p/a.png", "../a.png") + "\n",
         "line 2: fldImage must be a relative ASCII path inside the program's folder"},
        {"# only a comment\n", "no header line"},
    };
    for (const auto &bad : cases) {
        writeText(dir.file("bad.tsv"), bad.source);
        const Outcome outcome = runZentgen({"build", dir.file("bad.tsv"), dir.file("out")});
        EXPECT_EQ(outcome.exitCode, 1);
        EXPECT_TRUE(outcome.errors.contains(bad.reason)) << outcome.errors.toStdString();
        EXPECT_FALSE(QFile::exists(dir.file("out/zentdeck.znt")));
    }

    Outcome outcome = runZentgen({"build", dir.file("missing.tsv"), dir.file("out")});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_TRUE(outcome.errors.contains("cannot read")) << outcome.errors.toStdString();

    for (const char *size : {"4", "many", "1000001"}) {
        outcome = runZentgen({"synthetic", size, dir.file("s.znt")});
        EXPECT_EQ(outcome.exitCode, 1) << size;
        EXPECT_TRUE(outcome.errors.contains("ROWS must be a whole number from 5 to 1000000")) << size;
    }
    EXPECT_EQ(runZentgen({"draw"}).exitCode, 2);
    EXPECT_EQ(runZentgen({"synthetic", "10", "/proc/no-such-folder/s.znt"}).exitCode, 1);
}

// The users' catalogue tool, run as the program runs it: a separate process on real files. What
// it writes is read back with the sqlite3 tool; what it reads is compared with the values the
// Access-format files were written with and with mdb-export's reading of them.
#include "Testing.h"
#include "CatalogueWriter.h"
#include "LegacyReader.h"

#include "catalogue/Columns.h"

namespace {

const QString legacy = ZENT_SOURCE_DIR "/tests/data/legacy/";

// Every row of a table as sqlite3 reads it: a JSON array of the rows, each an array of its values.
QString rowsOf(const QString &file, const QString &table, const QStringList &columns)
{
    return sqlite3Tool(file, "SELECT json_group_array(json_array(" + columns.join(", ") + ")) FROM " + table);
}

} // namespace

TEST(Zentcat, ImportsEveryAccessFormatValueForValueInStoredOrder)
{
    TempDir dir;
    const QString bundledSchema = sqlite3Tool(ZENT_PROGRAM_DIR "/zentdeck.znt", "SELECT sql FROM sqlite_master");
    for (const QString name : {"bundled-2000.znt", "bundled-2003.znt", "bundled-2010.znt", "tricky-2000.znt",
                               "empty-2000.znt"}) {
        SCOPED_TRACE(name.toStdString());
        const QString out = dir.file(name);
        const ToolRun run = runZentcat({"import", legacy + name, out});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(sqlite3Tool(out, "SELECT sql FROM sqlite_master"), bundledSchema);
        // Quotes, text beyond Latin-1, NULL apart from empty text, the 10,000-character note
        // with its CR LFs, and the leftover deck rows with whole-number identifiers.
        const QByteArray expected = readFile(legacy + "expected/" + name + ".json");
        for (const QJsonValue &table : QJsonDocument::fromJson(expected)["tables"].toArray()) {
            QStringList columns;
            for (const QJsonValue &column : table["columns"].toArray())
                columns << column["name"].toString();
            EXPECT_EQ(rowsOf(out, table["name"].toString(), columns),
                      QJsonDocument(table["rows"].toArray()).toJson(QJsonDocument::Compact));
        }
    }
}

// Written out as mdb-export writes its CSV: the column names, then the rows, text quoted.
TEST(Zentcat, ReadsAccess97TextWithItsCodePage)
{
    for (const auto &[name, columns] : {std::pair{"testIndexCodesV1997", QStringList{"name", "data"}},
                                        std::pair{"delColTestV1997", QStringList{"id", "id2", "data", "data2"}}}) {
        SCOPED_TRACE(name);
        zentcat::LegacyReader reader(legacy + "jet3/" + name + ".mdb");
        QByteArray csv = columns.join(',').toUtf8() + '\n';
        EXPECT_TRUE(reader.readTable("Table1", columns, [&](QByteArrayList values) {
            for (QByteArray &value : values)
                if (bool number = false; value.toLongLong(&number), !number && !value.isNull())
                    value = '"' + value.replace('"', "\"\"") + '"';
            csv += values.join(',') + '\n';
            return true;
        })) << reader.error().toStdString();
        EXPECT_EQ(csv, readFile(legacy + "jet3/" + name + ".Table1.csv"));
    }
}

TEST(Zentcat, CardTableTextKeepsEveryValueThroughExportAndImport)
{
    TempDir dir;
    // Every character the text form escapes or quotes, NULL apart from empty text; "x" in every
    // other column.
    QByteArrayList hard = {"Tab\there", "z", "pictures\\new\\1.png", QByteArray(), "", "\"Quoted\" first", "\\N",
                           "x", "x", "x", "x", "CR LF\r\nLF\nCR\rend ", QString(" Ōkami 狐火").toUtf8()};
    while (hard.size() < catalogue::cardColumns().size())
        hard << "x";
    {
        catalogue_writer::Writer writer(dir.file("hard.znt"));
        ASSERT_TRUE(writer.addCard(hard) && writer.finish()) << writer.error().toStdString();
    }
    EXPECT_EQ(runZentcat({"export", dir.file("hard.znt"), dir.file("hard.tsv")}).code, 0);
    EXPECT_EQ(QString::fromUtf8(readFile(dir.file("hard.tsv"))),
              catalogue::cardColumns().join('\t') + "\n"
                  "Tab\\there\tz\tpictures\\\\new\\\\1.png\t\\N\t\t\"\"\"Quoted\"\" first\"\t\\\\N\tx\tx\tx\tx\t"
                  "CR LF\\r\\nLF\\nCR\\rend \t Ōkami 狐火\tx\tx\tx\tx\tx\tx\tx\tx\tx\n");

    // Imported, exported as text and imported again: the same cards, and no deck.
    for (const QString &start : {dir.file("hard.znt"), legacy + "tricky-2000.znt"}) {
        SCOPED_TRACE(start.toStdString());
        ASSERT_EQ(runZentcat({"import", start, dir.file("first.znt")}).code, 0);
        ASSERT_EQ(runZentcat({"export", dir.file("first.znt"), dir.file("cards.tsv")}).code, 0);
        ASSERT_EQ(runZentcat({"import", dir.file("cards.tsv"), dir.file("again.znt")}).code, 0);
        EXPECT_EQ(rowsOf(dir.file("again.znt"), "tblZentDeck", catalogue::cardColumns()),
                  rowsOf(dir.file("first.znt"), "tblZentDeck", catalogue::cardColumns()));
        EXPECT_EQ(sqlite3Tool(dir.file("again.znt"), "SELECT count(*) FROM tblNames"), "0");
    }

    // As a spreadsheet saves it: a byte order mark, quoted names, CR LF line ends, a line break
    // typed into a cell, a blank line at the end.
    QStringList header;
    for (const QString &column : catalogue::cardColumns())
        header << '"' + column + '"';
    ASSERT_TRUE(writeFile(dir.file("saved.tsv"), "\xEF\xBB\xBF" + header.join('\t').toUtf8() + "\r\n\"Two\nlines\"\tz"
                                                     + QByteArray(20, '\t') + "1\r\n\r\n"));
    ASSERT_EQ(runZentcat({"import", dir.file("saved.tsv"), dir.file("saved.znt")}).code, 0);
    EXPECT_EQ(sqlite3Tool(dir.file("saved.znt"), "SELECT quote(fldName), fldTrainers, fldGroupLev, "
                                                 "quote(fldNotes) FROM tblZentDeck"),
              "'Two\nlines'|z|1|''");
}

// What zentcat check tells of a catalogue (which lines of basics, and how, is the rules' test's
// to check beside the program's offers): what will surprise players, and what of it the program
// never runs or reads, as it reads a catalogue the program's way; a damaged SQLite file is bad
// input.
TEST(Zentcat, CheckTellsWhatWillSurprisePlayersAndNamesWhatIsNeverRunOrRead)
{
    TempDir dir;
    QDir(dir.path()).mkpath("pics");
    writeFile(dir.file("pics/card.png"), "");
    const auto card = [](const QString &name, const QString &trainer, const QString &line, const QString &stage,
                         const QString &picture = "pics\\card.png") {
        return catalogue_writer::CardRow{{"fldName", name}, {"fldTrainers", trainer}, {"fldImage", picture},
                                         {"fldZentGroup", line}, {"fldGroupLev", stage}};
    };
    const QString file = dir.file("cards.znt");
    ASSERT_TRUE(catalogue_writer::writeCatalogue(
        file,
        {card("Alpha", "z", "A", "1"), card("Beta", "z", "A", " 2"), card("z", "z", "", ""),
         card("Gamma", "z", "G", "2", "gone.png"), card("Delta", "z", "", "", ""), card("ALPHA", "z", "H", "2"),
         card("Eta", "z", "H", "3"), card("Sage", "Sage", "", ""), card("z", "", "", ""), card("z", "Sage", "", "")}));
    sqlite3Tool(file, "DROP TABLE tblNames; CREATE VIEW tblNames AS SELECT fldName AS fldNames FROM tblZentDeck;"
                      "CREATE TRIGGER emptied AFTER UPDATE ON tblZentDeck BEGIN DELETE FROM tblZentDeck; END;"
                      "CREATE VIRTUAL TABLE tblSearch USING fts5(fldName);");
    const ToolRun run = runZentcat({"check", file});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.split('\n'),
              QStringList({"tblNames is a view, which the program never reads.",
                           "The trigger emptied on tblZentDeck never runs: the program runs nothing a catalogue holds.",
                           "tblSearch is a virtual table, which the program never reads.",
                           "The catalogue has no deck table (tblNames): the program lists its cards but cannot keep "
                           "a deck in it.",
                           "Row 3 is in neither name list: both fldName and fldTrainers are \"z\".",
                           "Row 8 is in both name lists: neither fldName nor fldTrainers is \"z\".",
                           "Row 9 shows as an empty line in the trainer list: its name is empty.",
                           "Row 4 (\"Gamma\"): its picture \"gone.png\" is missing.",
                           "Row 5 (\"Delta\") has no picture.",
                           "The evolution line \"G\" holds only \"Gamma\", at level 2: its other stages are missing.",
                           "The evolution line \"H\" has no card at level 1: no recommended set is offered for it.",
                           "The creature name \"Alpha\" is on rows 1 and 6: it is listed 2 times and always shows "
                           "the same card.",
                           "The trainer name \"Sage\" is on rows 8 and 10: it is listed 2 times and always shows "
                           "the same card.",
                           ""}));

    // The bundled catalogue's lone basics are cards that do not evolve, not a surprise.
    const ToolRun bundled = runZentcat({"check", ZENT_PROGRAM_DIR "/zentdeck.znt"});
    EXPECT_EQ(bundled.code, 0);
    EXPECT_EQ(bundled.out, ZENT_PROGRAM_DIR "/zentdeck.znt: nothing in it will surprise its users.\n");

    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite) && damaged.seek(4096) && damaged.write(QByteArray(8, '\xff')) == 8);
    damaged.close();
    const ToolRun refused = runZentcat({"check", file});
    EXPECT_EQ(refused.code, 3);
    EXPECT_TRUE(refused.err.startsWith("zentcat: cannot read " + file + ": " + file + " is damaged: ")) << refused.err.toStdString();
}

TEST(Zentcat, BadInputGivesOneLineAndNoFile)
{
    TempDir dir;
    writeFile(dir.file("notes.txt"), "");
    QDir(dir.path()).mkpath("folder");
    writeFile(dir.file("truncated.znt"), readFile(legacy + "tricky-2000.znt").left(100000));
    writeFile(dir.file("bad.tsv"), catalogue::cardColumns().join('\t').toUtf8() + "\nonly\tthree\tvalues\n");
    const QString out = dir.file("out.znt");
    const QString noCards = legacy + "no-cards-table-2000.znt";
    const QString noCardsTable = noCards + " has no table tblZentDeck (a catalogue needs tblZentDeck and tblNames)";
    const QString notACatalogue = dir.file("notes.txt") + " is not a catalogue (neither an Access-format or SQLite "
                                                          "catalogue nor card table text)";
    // The arguments, the exit code and the message.
    const std::tuple<QStringList, int, QString> cases[] = {
        {{"import", dir.file("missing.znt"), out}, 3, dir.file("missing.znt") + " does not exist"},
        {{"import", dir.file("notes.txt"), out}, 3, notACatalogue},
        {{"import", noCards, out}, 3, noCardsTable},
        {{"import", dir.file("truncated.znt"), out}, 3, dir.file("truncated.znt") + ": cannot read the table tblZentDeck"},
        {{"import", dir.file("bad.tsv"), out}, 3, dir.file("bad.tsv") + QString(" line 2: 3 values, not %1").arg(catalogue::cardColumns().size())},
        {{"import", legacy + "empty-2000.znt", dir.file("no/such/folder.znt")}, 4,
         "cannot write " + dir.file("no/such/folder.znt") + ": cannot write in the folder of "
             + dir.file("no/such/folder.znt")},
        {{"import", legacy + "empty-2000.znt", dir.file("folder")}, 4,
         "cannot write " + dir.file("folder") + ": cannot write " + dir.file("folder") + ": it is a folder"},
        {{"export", legacy + "empty-2000.znt", dir.file("folder")}, 4,
         "cannot write " + dir.file("folder") + ": it is a folder"},
        {{"check", dir.file("notes.txt")}, 3, notACatalogue},
        {{"import", out}, 2, "unknown command line; see zentcat --help"},
    };
    const QStringList before = filesUnder(dir.path());
    for (const auto &[arguments, code, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ToolRun run = runZentcat(arguments);
        EXPECT_EQ(run.code, code);
        EXPECT_EQ(run.err, "zentcat: " + message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(filesUnder(dir.path()), before);
    }
}


// Writing documents and files as RTF and reading them back.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QDir>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

using richtext::readRtf;
using richtext::writeRtf;

TEST(RtfRoundTrip, KeepsTextAndEveryAttributeInMemoryAndInFilesAndFailuresChangeNothing)
{
    QTextDocument original, loaded;
    fillWithEveryAttribute(original);
    const QByteArray rtf = writeRtf(original);
    // A different default font shows that every attribute, the deck list's default font
    // included, comes from the file. Other readers get 11.25 pt to the nearest half-point.
    QTextDocument copy;
    copy.setDefaultFont(QFont("Courier New", 8));
    ASSERT_TRUE(readRtf(rtf, copy));
    EXPECT_EQ(compareDocuments(original, copy), QString()) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\fs23\\zentfs1125\\b0")) << rtf.toStdString();

    // Empty paragraphs stay, and text typed into an empty paragraph takes its format.
    QTextDocument empty;
    empty.setPlainText("\n\nx\n");
    QTextCursor(empty.lastBlock()).setBlockCharFormat([] { QTextCharFormat f; f.setFontWeight(QFont::Bold); return f; }());
    ASSERT_TRUE(readRtf(writeRtf(empty), copy));
    EXPECT_EQ(copy.toPlainText(), "\n\nx\n");
    EXPECT_EQ(copy.lastBlock().charFormat().fontWeight(), QFont::Bold);

    // Saved under a .txt name it is still rich text, byte for byte what was read back above.
    TempDir dir;
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("deck.txt"), original));
    EXPECT_EQ(readFile(dir.file("deck.txt")), rtf);
    QString error;
    // A pipe would keep the reader waiting for ever.
    ASSERT_TRUE(makePipe(dir.file("pipe.rtf")));
    for (const char *unread : {"missing.rtf", "pipe.rtf"})
        EXPECT_FALSE(richtext::loadRtfFile(dir.file(unread), loaded, &error)) << unread;
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(loaded.isEmpty());
    // A file that cannot be written leaves nothing in place of what was there.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rtf"));
    EXPECT_FALSE(richtext::saveRtfFile(dir.file("taken.rtf"), original, &error));
    EXPECT_FALSE(richtext::saveRtfFile(dir.file("no/such/folder/deck.rtf"), original, &error));
    EXPECT_EQ(filesUnder(dir.path()), QStringList({"deck.txt", "pipe.rtf", "taken.rtf"}));
}

TEST(RtfRoundTrip, WritesWhatItReadTheSameAgain)
{
    // Found by the fuzzer: font names that empty out or become another's, characters the
    // reader drops.
    for (const QByteArray &rtf : {QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 \\{;}{\\f2 Symbol;}}\\f1 x\\f2 y\\f0 z}"),
                                  QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 a;}{\\f2 a\\{;}}\\f1 x\\f2 y}"),
                                  QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}a\\f1\\u127?\\u65532?\\f0 b}")}) {
        QTextDocument first, second;
        ASSERT_TRUE(readRtf(rtf, first));
        const QByteArray written = writeRtf(first);
        ASSERT_TRUE(readRtf(written, second));
        EXPECT_EQ(writeRtf(second).toStdString(), written.toStdString());
    }
}

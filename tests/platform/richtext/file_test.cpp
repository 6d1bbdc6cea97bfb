// Loading and saving RTF files.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using richtext::loadRtfFile;
using richtext::saveRtfFile;

TEST(RtfFiles, SaveAndLoadKeepTheDocument)
{
    TempDir dir;
    QTextDocument original;
    fillWithEveryAttribute(original);
    // Saved under a .txt name it is still rich text.
    ASSERT_TRUE(saveRtfFile(dir.file("deck.txt"), original));
    QFile saved(dir.file("deck.txt"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("{\\rtf1"));

    QTextDocument loaded;
    ASSERT_TRUE(loadRtfFile(dir.file("deck.txt"), loaded));
    EXPECT_EQ(compareDocuments(original, loaded), QString());

    // Saving again replaces the file.
    QTextDocument other;
    other.setPlainText(QStringLiteral("other"));
    ASSERT_TRUE(saveRtfFile(dir.file("deck.txt"), other));
    ASSERT_TRUE(loadRtfFile(dir.file("deck.txt"), loaded));
    EXPECT_EQ(loaded.toPlainText(), "other");
}

TEST(RtfFiles, FailuresChangeNothing)
{
    TempDir dir;
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QString error;

    EXPECT_FALSE(loadRtfFile(dir.file("missing.rtf"), document, &error));
    EXPECT_FALSE(error.isEmpty());
    QFile plain(dir.file("plain.rtf"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("Just text, saved by another program.");
    plain.close();
    EXPECT_FALSE(loadRtfFile(plain.fileName(), document, &error));
    EXPECT_EQ(error, "The file is not in Rich Text Format.");
    EXPECT_FALSE(loadRtfFile(dir.path(), document, &error)); // a folder
    EXPECT_EQ(document.toPlainText(), "kept");

    // A file that cannot be written leaves nothing behind, and no half-written file in the
    // place of one that was there.
    EXPECT_FALSE(saveRtfFile(dir.file("no/such/folder/deck.rtf"), document, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file("no/such/folder/deck.rtf")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rtf"));
    EXPECT_FALSE(saveRtfFile(dir.file("taken.rtf"), document, &error));
    EXPECT_TRUE(QFileInfo(dir.file("taken.rtf")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain.rtf"});
}

// Loading and saving RTF files.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using richtext::loadRtfFile;
using richtext::saveRtfFile;

TEST(RtfFiles, SaveAndLoadKeepTheDocumentAndFailuresChangeNothing)
{
    TempDir dir;
    QTextDocument original;
    fillWithEveryAttribute(original);
    // Saved under a .txt name it is still rich text.
    ASSERT_TRUE(saveRtfFile(dir.file("deck.txt"), original));
    QTextDocument loaded;
    ASSERT_TRUE(loadRtfFile(dir.file("deck.txt"), loaded));
    EXPECT_EQ(compareDocuments(original, loaded), QString());

    QString error;
    EXPECT_FALSE(loadRtfFile(dir.file("missing.rtf"), loaded, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(loadRtfFile(dir.path(), loaded, &error)); // a folder
    EXPECT_EQ(compareDocuments(original, loaded), QString());

    // A file that cannot be written leaves nothing behind, nor anything in place of what was
    // there.
    EXPECT_FALSE(saveRtfFile(dir.file("no/such/folder/deck.rtf"), original, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.rtf"));
    EXPECT_FALSE(saveRtfFile(dir.file("taken.rtf"), original, &error));
    EXPECT_TRUE(QFileInfo(dir.file("taken.rtf")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({"deck.txt", "taken.rtf"}));
}

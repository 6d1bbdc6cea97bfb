// RTF files written by word processors and text tools other than ours: an extra corpus kept
// beside the project, read when it is there.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

TEST(RtfSamples, LoadWithTheTextAndFormattingOtherToolsFindInThem)
{
    const QString samples = ZENT_SHARED_DIR "/rtf-samples";
    if (!QFileInfo::exists(samples))
        GTEST_SKIP() << "no RTF samples at " << samples.toStdString();
    // Every run of blanks, breaks and table rules as one space, so texts laid out differently
    // compare by their words.
    const auto words = [](QString text) {
        return text.replace(QRegularExpression("[\\s|\u00a0\u2028\u2029]+"), " ").trimmed();
    };
    for (const QString &name : QDir(samples).entryList({"*.rtf"})) {
        SCOPED_TRACE(name.toStdString());
        QTextDocument document;
        ASSERT_TRUE(richtext::loadRtfFile(samples + '/' + name, document));
        const QByteArray expected = readFile(samples + "/expected-text/" + QFileInfo(name).completeBaseName() + ".txt");
        ASSERT_FALSE(expected.isEmpty());
        for (QString line : QString::fromUtf8(expected).split('\n')) {
            // That extractor appends a link's target to its text, and labels encoding.rtf's
            // second document; an editor shows neither.
            line.remove(QRegularExpression("\\(\"[^\"]*\"\\)|^\\*Text2:\\*"));
            EXPECT_TRUE(words(document.toRawText()).contains(words(line))) << line.toStdString();
        }
    }
    QTextDocument word;
    ASSERT_TRUE(richtext::loadRtfFile(samples + "/Example_text.rtf", word));
    EXPECT_EQ(lookOf(word, "Text here with hyperlink"), "Arial 14pt underline #0000ff align 1");
    EXPECT_EQ(lookOf(word, "A graphic"), "Arial 11pt bold auto align 4");
}

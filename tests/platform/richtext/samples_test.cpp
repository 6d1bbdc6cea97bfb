// RTF files written by word processors and text tools other than ours.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString samplesDir()
{
    return QStringLiteral(ZENT_SHARED_DIR "/rtf-samples");
}

// The samples are an extra corpus kept beside the project, not part of it.
#define SKIP_WITHOUT_SAMPLES()                                                                     \
    if (!QFileInfo::exists(samplesDir()))                                                          \
    GTEST_SKIP() << "no RTF samples at " << samplesDir().toStdString()

// Text with every run of blanks, line and paragraph breaks and table rules as one space, so
// that texts laid out differently compare by their words.
QString normalised(QString text)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s|\u00a0\u2028\u2029]+"));
    return text.replace(blanks, QStringLiteral(" ")).trimmed();
}

} // namespace

TEST(RtfSamples, LoadWithTheTextOtherToolsFindInThem)
{
    SKIP_WITHOUT_SAMPLES();
    const QStringList files = QDir(samplesDir()).entryList({QStringLiteral("*.rtf")});
    ASSERT_GE(files.size(), 14) << samplesDir().toStdString();
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        QTextDocument document;
        QString error;
        ASSERT_TRUE(richtext::loadRtfFile(samplesDir() + '/' + name, document, &error))
            << error.toStdString();
        const QString text = normalised(document.toRawText());

        QFile expected(samplesDir() + "/expected-text/" + QFileInfo(name).completeBaseName()
                       + ".txt");
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        for (QString line : QString::fromUtf8(expected.readAll()).split('\n')) {
            // That text extractor appends a link's target to its text; an editor shows the
            // text alone.
            line.remove(QRegularExpression(QStringLiteral("\\(\"[^\"]*\"\\)")));
            // encoding.rtf holds two documents with a label between them that belongs to
            // neither.
            line.remove(QRegularExpression(QStringLiteral("^\\*Text2:\\*")));
            line = normalised(line);
            if (!line.isEmpty()) {
                EXPECT_TRUE(text.contains(line)) << line.toStdString();
            }
        }
    }
}

TEST(RtfSamples, KeepTheirFormatting)
{
    SKIP_WITHOUT_SAMPLES();
    QTextDocument word;
    ASSERT_TRUE(richtext::loadRtfFile(samplesDir() + "/Example_text.rtf", word));
    EXPECT_EQ(describe(lookOf(word, "Text here with hyperlink")),
              "Arial 14pt underline #0000ff align 1");
    EXPECT_EQ(describe(lookOf(word, "Another font")), "Cambria 11pt auto align 1");
    EXPECT_EQ(describe(lookOf(word, "Another text size")), "Arial 9pt auto align 1");
    EXPECT_EQ(describe(lookOf(word, "A graphic")), "Arial 11pt bold auto align 4");
    EXPECT_FALSE(word.toRawText().contains("HYPERLINK")); // a field's instruction stays hidden

    QTextDocument aspose;
    ASSERT_TRUE(richtext::loadRtfFile(samplesDir() + "/encoding.rtf", aspose));
    EXPECT_EQ(describe(lookOf(aspose, "TOMOGRAFIA")), "Arial 12pt bold #222222 align 4");
    EXPECT_EQ(describe(lookOf(aspose, "Aquisi")), "Arial 12pt auto align 8");
}

// RTF between us and an independent word processor, LibreOffice, in both directions.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"

#include "TempDir.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// A document as LibreOffice users make them; Qt reads the same HTML for the expectation.
const char theirs[] = R"(<html><body style="font-family:Arial; font-size:11pt; color:#000000">
<p>Zentari deck: <b>bold</b></p>
<p align="center"><span style="font-family:'Courier New'; font-size:16pt;
 color:#0000ff"><i><u>Courier 16 italic underlined blue</u></i></span></p>
<p align="right"><span style="font-family:'Liberation Serif'; font-size:10.5pt;
 color:#c00000"><b><i>caf&#233; &#8211; Gr&#252;&#223;e &#8364;</i></b></span></p>
<p align="justify">justified <b>{braces} \ backslash</b></p>
</body></html>)";

// Converts files to RTF in the folder with LibreOffice, which runs with a fresh profile there.
QString convertToRtf(const QStringList &files, const QString &folder)
{
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start("soffice", QStringList{"-env:UserInstallation=file://" + folder + "/profile",
                                         "--headless", "--convert-to", "rtf:Rich Text Format",
                                         "--outdir", folder}
                                 + files);
    // LibreOffice is slow to start, the more so with a fresh profile.
    if (!soffice.waitForFinished(300000))
        soffice.kill();
    return QString::fromLocal8Bit(soffice.readAll());
}

} // namespace

TEST(RtfLibreOffice, ReadsWhatWeWriteAndWritesWhatWeRead)
{
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir dir;
    QTextDocument ours;
    fillWithEveryAttribute(ours);
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("ours.rtf"), ours));
    ASSERT_TRUE(writeFile(dir.file("theirs.html"), theirs));
    // One run for both files: LibreOffice takes seconds to start.
    const QString output = convertToRtf({dir.file("ours.rtf"), dir.file("theirs.html")}, dir.file("lo"));

    // What LibreOffice made of our file, written out as RTF again, is our document. Like
    // Word, it keeps sizes to the half-point: 11.25 pt becomes 11.5 pt.
    QTextDocument reread;
    ASSERT_TRUE(richtext::loadRtfFile(dir.file("lo/ours.rtf"), reread)) << output.toStdString();
    EXPECT_EQ(compareDocuments(ours, reread, SizeRule::HalfPoints), QString());

    // And what LibreOffice writes of its document loads as Qt reads the document's HTML.
    QTextDocument expected;
    expected.setHtml(QString::fromUtf8(theirs));
    QTextDocument loaded;
    ASSERT_TRUE(richtext::loadRtfFile(dir.file("lo/theirs.rtf"), loaded)) << output.toStdString();
    EXPECT_EQ(compareDocuments(expected, loaded), QString());
}

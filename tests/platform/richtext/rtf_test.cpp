// RTF: reading it as other programs write it and reading damaged RTF; writing documents and
// files and reading them back; and LibreOffice, an independent word processor, reading ours.
// (Files other word processors wrote seed the reader's fuzzer.)
#include "Testing.h"
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"

#include <cmath>

using richtext::readRtf;
using richtext::writeRtf;

namespace {

// How sizes compare: exactly, or as other word processors keep them, to the half-point.
enum class SizeRule { Exact, HalfPoints };

// The look of each character, every paragraph led by a mark that carries its alignment.
QStringList looks(const QTextDocument &document, SizeRule sizes = SizeRule::Exact)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int alignment = block.blockFormat().alignment()
                              & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify);
        result << QString("paragraph align %1").arg(alignment);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const double size = font.pointSizeF();
            const QString colour =
                format.foreground().style() != Qt::NoBrush ? format.foreground().color().name() : "auto";
            const QString look = QString("%1 %2pt%3%4%5 %6 align %7")
                                     .arg(font.families().value(0, font.family()))
                                     .arg(sizes == SizeRule::HalfPoints ? std::round(size * 2) / 2 : size)
                                     .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "",
                                          font.underline() ? " underline" : "", colour)
                                     .arg(alignment);
            for (const QChar c : it.fragment().text())
                result << QString(c) + " " + look;
        }
    }
    return result;
}

// What a reader sees of the first character of the first occurrence of a piece of text: its
// formatting, with what the character leaves open taken from the document's default font, and
// its paragraph's alignment, as "Arial 15pt bold italic underline #0000ff align 4" ("auto" for
// the automatic colour).
QString lookOf(const QTextDocument &document, const QString &text)
{
    const int at = int(document.toRawText().indexOf(text));
    EXPECT_GE(at, 0) << "no \"" << text.toStdString() << '"';
    // The raw text has nothing where looks() leads the first paragraph with a mark.
    return at < 0 ? QString() : looks(document)[at + 1].mid(2);
}

// Reads RTF into the document, failing the test when it does not load.
void readInto(const QByteArray &rtf, QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 11));
    QString error;
    ASSERT_TRUE(richtext::readRtf(rtf, document, &error)) << error.toStdString();
}

// A document in the deck list's default font with every attribute the editor offers, mixed in
// runs and paragraphs: bold, italic, underline, faces, sizes (11.25 pt among them), colours, the
// four alignments, an empty paragraph, and text beyond ASCII.
void fillWithEveryAttribute(QTextDocument &document)
{
    QFont deckListFont(QStringLiteral("Arial"));
    deckListFont.setPointSizeF(11.25);
    document.setDefaultFont(deckListFont);
    // Text outside any span stays in the default font.
    document.setHtml(QString::fromUtf8(R"(
<p>Zentari deck list: <b>bold</b> <i>italic</i> <u>underlined</u> <b><i><u>all three</u></i></b></p>
<p align="center"><span style="font-family:'Times New Roman'; font-size:14pt;
 color:#ff0000">Times 14 red, </span><span style="font-family:'Courier New'; font-size:9.5pt;
 color:#0000ff"><i>Courier 9.5 blue italic</i></span></p>
<p align="right" style="color:#008000"><b>Grüße – 柔道 😀 {braces} \ back<span
 style="white-space:pre">	</span>slash<br/>next line</b></p>
<p align="justify" style="font-family:'Liberation Serif'; font-size:20pt"><u>No-break&nbsp;space,
 soft&shy;hyphen, no-break&#8209;hyphen, € 5.</u></p>
<p align="center"><b style="font-size:11.25pt">4 </b><span style="color:#ff00ff">Fire
 Energy</span></p>)"));
    // HTML keeps no empty paragraph: one goes before the last.
    QTextCursor(document.lastBlock()).insertBlock();
}

// The text as read, paragraphs ended by '\n' and every other character as it is.
QString textOf(const QByteArray &rtf)
{
    QTextDocument document;
    readInto(rtf, document);
    return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

TEST(RtfReader, KeepsFormattingPerGroupAndResetsItOnPlainAndPard)
{
    QTextDocument document;
    readInto("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
             "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
             "\\pard\\qc\\fs30 one {\\b two {\\i\\f0\\cf2 three} \\ul four} \\uld five\\ulnone  six"
             "\\par\\qr seven\\plain  eight\\pard\\par nine}",
             document);
    EXPECT_EQ(document.toPlainText(), "one two three four five six\nseven eight\nnine");
    EXPECT_EQ(lookOf(document, "two"), "Arial 15pt bold auto align 4");
    EXPECT_EQ(lookOf(document, "three"), "Times New Roman 15pt bold italic #0000ff align 4");
    EXPECT_EQ(lookOf(document, "four"), "Arial 15pt bold underline auto align 4");
    EXPECT_EQ(lookOf(document, "six"), "Arial 15pt auto align 4");
    // \plain goes back to the default font at 12 pt; \pard to left alignment, which the
    // paragraph has, being in force at its \par.
    EXPECT_EQ(lookOf(document, "eight"), "Arial 12pt auto align 1");

    // Font tables without inner groups (TextEdit), colour 0 as the automatic colour, \ulc as a
    // colour rather than underline; East Asian runs' size and bold (LibreOffice).
    readInto("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil Menlo;}{\\colortbl;\\red1\\green2\\blue3;}"
             "\\qj\\f1\\ulc1\\cf0 a\\cf1 b{\\dbch\\afs30\\ab c}}",
             document);
    EXPECT_EQ(lookOf(document, "a"), "Menlo 12pt auto align 8");
    EXPECT_EQ(lookOf(document, "b"), "Menlo 12pt #010203 align 8");
    EXPECT_EQ(lookOf(document, "c"), "Menlo 15pt bold #010203 align 8");
}

TEST(RtfReader, DecodesCodePagesUnicodeAndSpecialCharacters)
{
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'96\xe9}"), "caf\u00e9 \u20ac\u2013\u00e9");
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1250 Prosz\\'ea \\'b9\\'9c\xb3}"), "Prosz\u0119 \u0105\u015b\u0142");
    EXPECT_EQ(textOf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial CE;}{\\f1\\fcharset0 Arial;}}"
                     "\\f0\\'b9{\\f1\\'b9}}"),
              "\u0105\u00b9");
    // \uN skips \ucN fallback characters; the count belongs to the group; negative numbers
    // are the upper half of the 16-bit range.
    EXPECT_EQ(textOf("{\\rtf1 \\u26580\\'3fx{\\uc2\\u8804\\'3f\\'3fy\\uc0\\u8805 z}\\u-10179?\\u-8704?}"),
              "\u67d4x\u2264y\u2265z\U0001F600");
    // A paragraph separator ends the paragraph; control characters and those QTextDocument keeps
    // for frames and objects are no text; the special characters and TextEdit's "\" line break.
    EXPECT_EQ(textOf("{\\rtf1 a\\u8233?b\\u127?\\u65532?\x01" "c\\~d\\-e\\_f\\tab g\\line h\\emdash"
                     "\\bullet\\ldblquote\\{\\}\\\\\\\ni}"),
              "a\nbc\u00a0d\u00ade\u2011f\tg\u2028h\u2014\u2022\u201c{}\\\ni");
}

TEST(RtfReader, ShowsOnlyTheBodyRefusesWhatIsNotRtfAndLoadsWhatItCanOfDamage)
{
    EXPECT_EQ(textOf("{\\rtf1{\\fonttbl{\\f0 A;}}{\\info{\\author me}}{\\*\\unknown hidden {\\nested}}"
                     "{\\header head}{\\pict\\bin4 {}\\}}x{\\field{\\*\\fldinst{HYPERLINK \"x\"}}{\\fldrslt shown}}"
                     "{\\v hidden}{\\pntext 1.\\tab}item\\trowd\\cellx100 a\\cell b\\cell\\row c\\page d\\par}"),
              "xshown1.\titema\tb\t\nc\nd");

    QTextDocument document;
    document.setPlainText("kept");
    QString error;
    for (const QByteArray &input : {QByteArray(), QByteArray("plain text"), QByteArray("{\\rtx1 a}")}) {
        EXPECT_FALSE(richtext::readRtf(input, document, &error));
        EXPECT_EQ(error, "The file is not in Rich Text Format.");
    }
    const int depth = richtext::RtfReader::maxGroupDepth;
    EXPECT_FALSE(richtext::readRtf("{\\rtf1" + QByteArray(depth, '{') + "x", document, &error));
    EXPECT_EQ(error, "The file nests groups too deeply.");
    EXPECT_EQ(document.toPlainText(), "kept");
    EXPECT_EQ(textOf("\xEF\xBB\xBF\r\n {\\rtf1" + QByteArray(depth - 1, '{') + "deep" + QByteArray(depth, '}')),
              "deep");

    // Cut off anywhere; text after the last brace.
    for (const char *cut : {"{\\rtf1 {\\b abc", "{\\rtf1 abc\\'4", "{\\rtf1 abc\\", "{\\rtf1 abc{\\pict\\bin999999999 x",
                            "{\\rtf1 abc}} def}"})
        EXPECT_EQ(textOf(cut), "abc") << cut;
}

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
    EXPECT_EQ(looks(copy), looks(original)) << rtf.toStdString();
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

// What LibreOffice, an independent word processor, makes of our file, written out as RTF again,
// is our document. (What other word processors write seeds the fuzzer.)
TEST(RtfLibreOffice, ReadsWhatWeWriteAndWritesItBackTheSame)
{
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    TempDir dir;
    QTextDocument ours, reread;
    fillWithEveryAttribute(ours);
    ASSERT_TRUE(richtext::saveRtfFile(dir.file("ours.rtf"), ours));
    // With a fresh profile of its own; slow to start, the more so for that.
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start("soffice", {"-env:UserInstallation=file://" + dir.file("lo/profile"), "--headless", "--convert-to",
                              "rtf:Rich Text Format", "--outdir", dir.file("lo"), dir.file("ours.rtf")});
    if (!soffice.waitForFinished(300000))
        soffice.kill();
    ASSERT_TRUE(richtext::loadRtfFile(dir.file("lo/ours.rtf"), reread)) << soffice.readAll().toStdString();
    // Like Word, it keeps sizes to the half-point: 11.25 pt becomes 11.5 pt.
    EXPECT_EQ(looks(reread), looks(ours, SizeRule::HalfPoints));
}

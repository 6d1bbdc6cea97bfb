// Reading RTF as other programs write it, and reading damaged RTF.
#include "DocumentChecks.h"

#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"

#include <gtest/gtest.h>

using richtext::readRtf;

namespace {

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
    readInto("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}"
             "{\\f1\\fswiss\\fcharset0 Arial{\\*\\falt Liberation Sans};}}"
             "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
             "\\pard\\qc\\fs30 one {\\b two {\\i\\f0\\cf2 three} \\ul four} \\uld five\\ulnone  six"
             "\\par\\qr seven\\plain  eight\\pard\\par nine}",
             document);
    EXPECT_EQ(document.toPlainText(), "one two three four five six\nseven eight\nnine");

    EXPECT_EQ(describe(lookOf(document, "one")), "Arial 15pt auto align 4");
    EXPECT_EQ(describe(lookOf(document, "two")), "Arial 15pt bold auto align 4");
    EXPECT_EQ(describe(lookOf(document, "three")),
              "Times New Roman 15pt bold italic #0000ff align 4");
    EXPECT_EQ(describe(lookOf(document, "four")), "Arial 15pt bold underline auto align 4");
    EXPECT_EQ(describe(lookOf(document, "five")), "Arial 15pt underline auto align 4");
    EXPECT_EQ(describe(lookOf(document, "six")), "Arial 15pt auto align 4");
    // \plain goes back to the default font at 12 pt; \pard to left alignment, which the
    // paragraph has, being in force at its \par.
    EXPECT_EQ(describe(lookOf(document, "seven")), "Arial 15pt auto align 1");
    EXPECT_EQ(describe(lookOf(document, "eight")), "Arial 12pt auto align 1");

    // Font tables without inner groups (TextEdit), colour 0 as the automatic colour, \ulc as a
    // colour rather than underline, and justified text.
    readInto("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fnil Menlo;}"
             "{\\colortbl;\\red1\\green2\\blue3;}"
             "\\qj\\f1\\ulc1\\cf0 a\\cf1 b\\cf9 c}",
             document);
    EXPECT_EQ(describe(lookOf(document, "a")), "Menlo 12pt auto align 8");
    EXPECT_EQ(describe(lookOf(document, "b")), "Menlo 12pt #010203 align 8");
    EXPECT_EQ(describe(lookOf(document, "c")), "Menlo 12pt auto align 8");

    // East Asian text as LibreOffice writes it: size, bold and italic in the associated
    // properties after \dbch.
    readInto("{\\rtf1\\fs20 a{\\dbch\\afs30\\ab\\ai\\i0 b\\hich c}d}", document);
    EXPECT_EQ(lookOf(document, "a").size, 10);
    EXPECT_EQ(describe(lookOf(document, "b")), "Arial 15pt bold italic auto align 1");
    EXPECT_EQ(describe(lookOf(document, "c")), "Arial 10pt auto align 1");
}

TEST(RtfReader, DecodesCodePagesAndUnicode)
{
    // Windows-1252 and Windows-1250 escapes and 8-bit text, also by a font's charset.
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'80\\'96\xe9}"),
              "caf\u00e9 \u20ac\u2013\u00e9");
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1250 Prosz\\'ea \\'b9\\'9c\xb3}"),
              "Prosz\u0119 \u0105\u015b\u0142");
    EXPECT_EQ(textOf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 Arial CE;}{\\f1\\fcharset0 Arial;}}"
                     "\\f0\\'b9{\\f1\\'b9}}"),
              "\u0105\u00b9");
    // \uN skips \ucN fallback characters, be they text, escapes or control words; the count
    // belongs to the group; negative numbers are the upper half of the 16-bit range.
    EXPECT_EQ(textOf("{\\rtf1 \\u26580\\'3f\\u36947?x{\\uc2\\u8804\\'3f\\'3fy\\uc0\\u8805 z}"
                     "\\u8220\\ldblquote w\\u-10179?\\u-8704?}"),
              "\u67d4\u9053x\u2264y\u2265z\u201cw\U0001F600");
    // A paragraph separator ends the paragraph; control characters, and those QTextDocument
    // keeps for frames and embedded objects, are no text.
    EXPECT_EQ(textOf("{\\rtf1 a\\u8233?b\\u127?\\u65532?\\u64976?\x7f\x01" "c}"), "a\nbc");
    // Special characters and TextEdit's backslash before a line break.
    EXPECT_EQ(textOf("{\\rtf1 a\\~b\\-c\\_d\\tab e\\line f\\emdash\\endash\\bullet\\lquote\\rquote"
                     "\\ldblquote\\rdblquote\\{\\}\\\\\\\ng\\par}"),
              "a\u00a0b\u00adc\u2011d\te\u2028f\u2014\u2013\u2022\u2018\u2019\u201c\u201d{}\\\ng");
}

TEST(RtfReader, ShowsTheBodyAndFieldResultsButNoOtherDestinations)
{
    EXPECT_EQ(textOf("{\\rtf1{\\fonttbl{\\f0 A;}}{\\stylesheet{\\s0 Normal;}}{\\info{\\author me}}"
                     "{\\*\\generator Word;}{\\*\\unknown hidden {\\nested too}}"
                     "{\\header head}{\\pict\\wmetafile8 0102ff}{\\pict\\bin4 {}\\}}x"
                     "{\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt shown}}"
                     "{\\v hidden}{\\latentstyles{\\lsdlockedexcept Normal;}}"
                     "{\\*\\pn{\\pntxta .}}{\\pntext 1.\\tab}item}"),
              "xshown1.\titem");
    // Table cells are separated by tabs, rows are paragraphs.
    EXPECT_EQ(textOf("{\\rtf1\\trowd\\cellx100\\cellx200 a\\cell b\\cell\\row"
                     "\\trowd\\cellx100 c\\cell\\row}"),
              "a\tb\t\nc\t");
    // A page or section break ends a paragraph, unless \par just did; a last \par ends the
    // last paragraph; another makes an empty one.
    EXPECT_EQ(textOf("{\\rtf1 a\\page b\\par\\sect c\\par}"), "a\nb\nc");
    EXPECT_EQ(textOf("{\\rtf1 a\\par\\par}"), "a\n");
}

TEST(RtfReader, RefusesWhatIsNotRtfAndLeavesTheDocumentAlone)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept"));
    QString error;
    for (const QByteArray &input :
         {QByteArray(), QByteArray("plain text"), QByteArray("{\\rtx1 a}"), QByteArray("\\rtf1")}) {
        EXPECT_FALSE(readRtf(input, document, &error));
        EXPECT_EQ(error, "The file is not in Rich Text Format.");
    }
    const int depth = richtext::RtfReader::maxGroupDepth;
    EXPECT_FALSE(readRtf("{\\rtf1" + QByteArray(depth, '{') + "x", document, &error));
    EXPECT_EQ(error, "The file nests groups too deeply.");
    EXPECT_EQ(document.toPlainText(), "kept");
    EXPECT_EQ(document.blockCount(), 1);

    // A byte order mark and blank lines before the opening brace are fine, and so is nesting
    // just within the limit.
    EXPECT_EQ(textOf("\xEF\xBB\xBF\r\n {\\rtf1 a}"), "a");
    EXPECT_EQ(textOf("{\\rtf1" + QByteArray(depth - 1, '{') + "deep" + QByteArray(depth, '}')),
              "deep");
}

TEST(RtfReader, LoadsWhatItCanOfDamagedFiles)
{
    // Truncated anywhere: inside text, a control word, an escape or \bin data.
    EXPECT_EQ(textOf("{\\rtf1 {\\b abc"), "abc");
    EXPECT_EQ(textOf("{\\rtf1 abc\\'4"), "abc");
    EXPECT_EQ(textOf("{\\rtf1 abc\\"), "abc");
    EXPECT_EQ(textOf("{\\rtf1 abc{\\pict\\bin999999999 xyz"), "abc");
    EXPECT_EQ(textOf("{\\rtf1 abc\\u"), "abc");
    // Text after the last closing brace, and unbalanced closing braces, are not part of it;
    // a document that follows is, with its own font table.
    EXPECT_EQ(textOf("{\\rtf1 abc}} def}"), "abc");
    QTextDocument two;
    readInto("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 one} label "
             "{\\rtf1{\\fonttbl{\\f0 Courier;}}\\f0 two}",
             two);
    EXPECT_EQ(two.toPlainText(), "one\ntwo");
    EXPECT_EQ(lookOf(two, "two").family, "Courier");
    // Numbers far out of range are held within reason.
    QTextDocument document;
    readInto("{\\rtf1{\\fonttbl{\\f99999999999999999999 Arial;}}"
             "{\\colortbl;\\red-5\\green999\\blue7;}"
             "\\f99999999999999999999\\fs99999999999999999\\cf1{\\uc99999999999\\u-99999999999 a}"
             "\\zentfs-7 b\\fs-3 c\\u99999999999 d}",
             document);
    EXPECT_EQ(document.toPlainText(), "bc");
    EXPECT_EQ(describe(lookOf(document, "c")), "Arial 12pt #00ff07 align 1");
    EXPECT_EQ(lookOf(document, "b").size, 1638.0);
}
